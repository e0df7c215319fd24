# Writes the instant that dates the release files into OUT when it differs from what OUT holds, so that
# what depends on OUT is made again after a new commit and only then. The instant is SOURCE_DATE_EPOCH
# when set, otherwise the time of the last commit.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(epoch $ENV{SOURCE_DATE_EPOCH})
else()
    execute_process(COMMAND git -C ${ROOT} log -1 --format=%ct
        OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed ERROR_QUIET)
    if(failed)
        message(FATAL_ERROR "Not a git checkout: set SOURCE_DATE_EPOCH to date the release files")
    endif()
endif()
if(NOT epoch MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: '${epoch}'")
endif()
set(old "")
if(EXISTS ${OUT})
    file(READ ${OUT} old)
endif()
if(NOT old STREQUAL epoch)
    file(WRITE ${OUT} ${epoch})
endif()
