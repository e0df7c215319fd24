# The release files, made from dist/ into packages/: the per-user installer (NSIS), the portable zip and
# SHA256SUMS (tools/package.sh), and their tests under Wine. Without makensis, zip or the user guide the
# program builds as before, without them.
find_program(KDC_MAKENSIS makensis)
find_program(KDC_ZIP zip)
if(NOT KDC_MAKENSIS OR NOT KDC_ZIP OR NOT TARGET user_guide OR NOT CMAKE_HOST_UNIX)
    message(STATUS "makensis, zip or the user guide missing: building without the installer and the zip")
    return()
endif()

set(KDC_VERSION ${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR})
set(KDC_PACKAGES ${CMAKE_BINARY_DIR}/packages)
set(KDC_PACKAGE_FILES ${KDC_PACKAGES}/KestruneDiskCleaner-${KDC_VERSION}-setup.exe
    ${KDC_PACKAGES}/KestruneDiskCleaner-${KDC_VERSION}-portable.zip ${KDC_PACKAGES}/SHA256SUMS)
file(GLOB KDC_INSTALLER_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/installer/*)
add_custom_command(OUTPUT ${KDC_PACKAGE_FILES}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/package.sh ${KDC_DIST} ${KDC_PACKAGES} ${KDC_VERSION} ${KDC_SOURCE_DATE}
    DEPENDS KestruneDiskCleaner ${KDC_DIST}/Sweepwell.chm ${KDC_SOURCE_DATE} ${KDC_INSTALLER_SOURCES}
        ${CMAKE_SOURCE_DIR}/tools/package.sh ${CMAKE_SOURCE_DIR}/resources/app.ico
    COMMENT "Making the installer, the portable zip and SHA256SUMS")
add_custom_target(packages ALL DEPENDS ${KDC_PACKAGE_FILES})
add_dependencies(packages user_guide source_date)

if(KDC_NO_TESTS)
    return()
endif()

# Each test installs, updates, removes or unpacks the packages in a fresh Wine prefix of its own and
# drives the program there with the probe. The reproducibility test builds everything a second time, in
# other folders, and compares the bytes.
add_executable(dist_probe ${CMAKE_SOURCE_DIR}/tests/dist/probe.cpp)
target_link_options(dist_probe PRIVATE -municode)
target_link_libraries(dist_probe PRIVATE shell32 ole32 uuid user32)
add_dependencies(packages dist_probe)
foreach(name install install_over uninstall portable)
    add_test(NAME dist_${name} COMMAND ${CMAKE_SOURCE_DIR}/tests/dist/run.sh ${name} ${KDC_PACKAGES}
        ${KDC_DIST} $<TARGET_FILE:dist_probe>)
endforeach()
add_test(NAME dist_reproducible COMMAND ${CMAKE_SOURCE_DIR}/tests/dist/reproducible.sh ${CMAKE_SOURCE_DIR}
    ${CMAKE_BINARY_DIR} ${KDC_VERSION})
set_tests_properties(dist_install dist_install_over dist_uninstall dist_portable dist_reproducible
    PROPERTIES LABELS dist)
