# What keeps a first build short: each library compiles as one unit (its files
# share the Qt headers they all include), and the Qt headers most units use
# are precompiled once, then reused by every library, program and test instead
# of being parsed again in each unit.
set(CMAKE_UNITY_BUILD ON)
set(CMAKE_UNITY_BUILD_BATCH_SIZE 16)
# A library's objects need only the headers of the ones below it, not their
# archives: let them compile side by side.
set(CMAKE_OPTIMIZE_DEPENDENCIES ON)
# By default a library's moc step waits for every library it links, which
# chains the libraries one after another although no moc run reads another
# library's generated files.
set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)
# Each class's moc output is included at the end of its own source file
# (#include "moc_X.cpp"), so it compiles inside its library's unit, where the
# headers are already parsed, instead of in a unit of its own.

# -O2, as distributions build: -O3 costs a tenth more compiling, and nothing
# here spends its time in our own loops.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
# GCC collects its garbage as soon as its heap grows by a third; at Qt's header
# sizes that is up to a tenth of a unit's compile time. A larger heap (about 40 MB
# more per compiler) collects less often.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    add_compile_options(--param=ggc-min-expand=200 --param=ggc-min-heapsize=262144)
endif()

set(VELMORA_PCH_HEADERS
    <QApplication> <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QImage> <QLabel>
    <QLineEdit> <QList> <QObject> <QPainter> <QPixmap> <QPointer> <QString> <QStringList> <QTemporaryDir>
    <QVariant> <QWidget>)

# The host target: one empty unit, so the precompiled header is built with
# exactly the flags of the targets that reuse it (the tests too: what they
# define beyond it, such as Qt Test's build folder, appears in none of these
# headers, so GCC accepts the header for them as well).
add_library(velmora_pch OBJECT "${CMAKE_CURRENT_LIST_DIR}/Precompiled.cpp")
set_target_properties(velmora_pch PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
target_link_libraries(velmora_pch PRIVATE Qt6::Widgets)
target_precompile_headers(velmora_pch PRIVATE ${VELMORA_PCH_HEADERS})

function(velmora_use_pch target)
    target_precompile_headers(${target} REUSE_FROM velmora_pch)
    # With the moc output included by the sources, this generated unit is
    # empty; loading the precompiled header would be its whole cost.
    get_target_property(binary_dir ${target} BINARY_DIR)
    set_source_files_properties("${binary_dir}/${target}_autogen/mocs_compilation.cpp"
        PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
