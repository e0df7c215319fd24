# The Windows program, its in-process test executables and the benchmarks.
add_compile_definitions(UNICODE _UNICODE NOMINMAX _WIN32_WINNT=0x0601 WINVER=0x0601 _WIN32_IE=0x0800)
# The same sources give the same exe in any folder: build paths are mapped away wherever the compiler
# would record them (the core library exists already, so it gets them on its own).
set(KDC_PATH_MAPS $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>
    $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>)
add_compile_options(${KDC_PATH_MAPS})
target_compile_options(kdc_core PRIVATE ${KDC_PATH_MAPS})
# A warning in the Windows build stops it. GoogleTest's own sources came in before this line and keep
# their warnings as warnings; the core and its tests exist already and get the option on their own.
add_compile_options(-Werror)
target_compile_options(kdc_core PRIVATE -Werror)
if(TARGET core_tests)
    target_compile_options(core_tests PRIVATE -Werror)
endif()
set(KDC_WIN_LIBS comctl32 oleacc shell32 shlwapi wininet ole32 oleaut32 uuid gdi32 user32 msimg32 comdlg32 advapi32)

file(GLOB_RECURSE KDC_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/*.cpp)
list(FILTER KDC_WIN_SOURCES EXCLUDE REGEX "/src/[^/]+/core/")
list(FILTER KDC_WIN_SOURCES EXCLUDE REGEX "/src/app/program_entry\\.cpp$")
add_library(kdc_win STATIC ${KDC_WIN_SOURCES})
target_link_libraries(kdc_win PUBLIC kdc_core ${KDC_WIN_LIBS})
target_include_directories(kdc_win PUBLIC ${CMAKE_SOURCE_DIR}/src)

add_executable(KestruneDiskCleaner WIN32 ${CMAKE_SOURCE_DIR}/src/app/program_entry.cpp
    ${CMAKE_SOURCE_DIR}/resources/app.rc)
# windres reads the icon and the manifest itself, so CMake learns of them here.
set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/app.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_SOURCE_DIR}/resources/app.ico ${CMAKE_SOURCE_DIR}/resources/app.manifest)
# No time stamp in the PE header, and neither symbols nor the runtime's debug data: the exe is the same
# bytes in every build of the same sources.
target_link_options(KestruneDiskCleaner PRIVATE -municode -s -Wl,--no-insert-timestamp)
target_link_libraries(KestruneDiskCleaner PRIVATE kdc_win)

# Everything a user gets: the exe and, when chmcmd is present, the user guide beside it.
set(KDC_DIST ${CMAKE_BINARY_DIR}/dist)
add_custom_command(TARGET KestruneDiskCleaner POST_BUILD
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KDC_DIST}
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:KestruneDiskCleaner> ${KDC_DIST}/)
include(${CMAKE_SOURCE_DIR}/cmake/reproducible.cmake)
if(EXISTS ${CMAKE_SOURCE_DIR}/cmake/help.cmake)
    include(${CMAKE_SOURCE_DIR}/cmake/help.cmake)
endif()
include(${CMAKE_SOURCE_DIR}/cmake/packages.cmake)

if(KDC_NO_TESTS)
    return()
endif()

# In-process tests: one executable per subsystem folder of tests/, linked with the program's code.
file(GLOB KDC_TEST_SUPPORT CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/support/*.cpp)
add_library(kdc_test_support STATIC ${KDC_TEST_SUPPORT})
target_link_libraries(kdc_test_support PUBLIC kdc_win GTest::gtest)
target_include_directories(kdc_test_support PUBLIC ${CMAKE_SOURCE_DIR}/tests)
target_sources(kdc_test_support INTERFACE ${CMAKE_SOURCE_DIR}/resources/dpi_aware.rc)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/dpi_aware.rc APPEND PROPERTY OBJECT_DEPENDS
    ${CMAKE_SOURCE_DIR}/resources/dpi_aware.manifest)

set(KDC_WINE_TEST ${CMAKE_SOURCE_DIR}/tools/wine-test.sh)
file(GLOB KDC_TEST_DIRS LIST_DIRECTORIES true ${CMAKE_SOURCE_DIR}/tests/*)
foreach(dir ${KDC_TEST_DIRS})
    get_filename_component(name ${dir} NAME)
    if(NOT IS_DIRECTORY ${dir} OR name MATCHES "^(support|fuzz|core)$")
        continue()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*_test.cpp)
    if(NOT sources)
        continue()
    endif()
    add_executable(${name}_tests ${sources})
    target_link_options(${name}_tests PRIVATE -municode)
    target_link_libraries(${name}_tests PRIVATE kdc_test_support)
    add_dependencies(${name}_tests KestruneDiskCleaner)
    add_test(NAME ${name}_tests COMMAND ${KDC_WINE_TEST} ${name} $<TARGET_FILE:${name}_tests> ${KDC_DIST})
    # Above the runner's own 150 s limit, with room for making the Wine template first.
    set_tests_properties(${name}_tests PROPERTIES TIMEOUT 300)
endforeach()
# The display-scale tests run again in prefixes set to 125 %, 150 % and 200 %.
foreach(dpi 120 144 192)
    add_test(NAME dpi_tests_${dpi} COMMAND env KDC_TEST_DPI=${dpi} ${KDC_WINE_TEST} dpi $<TARGET_FILE:dpi_tests> ${KDC_DIST})
    set_tests_properties(dpi_tests_${dpi} PROPERTIES TIMEOUT 300)
endforeach()
# At 96 dpi every window's screenshot stays the one kept in tests/screenshots/reference.
add_test(NAME screenshots_96dpi COMMAND ${CMAKE_SOURCE_DIR}/tests/screenshots/compare.sh)
set_tests_properties(screenshots_96dpi PROPERTIES TIMEOUT 600)

# The deletion tests once more without root's override of permission bits: there a folder in which the
# user may not delete is one.
add_test(NAME scan_tests_unprivileged
         COMMAND env KDC_TEST_PREFIX=test-scan-unprivileged ${CMAKE_SOURCE_DIR}/tools/unprivileged.sh
                 ${KDC_WINE_TEST} scan $<TARGET_FILE:scan_tests> ${KDC_DIST}
                 --gtest_filter=DeleteFiles.*:*/DeleteEveryTickedFile.*)
set_tests_properties(scan_tests_unprivileged PROPERTIES TIMEOUT 300)

file(GLOB KDC_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
foreach(src ${KDC_BENCH_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} EXCLUDE_FROM_ALL ${src})
    target_link_options(${name} PRIVATE -municode)
    target_link_libraries(${name} PRIVATE kdc_win)
endforeach()
# Throw-away probes (bench/*_probe.cpp), each with a script of its own in tools/, outside make bench.
file(GLOB KDC_PROBE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_probe.cpp)
foreach(src ${KDC_PROBE_SOURCES})
    get_filename_component(name ${src} NAME_WE)
    add_executable(${name} EXCLUDE_FROM_ALL ${src})
    target_link_options(${name} PRIVATE -municode)
    target_link_libraries(${name} PRIVATE kdc_win)
endforeach()

# `make run` without a display leaves a screenshot of the main window.
add_test(NAME run_screenshot COMMAND env -u DISPLAY ${CMAKE_SOURCE_DIR}/tools/run.sh)
set_tests_properties(run_screenshot PROPERTIES PASS_REGULAR_EXPRESSION "saved a screenshot" TIMEOUT 300)

# `make screenshots`: one executable that renders every registered shot.
file(GLOB KDC_SHOT_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/screenshots/*.cpp)
add_executable(screenshots EXCLUDE_FROM_ALL ${KDC_SHOT_SOURCES})
target_link_options(screenshots PRIVATE -municode)
target_link_libraries(screenshots PRIVATE kdc_win)
target_sources(screenshots PRIVATE ${CMAKE_SOURCE_DIR}/resources/dpi_aware.rc)
target_include_directories(screenshots PRIVATE ${CMAKE_SOURCE_DIR}/tests)
