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

# moc and uic for the program's libraries, run on their own files alone.
# Given the Qt include folders, as the automatic moc step gives it, moc follows
# every Qt header a class includes, about 150 ms a header, to learn nothing it
# needs: it knows Qt's macros itself, and these headers test no condition (a
# header that did would need the folders back). The output is the same.
# The commands belong to a target of their own: commands of the library itself
# would wait until every library it links is built, and the generated files
# hold up nothing else. Each moc_X.cpp is included by its class's source.
function(velmora_generate target)
    cmake_parse_arguments(ARG "" "" "MOC;UI" ${ARGN})
    set(folder "${CMAKE_CURRENT_BINARY_DIR}/${target}_generated")
    # Ninja makes an output's folder itself; make does not.
    file(MAKE_DIRECTORY "${folder}")
    set(outputs)
    foreach(header IN LISTS ARG_MOC)
        get_filename_component(name "${header}" NAME_WE)
        set(output "${folder}/moc_${name}.cpp")
        add_custom_command(OUTPUT "${output}"
            COMMAND Qt6::moc "${CMAKE_CURRENT_SOURCE_DIR}/${header}" -o "${output}"
            DEPENDS "${header}" Qt6::moc
            COMMENT "moc ${header}"
            VERBATIM)
        list(APPEND outputs "${output}")
    endforeach()
    foreach(form IN LISTS ARG_UI)
        get_filename_component(name "${form}" NAME_WE)
        set(output "${folder}/ui_${name}.h")
        add_custom_command(OUTPUT "${output}"
            COMMAND Qt6::uic "${CMAKE_CURRENT_SOURCE_DIR}/${form}" -o "${output}"
            DEPENDS "${form}" Qt6::uic
            COMMENT "uic ${form}"
            VERBATIM)
        list(APPEND outputs "${output}")
    endforeach()
    add_custom_target(${target}_generated DEPENDS ${outputs})
    add_dependencies(${target} ${target}_generated)
    target_include_directories(${target} PRIVATE "${folder}")
endfunction()

# -O2, as distributions build: -O3 costs a tenth more compiling, and nothing
# here spends its time in our own loops.
string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
# -O1 for the libraries whose time goes to Qt's painting and to the disk
# (the foundation, the card renderer, the export): a quarter less compile time,
# with no difference in what they take to run.
function(velmora_optimize_lightly target)
    target_compile_options(${target} PRIVATE $<$<CONFIG:Release>:-O1>)
endfunction()
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
target_link_libraries(velmora_pch PRIVATE Qt6::Widgets)
target_precompile_headers(velmora_pch PRIVATE ${VELMORA_PCH_HEADERS})

function(velmora_use_pch target)
    target_precompile_headers(${target} REUSE_FROM velmora_pch)
    # A test's generated moc unit is empty (its class's moc output is included
    # by its source); loading the precompiled header would be its whole cost.
    get_target_property(binary_dir ${target} BINARY_DIR)
    set_source_files_properties("${binary_dir}/${target}_autogen/mocs_compilation.cpp"
        PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
