# Two things that shorten builds without changing what is built: a compiler
# cache when one is installed, and the Qt headers most units use precompiled
# once and reused by the libraries and tests.

# Every rebuild, a fresh build folder included, takes what an earlier one
# compiled. Without pch_defines and time_macros ccache refuses every unit that
# uses the precompiled header; the base folder makes the absolute paths into
# the build folder (generated headers, the precompiled header) relative, so
# that another build folder in the tree hits the same entries. A launcher
# given on the command line (-DCMAKE_CXX_COMPILER_LAUNCHER=...) is kept.
find_program(VELMORA_CCACHE ccache)
if(VELMORA_CCACHE AND NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER "${CMAKE_COMMAND}" -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros "CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}" "${VELMORA_CCACHE}")
endif()

# A library's objects need only the headers of the ones below it, not their
# archives: let them compile side by side.
set(CMAKE_OPTIMIZE_DEPENDENCIES ON)

# Two precompiled headers, each built once in a host target of its own (one
# empty unit, so the header is built with exactly the flags of the targets
# that reuse it; the tests' extra defines, such as Qt Test's build folder,
# appear in none of these headers, so GCC accepts it for them as well):
# - velmora_pch, the widget headers, for everything that links Qt Widgets;
# - velmora_pch_gui, Qt Core and Gui only, for the foundation and the card
#   renderer, which link no widgets and whose units parse little else.
add_library(velmora_pch OBJECT "${CMAKE_CURRENT_LIST_DIR}/Precompiled.cpp")
target_link_libraries(velmora_pch PRIVATE Qt6::Widgets)
target_precompile_headers(velmora_pch PRIVATE
    <QApplication> <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QLabel>
    <QLineEdit> <QList> <QObject> <QPainter> <QPixmap> <QPointer> <QString> <QStringList> <QTemporaryDir>
    <QVariant> <QWidget>)

add_library(velmora_pch_gui OBJECT "${CMAKE_CURRENT_LIST_DIR}/Precompiled.cpp")
target_link_libraries(velmora_pch_gui PRIVATE Qt6::Gui)
target_precompile_headers(velmora_pch_gui PRIVATE
    <QByteArray> <QDir> <QFileInfo> <QHash> <QImage> <QPainter> <QPainterPath> <QSettings> <QString>
    <QStringList> <QTransform>)

# velmora_use_pch(target [GUI]): GUI for a target that links no widgets.
# Not for the programs whose only source is main(): on Windows a WIN32
# program is compiled with QT_NEEDS_QMAIN (Qt's entry point calls qMain),
# which the shared header was not, so GCC would set it aside with a warning.
function(velmora_use_pch target)
    if("GUI" IN_LIST ARGN)
        target_precompile_headers(${target} REUSE_FROM velmora_pch_gui)
    else()
        target_precompile_headers(${target} REUSE_FROM velmora_pch)
    endif()
endfunction()
