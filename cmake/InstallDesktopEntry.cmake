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

# Under DESTDIR the files are staged for a package, whose own triggers update the
# databases where the files finally land.
if("$ENV{DESTDIR}" STREQUAL "")
    foreach(sealscribe_update IN ITEMS "update-mime-database;${sealscribe_prefix}/share/mime"
            "update-desktop-database;${sealscribe_prefix}/share/applications")
        list(GET sealscribe_update 0 sealscribe_tool)
        list(GET sealscribe_update 1 sealscribe_folder)
        find_program(sealscribe_tool_path "${sealscribe_tool}")
        if(NOT sealscribe_tool_path)
            message(WARNING "${sealscribe_tool} is not installed: the desktop learns of "
                            "Sealscribe's files only once it runs on ${sealscribe_folder}")
        else()
            message(STATUS "Updating: ${sealscribe_folder}")
            execute_process(COMMAND "${sealscribe_tool_path}" "${sealscribe_folder}"
                            RESULT_VARIABLE sealscribe_result)
            if(NOT sealscribe_result EQUAL 0)
                message(WARNING "${sealscribe_tool} ${sealscribe_folder} failed: "
                                "${sealscribe_result}")
            endif()
        endif()
        unset(sealscribe_tool_path CACHE)
        unset(sealscribe_tool_path)
    endforeach()
endif()
