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

set(VELMORA_PCH_HEADERS
    <QApplication> <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QLabel>
    <QLineEdit> <QList> <QObject> <QPainter> <QPixmap> <QPointer> <QString> <QStringList> <QTemporaryDir>
    <QVariant> <QWidget>)

# The host target: one empty unit, so the precompiled header is built with
# exactly the flags of the targets that reuse it (the tests too: what they
# define beyond it, such as Qt Test's build folder, appears in none of these
# headers, so GCC accepts the header for them as well).
add_library(velmora_pch OBJECT "${CMAKE_CURRENT_LIST_DIR}/Precompiled.cpp")
target_link_libraries(velmora_pch PRIVATE Qt6::Widgets)
target_precompile_headers(velmora_pch PRIVATE ${VELMORA_PCH_HEADERS})

# Not for the programs whose only source is main(): on Windows a WIN32
# program is compiled with QT_NEEDS_QMAIN (Qt's entry point calls qMain),
# which the shared header was not, so GCC would set it aside with a warning.
function(velmora_use_pch target)
    target_precompile_headers(${target} REUSE_FROM velmora_pch)
endfunction()
