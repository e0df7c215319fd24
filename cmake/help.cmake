# Included by windows.cmake after the program's targets exist.
include(${CMAKE_CURRENT_LIST_DIR}/skins.cmake)

# The user guide: resources/help compiled by chmcmd (Debian fp-utils) into dist/Sweepwell.chm beside
# the exe. Without chmcmd the program builds as before and the Help menu's user guide opens nothing.
find_program(KDC_CHMCMD chmcmd)
if(NOT KDC_CHMCMD)
    message(STATUS "chmcmd not found: building without the user guide")
    return()
endif()

set(KDC_HELP_SRC ${CMAKE_SOURCE_DIR}/resources/help)
set(KDC_HELP_WORK ${CMAKE_BINARY_DIR}/help)
file(GLOB KDC_HELP_FILES CONFIGURE_DEPENDS ${KDC_HELP_SRC}/*)
add_custom_command(OUTPUT ${KDC_DIST}/Sweepwell.chm
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${KDC_HELP_WORK}
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${KDC_HELP_SRC} ${KDC_HELP_WORK}
    COMMAND ${CMAKE_COMMAND} -E chdir ${KDC_HELP_WORK} ${KDC_PINNED_RUN} ${KDC_CHMCMD} --verbosity 0 Sweepwell.hhp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${KDC_DIST}
    COMMAND ${CMAKE_COMMAND} -E copy ${KDC_HELP_WORK}/Sweepwell.chm ${KDC_DIST}/Sweepwell.chm
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    DEPENDS ${KDC_HELP_FILES} ${KDC_SOURCE_DATE} ${KDC_REPRODUCIBLE_RUN}
    COMMENT "Compiling the user guide Sweepwell.chm")
add_custom_target(user_guide ALL DEPENDS ${KDC_DIST}/Sweepwell.chm)
# chmcmd stamps the guide with the local time of day: it runs with the clock held at the last commit's
# time (builds agree where the machine's time zone is the same; Debian's images keep UTC).
add_dependencies(user_guide source_date)

find_program(KDC_EXTRACT_CHM extract_chmLib)
if(KDC_EXTRACT_CHM AND NOT KDC_NO_TESTS)
    add_test(NAME user_guide_archive
        COMMAND ${CMAKE_SOURCE_DIR}/tests/app/check_user_guide.sh ${KDC_DIST}/Sweepwell.chm ${KDC_HELP_SRC})
endif()
