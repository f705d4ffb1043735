# How the folders become targets, and the test programs beside them.

# Each folder is published to the targets that link it, and to no others: its headers are reached
# through a folder of the build tree that holds one link to it, so an include of a folder that a
# target does not link fails to compile (scripts/check-layers lists the arrows that are allowed).
function(pentavo_publish_folder target folder)
    set(root ${PROJECT_BINARY_DIR}/include/${folder})
    if(NOT EXISTS ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL INTERFACE_LIBRARY)
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

# A library with Qt classes that need the meta-object compiler; plain C++ targets run no moc.
function(pentavo_qt_library name)
    add_library(${name} STATIC ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
endfunction()

# Under the sanitizers every test reports the same way: a leak inside a system library, not ours,
# is suppressed (cmake/lsan.supp), and every report of undefined behaviour comes with its stack.
# Call it after anything else that sets a test's ENVIRONMENT, which replaces the list.
function(pentavo_sanitizer_environment)
    if(PENTAVO_SANITIZE OR PENTAVO_FUZZ)
        set_property(TEST ${ARGN} APPEND PROPERTY ENVIRONMENT
            "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
            "UBSAN_OPTIONS=print_stacktrace=1")
    endif()
endfunction()

# A GoogleTest program, run as one CTest test.
function(pentavo_add_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    pentavo_sanitizer_environment(${name})
endfunction()

# A Qt Test program on the offscreen platform, each run with its own fresh settings and runtime
# folders. Link the libraries under test to the target after calling this.
function(pentavo_add_qt_test name)
    add_executable(${name} ${ARGN})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE Qt6::Test)
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/cmake/run-offscreen.sh $<TARGET_FILE:${name}>)
    pentavo_sanitizer_environment(${name})
endfunction()
