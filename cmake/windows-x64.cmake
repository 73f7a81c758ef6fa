# Vendrix for 64-bit Windows: the MinGW-w64 cross compiler and the Qt for Windows that
# scripts/build-windows-qt keeps in its cache (VENDRIX_QT_WINDOWS names another one).
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)

if(DEFINED ENV{VENDRIX_QT_WINDOWS})
    set(vendrix_qt_windows $ENV{VENDRIX_QT_WINDOWS})
elseif(DEFINED ENV{VENDRIX_CACHE})
    set(vendrix_qt_windows $ENV{VENDRIX_CACHE}/qt-6.4.2-mingw-w64-x86_64-posix-gcc12)
else()
    set(vendrix_qt_windows $ENV{HOME}/.cache/vendrix/qt-6.4.2-mingw-w64-x86_64-posix-gcc12)
endif()
if(EXISTS ${vendrix_qt_windows}/lib/cmake/Qt6)
    list(PREPEND CMAKE_FIND_ROOT_PATH ${vendrix_qt_windows})
    list(PREPEND CMAKE_PREFIX_PATH ${vendrix_qt_windows})
    # Qt's build tools (moc, rcc, uic) are the host's, from the Linux Qt of the same version.
    set(QT_HOST_PATH /usr)
    set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)
endif()
