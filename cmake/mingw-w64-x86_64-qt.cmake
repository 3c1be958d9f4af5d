# The MinGW-w64 cross build, with the Qt that scripts/build-qt-mingw.sh cross-built: its prefix
# comes from CRESTMAP_QT_MINGW (environment or cache); without one, only the core and
# crestmap-cli are built. Qt's own tools (moc, uic, rcc) are the build machine's.
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(DEFINED ENV{CRESTMAP_QT_MINGW} AND NOT "$ENV{CRESTMAP_QT_MINGW}" STREQUAL "")
    set(CRESTMAP_QT_MINGW "$ENV{CRESTMAP_QT_MINGW}" CACHE PATH "Qt cross-built for MinGW-w64")
endif()
if(CRESTMAP_QT_MINGW)
    list(APPEND CMAKE_FIND_ROOT_PATH "${CRESTMAP_QT_MINGW}")
    set(QT_HOST_PATH /usr CACHE PATH "")
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
    list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CRESTMAP_QT_MINGW)
endif()
