# Two things that shorten builds without changing what is built: a compiler
# cache when one is installed, and the Qt headers most units use precompiled
# once and reused by the libraries and tests.

# Every rebuild takes what an earlier one compiled. Without pch_defines and
# time_macros ccache refuses every unit that uses the precompiled header; the
# base folder makes the absolute paths into the build folder (generated
# headers, the precompiled header) relative, so that with GCC another build
# folder in the tree hits the same entries (clang writes the build folder
# into its precompiled header, so there only the units without one do). The
# variables are set through the system's small env program where there is
# one: CMake's own `-E env` costs about 15 ms a unit to start, a tenth of
# what clang takes for the smallest ones. A launcher given on the command
# line (-DCMAKE_CXX_COMPILER_LAUNCHER=...) is kept.
find_program(VELMORA_CCACHE ccache)
find_program(VELMORA_ENV env)
if(VELMORA_CCACHE AND NOT DEFINED CMAKE_CXX_COMPILER_LAUNCHER)
    if(VELMORA_ENV)
        set(_velmora_env "${VELMORA_ENV}")
    else()
        set(_velmora_env "${CMAKE_COMMAND}" -E env)
    endif()
    set(CMAKE_CXX_COMPILER_LAUNCHER ${_velmora_env}
        CCACHE_SLOPPINESS=pch_defines,time_macros "CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}" "${VELMORA_CCACHE}")
endif()

# clang stamps a precompiled header with the time it was built, and ccache
# hashes the header into every unit that uses it: without the stamp, a header
# rebuilt from unchanged sources leaves those units' cache entries valid.
if(VELMORA_CCACHE AND CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    add_compile_options("SHELL:-Xclang -fno-pch-timestamp")
endif()

# Automatic moc would first ask the compiler for its predefined macros, one
# compiler run per target; no header of ours that declares a QObject class
# depends on them.
set(CMAKE_AUTOMOC_COMPILER_PREDEFINES OFF)
# A target's moc and uic read only its own sources, none of them made by
# another target, so they need not wait until the libraries it links are
# built: the window's units and main() start while the last libraries build.
set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)

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
    <QApplication> <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QFuture> <QFutureWatcher>
    <QHash> <QImage> <QLabel> <QLineEdit> <QList> <QListWidget> <QObject> <QPainter> <QPixmap> <QPointer>
    <QPromise> <QString> <QStringList> <QTemporaryDir> <QThread> <QVariant> <QWidget>)

add_library(velmora_pch_gui OBJECT "${CMAKE_CURRENT_LIST_DIR}/Precompiled.cpp")
target_link_libraries(velmora_pch_gui PRIVATE Qt6::Gui)
target_precompile_headers(velmora_pch_gui PRIVATE
    <QByteArray> <QDir> <QFileInfo> <QFuture> <QFutureWatcher> <QHash> <QImage> <QPainter> <QPainterPath>
    <QPromise> <QSettings> <QString> <QStringList> <QThread> <QTransform>)

# A target that declares no QObject class has an empty generated moc unit:
# loading the header would be its whole cost.
function(velmora_skip_pch_in_moc_unit target)
    get_target_property(binary_dir ${target} BINARY_DIR)
    set_source_files_properties("${binary_dir}/${target}_autogen/mocs_compilation.cpp"
        TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()

# velmora_use_pch(target [GUI] [NO_MOC]): GUI for a target that links no
# widgets; NO_MOC for one that declares no QObject class.
# The Windows programs whose only source is main() go without: a WIN32
# program is compiled with QT_NEEDS_QMAIN (Qt's entry point calls qMain),
# which the shared header was not, so GCC would set it aside with a warning.
function(velmora_use_pch target)
    if("GUI" IN_LIST ARGN)
        target_precompile_headers(${target} REUSE_FROM velmora_pch_gui)
    else()
        target_precompile_headers(${target} REUSE_FROM velmora_pch)
    endif()
    if("NO_MOC" IN_LIST ARGN)
        velmora_skip_pch_in_moc_unit(${target})
    endif()
endfunction()

# The hosts declare no QObject class either.
velmora_skip_pch_in_moc_unit(velmora_pch)
velmora_skip_pch_in_moc_unit(velmora_pch_gui)
