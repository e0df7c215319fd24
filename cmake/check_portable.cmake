# Fails when an include points the wrong way. The layers, bottom to top:
#   platform/                      the OS wrappers
#   widgets/, shared/              the skinned controls, the process-wide state
#   scan/, settings/, otherclean/  the pages and what they are made of
#   app/                           the shell and the start-up, which include the pages
# Rules:
#   - nothing outside app/ includes an app/ header;
#   - platform/ includes only platform/ headers;
#   - widgets/ and shared/ include only each other and platform/;
#   - a portable core/ file includes no Windows header and, of the program's own headers, only core/ ones
#     (every other header of the program may bring <windows.h> with it).
# usage: cmake -DROOT=<source folder> -P check_portable.cmake
if(NOT ROOT)
    message(FATAL_ERROR "ROOT is not set")
endif()
set(windows_header "^(windows|win[a-z0-9]*|shl[a-z]*|shellapi|commctrl|commdlg|objbase|ole[a-z0-9]*|unknwn|tchar)\\.h$")
set(faults "")
file(GLOB_RECURSE files ${ROOT}/src/*.cpp ${ROOT}/src/*.h)
list(SORT files)
foreach(f ${files})
    file(RELATIVE_PATH rel ${ROOT}/src ${f})
    string(REGEX MATCH "^[^/]+" folder ${rel})
    file(STRINGS ${f} lines REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${lines})
        string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]+)[>\"].*$" "\\1" header "${line}")
        string(REGEX MATCH "^[ \t]*#[ \t]*include[ \t]*<" angle "${line}")
        string(TOLOWER "${header}" lower)
        if(angle)
            if(rel MATCHES "/core/" AND lower MATCHES "${windows_header}")
                list(APPEND faults "${rel}: the portable core includes <${header}>")
            endif()
            continue()
        endif()
        if(header MATCHES "^app/" AND NOT folder STREQUAL "app")
            list(APPEND faults "${rel}: includes the shell's header \"${header}\" (app/ is the top layer)")
        elseif(folder STREQUAL "platform" AND NOT header MATCHES "^platform/")
            list(APPEND faults "${rel}: the OS layer includes \"${header}\", which sits above it")
        elseif(folder MATCHES "^(platform|widgets|shared)$" AND NOT header MATCHES "^(platform|widgets|shared)/")
            list(APPEND faults "${rel}: the bottom layer includes \"${header}\"")
        elseif(rel MATCHES "/core/" AND NOT header MATCHES "^[^/]+/core/")
            list(APPEND faults "${rel}: the portable core includes \"${header}\", which is not part of the core")
        endif()
    endforeach()
endforeach()
if(faults)
    list(JOIN faults "\n  " text)
    message(FATAL_ERROR "Includes that point the wrong way:\n  ${text}")
endif()
list(LENGTH files count)
message(STATUS "Include layers: ${count} files checked, all point one way")
