# The packages: cpack -G DEB on Linux; for Windows, in build-windows, cpack -G ZIP (unpack and
# run) and cpack -G NSIS (crestmap-<version>-setup.exe, from packaging/NSIS.template.in).
set(CPACK_PACKAGE_NAME crestmap)
set(CPACK_PACKAGE_VENDOR "The Crestmap developers")
set(CPACK_PACKAGE_CONTACT "The Crestmap developers <dev@crestmap.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")

if(WIN32)
    install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
    # Notepad before Windows 10 shows a text file without carriage returns as one line.
    configure_file(${PROJECT_SOURCE_DIR}/packaging/README.txt ${PROJECT_BINARY_DIR}/README.txt
        @ONLY NEWLINE_STYLE CRLF)
    install(FILES ${PROJECT_BINARY_DIR}/README.txt DESTINATION .)
    set(CPACK_GENERATOR ZIP)
    set(CPACK_MODULE_PATH ${PROJECT_SOURCE_DIR}/packaging)
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
    set(CPACK_CRESTMAP_ICON ${PROJECT_SOURCE_DIR}/app/icons/crestmap.ico)
    set(CPACK_CRESTMAP_SIDE_BITMAP ${PROJECT_SOURCE_DIR}/packaging/installer-side.bmp)
    set(CPACK_CRESTMAP_HEADER_BITMAP ${PROJECT_SOURCE_DIR}/packaging/installer-header.bmp)
    set(CPACK_CRESTMAP_LANGUAGES ${PROJECT_SOURCE_DIR}/packaging/installer-languages.nsh)
    # Empty until Crestmap has a page of its own: the uninstall entry then links to none.
    set(CPACK_CRESTMAP_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
    # The setup's Uninstall.exe, which waits for NSIS's uninstaller; not in the ZIP.
    add_executable(crestmap-uninstall packaging/uninstall.c)
    target_link_options(crestmap-uninstall PRIVATE
        -municode -mwindows -s ${CRESTMAP_STATIC_RUNTIME})
    set_target_properties(crestmap-uninstall PROPERTIES
        RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/packaging)
    set(CPACK_CRESTMAP_UNINSTALLER ${PROJECT_BINARY_DIR}/packaging/crestmap-uninstall.exe)
    # Each package's own file name and layout, chosen when cpack runs.
    set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/WindowsPackages.cmake)
    include(CPack)
    return()
endif()

# The .deb: lintian finds no error or warning in it (scripts/test.sh runs it).
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
# Lines of at most 80 characters, as dpkg shows them; CPack turns the empty line into " .".
string(JOIN "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Crestmap writes config.xml, the mapping file with which a game's resource"
    "manager takes a folder of images in as pictures: logos, icons, logo"
    "backgrounds, portraits, kits and backgrounds. The file is written beside the"
    "images, whole or not at all."
    ""
    "This package holds the window, crestmap, which also opens a folder from a file"
    "manager's Open With menu, and the command-line tool, crestmap-cli, for scripts"
    "and large packs.")
set(CPACK_STRIP_FILES ON)
# Qt loads its SVG icon engine as a plug-in, and its own translations as data, which no library
# scan can find.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6svg6, qt6-translations-l10n")
find_program(DPKG_SHLIBDEPS dpkg-shlibdeps)
if(DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
    string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS
        ", libqt6widgets6 (>= 6.2), libqt6gui6 (>= 6.2), libqt6core6 (>= 6.2)")
endif()

# A native package's changelog, in Debian's format; its newest entry must be this version.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/changelog newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^crestmap \\(${PROJECT_VERSION}\\) ")
    message(FATAL_ERROR "packaging/changelog has no entry for ${PROJECT_VERSION} at its top")
endif()
crestmap_install_compressed(packaging/changelog ${CMAKE_INSTALL_DATADIR}/doc/crestmap)
install(FILES LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/crestmap RENAME copyright)
include(CPack)
