# Checks that the engine's folders include Qt headers only in their qt/
# backend folders, apart from the files listed in LEFT (one path a line,
# from the source root) that still wait to be moved off Qt. A file that
# starts to include Qt fails, and so does a listed file that no longer does,
# so that the list stays the truth.
# cmake -DROOT=<source root> -DLEFT=<list file> -P EngineQtIncludes.cmake
cmake_minimum_required(VERSION 3.25)
set(engine_folders model chart embedded platform runchart description figure)
set(including)
foreach(folder IN LISTS engine_folders)
    file(GLOB_RECURSE sources RELATIVE ${ROOT} ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(source IN LISTS sources)
        if(source MATCHES "(^|/)qt/")
            continue()
        endif()
        file(STRINGS ${ROOT}/${source} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*<Q")
        if(qt_includes)
            list(APPEND including ${source})
        endif()
    endforeach()
endforeach()
file(STRINGS ${LEFT} left)

set(failures)
foreach(source IN LISTS including)
    if(NOT source IN_LIST left)
        string(APPEND failures "\n  ${source} includes Qt outside a qt/ folder")
    endif()
endforeach()
foreach(source IN LISTS left)
    if(NOT source IN_LIST including)
        string(APPEND failures "\n  ${source} no longer includes Qt: take it off ${LEFT}")
    endif()
endforeach()
if(failures)
    message(FATAL_ERROR "The engine's Qt includes:${failures}")
endif()
list(LENGTH left count)
message(STATUS "Qt includes only in qt/ folders and in the ${count} files still listed")
