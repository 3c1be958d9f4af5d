# Installs a file gzipped as Debian's policy asks of manual pages and changelogs: gzip -9n, so
# that the same file always gives the same bytes. Target package-files makes them all.
function(crestmap_install_compressed file destination)
    get_filename_component(name ${file} NAME)
    set(compressed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
    add_custom_command(OUTPUT ${compressed}
        COMMAND gzip -9n -c ${CMAKE_CURRENT_SOURCE_DIR}/${file} > ${compressed}
        DEPENDS ${file} VERBATIM)
    add_custom_target(compressed-${name} ALL DEPENDS ${compressed})
    if(NOT TARGET package-files)
        add_custom_target(package-files)
    endif()
    add_dependencies(package-files compressed-${name})
    install(FILES ${compressed} DESTINATION ${destination})
endfunction()
