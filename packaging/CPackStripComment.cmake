# Run by cpack on the staged files, before it packs them: the programs, which
# the install has stripped, also lose their .comment section (the compilers'
# version strings), which nothing reads at run time.
if(CPACK_OBJCOPY_EXECUTABLE)
    set(objcopy ${CPACK_OBJCOPY_EXECUTABLE})
else()
    find_program(objcopy objcopy REQUIRED)
endif()
file(GLOB_RECURSE staged_files LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}/*")
foreach(file IN LISTS staged_files)
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(COMMAND ${objcopy} --remove-section=.comment ${file} COMMAND_ERROR_IS_FATAL ANY)
    endif()
endforeach()
