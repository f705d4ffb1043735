# How the folders become targets, and the test programs beside them.

# The include folder ROOT, for TARGET and every target that links it.
function(pentavo_include_root target root)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL INTERFACE_LIBRARY)
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

# Each target publishes its own headers to the targets that link it, and nothing more: they are
# reached through a folder of the build tree, include/TARGET, that holds links to them alone, so
# an include of a header whose target is not linked fails to compile (scripts/check-layers holds
# the table of which folder may include which).
#
# pentavo_publish_folder(TARGET FOLDER [HEADER...]): the headers named, else every header directly
# in FOLDER (a path from the top of the tree), never those of its sub-folders, such as tests/.
function(pentavo_publish_folder target folder)
    set(source ${PROJECT_SOURCE_DIR}/${folder})
    set(headers ${ARGN})
    if(NOT headers)
        file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${source} ${source}/*.h)
    endif()
    set(root ${PROJECT_BINARY_DIR}/include/${target})
    # Links from an earlier configuration would publish headers the target no longer owns.
    file(REMOVE_RECURSE ${root}/${folder})
    if(NOT headers)
        return()
    endif()
    file(MAKE_DIRECTORY ${root}/${folder})
    foreach(header IN LISTS headers)
        if(NOT EXISTS ${source}/${header})
            message(FATAL_ERROR "${target} publishes ${folder}/${header}, which does not exist")
        endif()
        file(CREATE_LINK ${source}/${header} ${root}/${folder}/${header} SYMBOLIC)
    endforeach()
    pentavo_include_root(${target} ${root})
endfunction()

# A header configured from FOLDER/NAME.in with the project's facts, published with TARGET's own.
function(pentavo_generate_header target folder name)
    set(root ${PROJECT_BINARY_DIR}/include/${target}-generated)
    configure_file(${PROJECT_SOURCE_DIR}/${folder}/${name}.in ${root}/${folder}/${name} @ONLY)
    pentavo_include_root(${target} ${root})
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

# The headers of a tests/ folder, if it has any, are its test programs' own.
function(pentavo_publish_test_folder name)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    pentavo_publish_folder(${name} ${folder})
endfunction()

# A GoogleTest program, run as one CTest test.
function(pentavo_add_gtest name)
    add_executable(${name} ${ARGN})
    pentavo_publish_test_folder(${name})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
    pentavo_sanitizer_environment(${name})
endfunction()

# A Qt Test program on the offscreen platform, each run with its own fresh settings and runtime
# folders. Link the libraries under test to the target after calling this.
function(pentavo_add_qt_test name)
    add_executable(${name} ${ARGN})
    pentavo_publish_test_folder(${name})
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    target_link_libraries(${name} PRIVATE Qt6::Test)
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/cmake/run-offscreen.sh $<TARGET_FILE:${name}>)
    pentavo_sanitizer_environment(${name})
endfunction()
