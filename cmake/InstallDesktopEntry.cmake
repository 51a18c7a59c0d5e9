# Run by `cmake --install`: writes the desktop entry for the prefix given then (which may
# differ from the configured one), and with no DESTDIR refreshes the prefix's MIME and
# desktop-entry databases so that the desktop opens our files with us at once.
# Expects SEALSCRIBE_DESKTOP_TEMPLATE and SEALSCRIBE_DESKTOP_STAGING to be set.

# Install scripts otherwise run under the oldest policies.
cmake_policy(VERSION 3.25)

# The executable's path as a quoted argument of Exec where it needs one, then escaped as a
# string value (backslashes doubled after the quoting) and for field codes (% doubled).
function(sealscribe_exec_argument path out)
    string(ASCII 1 first_control)
    string(ASCII 31 last_control)
    string(ASCII 127 delete)
    if(path MATCHES "[${first_control}-${last_control}${delete}]")
        message(FATAL_ERROR "The desktop entry cannot name an executable in \"${path}\": "
                            "the path holds a control character")
    endif()
    set(argument "${path}")
    if(argument MATCHES "[ \t\"'\\\\><~|&;$*?#()`]")
        string(REGEX REPLACE "([\"`$\\\\])" "\\\\\\1" argument "${argument}")
        set(argument "\"${argument}\"")
    endif()
    string(REPLACE "\\" "\\\\" argument "${argument}")
    string(REPLACE "%" "%%" argument "${argument}")
    set(${out} "${argument}" PARENT_SCOPE)
endfunction()

# A relative prefix is taken from where the install runs, as the installed files are.
get_filename_component(sealscribe_prefix "${CMAKE_INSTALL_PREFIX}" ABSOLUTE)
sealscribe_exec_argument("${sealscribe_prefix}/bin/sealscribe" SEALSCRIBE_EXEC)

file(READ "${SEALSCRIBE_DESKTOP_TEMPLATE}" sealscribe_entry)
string(CONFIGURE "${sealscribe_entry}" sealscribe_entry @ONLY)
get_filename_component(sealscribe_entry_name "${SEALSCRIBE_DESKTOP_TEMPLATE}" NAME_WLE)
set(sealscribe_staged "${SEALSCRIBE_DESKTOP_STAGING}/${sealscribe_entry_name}")
file(WRITE "${sealscribe_staged}" "${sealscribe_entry}")
# file(INSTALL) puts it under DESTDIR and into the install manifest.
file(INSTALL DESTINATION "${sealscribe_prefix}/share/applications" TYPE FILE
     FILES "${sealscribe_staged}")

function(sealscribe_update_database tool folder)
    find_program(tool_path "${tool}" NO_CACHE)
    if(NOT tool_path)
        message(WARNING "${tool} is not installed: the desktop learns of Sealscribe's files "
                        "only once it runs on ${folder}")
        return()
    endif()
    message(STATUS "Updating: ${folder}")
    execute_process(COMMAND "${tool_path}" "${folder}" RESULT_VARIABLE result)
    if(NOT result EQUAL 0)
        message(WARNING "${tool} ${folder} failed: ${result}")
    endif()
endfunction()

# Under DESTDIR the files are staged for a package, whose own triggers update the
# databases where the files finally land.
if("$ENV{DESTDIR}" STREQUAL "")
    sealscribe_update_database(update-mime-database "${sealscribe_prefix}/share/mime")
    sealscribe_update_database(update-desktop-database "${sealscribe_prefix}/share/applications")
endif()
