# Fails the build when a portable core source includes a Windows header.
file(GLOB_RECURSE files ${ROOT}/src/*/core/*.cpp ${ROOT}/src/*/core/*.h)
foreach(f ${files})
    file(STRINGS ${f} hits REGEX "#[ \t]*include[ \t]*[<\"](windows|winbase|winuser|shlobj|shellapi|wininet|commctrl|objbase|platform/)")
    if(hits)
        message(FATAL_ERROR "${f} is part of the portable core but includes: ${hits}")
    endif()
endforeach()
