# What the release files need to come out the same in every build of the same commit.
#
# KDC_SOURCE_DATE: a file holding the instant that dates them (the last commit's time), rewritten only
# when it changes; the target source_date keeps it current in every build.
set(KDC_SOURCE_DATE ${CMAKE_BINARY_DIR}/source_date_epoch)
add_custom_target(source_date ALL
    COMMAND ${CMAKE_COMMAND} -DROOT=${CMAKE_SOURCE_DIR} -DOUT=${KDC_SOURCE_DATE}
        -P ${CMAKE_SOURCE_DIR}/cmake/source_date.cmake
    BYPRODUCTS ${KDC_SOURCE_DATE}
    COMMENT "Dating the release files by the last commit")

# KDC_PINNED_RUN: a command prefix that runs a Linux tool with the clock held at that instant (see
# tools/reproducible-run.c); empty where it cannot be built, and tools then run as they are.
set(KDC_PINNED_RUN "")
find_program(KDC_HOST_CC NAMES cc gcc)
if(CMAKE_HOST_SYSTEM_NAME STREQUAL "Linux" AND CMAKE_HOST_SYSTEM_PROCESSOR MATCHES "x86_64|AMD64"
   AND KDC_HOST_CC)
    set(KDC_REPRODUCIBLE_RUN ${CMAKE_BINARY_DIR}/reproducible-run)
    add_custom_command(OUTPUT ${KDC_REPRODUCIBLE_RUN}
        COMMAND ${KDC_HOST_CC} -O2 -o ${KDC_REPRODUCIBLE_RUN} ${CMAKE_SOURCE_DIR}/tools/reproducible-run.c
        DEPENDS ${CMAKE_SOURCE_DIR}/tools/reproducible-run.c
        COMMENT "Building reproducible-run for the host")
    add_custom_target(reproducible_run DEPENDS ${KDC_REPRODUCIBLE_RUN})
    set(KDC_PINNED_RUN ${KDC_REPRODUCIBLE_RUN} @${KDC_SOURCE_DATE})
endif()
