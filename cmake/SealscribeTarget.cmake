# Warnings shared by every target of the project.
function(sealscribe_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion -Wnon-virtual-dtor)
    if(SEALSCRIBE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

# The library of one folder of src/, made of every .cpp in it. Its headers are included
# as "<folder>/Name.h" (for example "crypto/LWCommonCrypto.h"), but a target sees only
# its own folder and those of the targets it links: its include root is a directory of
# the build tree that links to exactly that one folder, so a layer cannot include what
# sits above it.
function(sealscribe_library target)
    cmake_parse_arguments(ARG "" "" "PUBLIC_DEPS;PRIVATE_DEPS" ${ARGN})
    file(RELATIVE_PATH folder "${PROJECT_SOURCE_DIR}/src" "${CMAKE_CURRENT_SOURCE_DIR}")
    set(include_root "${PROJECT_BINARY_DIR}/include/${target}")
    get_filename_component(parent "${include_root}/${folder}" DIRECTORY)
    file(MAKE_DIRECTORY "${parent}")
    file(CREATE_LINK "${CMAKE_CURRENT_SOURCE_DIR}" "${include_root}/${folder}" SYMBOLIC)

    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    if(NOT sources)
        # A folder of headers only.
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${include_root}")
        target_link_libraries(${target} INTERFACE ${ARG_PUBLIC_DEPS})
        return()
    endif()
    add_library(${target} STATIC ${sources})
    target_include_directories(${target} PUBLIC "${include_root}")
    target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_DEPS} PRIVATE ${ARG_PRIVATE_DEPS})
    sealscribe_warnings(${target})
endfunction()

# The GoogleTest program of one folder of tests/, made of every .cpp in it, registered
# with CTest test by test.
function(sealscribe_test target)
    cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/*.cpp")
    if(NOT sources)
        return()
    endif()
    add_executable(${target} ${sources})
    target_link_libraries(${target} PRIVATE ${ARG_DEPS} GTest::gtest GTest::gmock GTest::gtest_main)
    # Test support shared by the test programs: "support/ScratchFolder.h".
    target_include_directories(${target} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
    target_compile_definitions(${target} PRIVATE
        SEALSCRIBE_TEST_DATA="${PROJECT_SOURCE_DIR}/tests/data")
    sealscribe_warnings(${target})
    # A hang fails its test rather than the whole run; no test comes near this.
    gtest_discover_tests(${target} DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 120)
endfunction()
