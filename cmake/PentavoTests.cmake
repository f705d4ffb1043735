# Test helpers shared by every folder.

# A GoogleTest program, run as one CTest test.
function(pentavo_add_gtest name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE GTest::gtest GTest::gtest_main)
    add_test(NAME ${name} COMMAND ${name})
endfunction()

# A Qt Test program on the offscreen platform, each run with its own fresh settings and runtime
# folders. Link the libraries under test to the target after calling this.
function(pentavo_add_qt_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE Qt6::Test)
    add_test(NAME ${name}
             COMMAND ${PROJECT_SOURCE_DIR}/cmake/run-offscreen.sh $<TARGET_FILE:${name}>)
endfunction()
