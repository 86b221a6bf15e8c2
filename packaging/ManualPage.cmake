# kyvadlo_add_manual_page(<page.1>): the manual page with the build's version
# (@PROJECT_VERSION@) and date (@KYVADLO_SOURCE_DATE@) filled in, compressed
# as manual pages are kept, built with everything and installed in man1.
find_program(GZIP gzip REQUIRED)

function(kyvadlo_add_manual_page source)
    get_filename_component(page ${source} NAME)
    set(configured ${CMAKE_CURRENT_BINARY_DIR}/${page})
    configure_file(${source} ${configured} @ONLY)
    add_custom_command(OUTPUT ${configured}.gz
        COMMAND ${GZIP} -9 --no-name --stdout ${configured} > ${configured}.gz
        DEPENDS ${configured}
        COMMENT "Compressing the manual page ${page}"
        VERBATIM)
    string(MAKE_C_IDENTIFIER "kyvadlo_manual_page_${page}" target)
    add_custom_target(${target} ALL DEPENDS ${configured}.gz)
    install(FILES ${configured}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
