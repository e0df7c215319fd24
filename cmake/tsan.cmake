# The prefetch queue's threads under ThreadSanitizer. It cannot share a build with the address
# sanitizer, so its test is compiled on its own, against Debian's prebuilt GoogleTest.
set(KDC_TSAN_SOURCES ${CMAKE_SOURCE_DIR}/src/scan/core/prefetch_queue.cpp
    ${CMAKE_SOURCE_DIR}/tests/scan/core/prefetch_queue_test.cpp)
find_library(KDC_GTEST_LIB gtest)
find_library(KDC_GTEST_MAIN_LIB gtest_main)
if(NOT KDC_GTEST_LIB OR NOT KDC_GTEST_MAIN_LIB)
    message(STATUS "libgtest-dev not found: the ThreadSanitizer test of the prefetch queue is left out")
    return()
endif()
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/prefetch_queue_tsan
    COMMAND ${CMAKE_CXX_COMPILER} -std=c++20 -O1 -g -fsanitize=thread -I${CMAKE_SOURCE_DIR}/src
        ${KDC_TSAN_SOURCES} ${KDC_GTEST_MAIN_LIB} ${KDC_GTEST_LIB} -pthread
        -o ${CMAKE_BINARY_DIR}/prefetch_queue_tsan
    DEPENDS ${KDC_TSAN_SOURCES} ${CMAKE_SOURCE_DIR}/src/scan/core/prefetch_queue.h
    COMMENT "Building the prefetch queue's test with ThreadSanitizer")
add_custom_target(prefetch_queue_tsan ALL DEPENDS ${CMAKE_BINARY_DIR}/prefetch_queue_tsan)
add_test(NAME prefetch_queue_tsan COMMAND ${CMAKE_BINARY_DIR}/prefetch_queue_tsan --gtest_brief=1)
set_tests_properties(prefetch_queue_tsan PROPERTIES ENVIRONMENT "TSAN_OPTIONS=halt_on_error=1")
