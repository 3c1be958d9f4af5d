# What crestmap.exe needs beside it on a Windows machine with nothing installed: the Qt
# libraries and plug-ins it loads, the MinGW-w64 runtime they were built with, and the notices
# that shipping Qt's libraries asks for (its LGPL-3.0 text, the GPL-3.0 text it builds on, how
# it was built, and the notices of the libraries built into it).
set(qt ${CRESTMAP_QT_MINGW})
install(FILES ${qt}/bin/Qt6Core.dll ${qt}/bin/Qt6Gui.dll ${qt}/bin/Qt6Widgets.dll DESTINATION .)
install(FILES ${qt}/plugins/platforms/qwindows.dll DESTINATION platforms)
install(FILES ${qt}/plugins/imageformats/qjpeg.dll DESTINATION imageformats)
install(FILES ${qt}/plugins/styles/qwindowsvistastyle.dll DESTINATION styles)
# Qt's own texts (its dialogs' buttons) in the installer's languages. Qt's base sources hold no
# translations: these are Debian's, of the same Qt version.
set(CRESTMAP_QT_TRANSLATIONS /usr/share/qt6/translations CACHE PATH
    "Where Qt's qtbase_*.qm catalogues are (Debian: qt6-translations-l10n)")
foreach(language ${CRESTMAP_WINDOW_LANGUAGES})
    set(catalogue ${CRESTMAP_QT_TRANSLATIONS}/qtbase_${language}.qm)
    if(NOT EXISTS ${catalogue})
        message(FATAL_ERROR "No ${catalogue}: install qt6-translations-l10n")
    endif()
    install(FILES ${catalogue} DESTINATION translations)
endforeach()
install(FILES ${qt}/LGPL-3.0.txt DESTINATION . RENAME Qt-LGPL-3.0.txt)
install(FILES ${qt}/BUILD-NOTE.txt DESTINATION . RENAME Qt-build.txt)

if(NOT EXISTS ${qt}/licences/.complete)
    message(FATAL_ERROR "${qt} holds no licence texts yet: scripts/build-qt-mingw.sh adds them")
endif()
install(FILES ${qt}/licences/GPL-3.0.txt DESTINATION .)
include(${PROJECT_SOURCE_DIR}/cmake/QtNotices.cmake)
crestmap_qt_notices(${qt}/licences ${PROJECT_BINARY_DIR}/Qt-third-party-notices.txt)
install(FILES ${PROJECT_BINARY_DIR}/Qt-third-party-notices.txt DESTINATION .)

# The compiler's own runtime libraries, wherever this MinGW-w64 keeps them.
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libstdc++-6.dll
                OUTPUT_VARIABLE libstdcxx OUTPUT_STRIP_TRAILING_WHITESPACE)
execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libgcc_s_seh-1.dll
                OUTPUT_VARIABLE libgcc OUTPUT_STRIP_TRAILING_WHITESPACE)
find_file(CRESTMAP_WINPTHREAD libwinpthread-1.dll
          PATHS /usr/x86_64-w64-mingw32/lib /usr/x86_64-w64-mingw32/bin NO_CMAKE_FIND_ROOT_PATH)
install(FILES ${libstdcxx} ${libgcc} ${CRESTMAP_WINPTHREAD} DESTINATION .)

# Debugging symbols are most of the runtime's size and none of a user's use.
install(CODE "
    file(GLOB_RECURSE binaries \"\${CMAKE_INSTALL_PREFIX}/*.dll\" \"\${CMAKE_INSTALL_PREFIX}/*.exe\")
    execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \${binaries} COMMAND_ERROR_IS_FATAL ANY)
")
