# Precompiled headers: what nearly every file of a layer includes is compiled once per build.
# The libraries have theirs; the test and benchmark programs of one folder share one, compiled
# by a donor target with the same flags, so each program compiles only its own lines. gcc uses a
# header only when it was made with the same options (-Winvalid-pch says so otherwise), and falls
# back on the text, so they never change what a file means, only how soon it is compiled.

set(QUADENA_PCH_CORE
    <QByteArray> <QDateTime> <QDir> <QFile> <QFileInfo> <QList> <QObject> <QString> <QStringList>
    <algorithm> <array> <chrono> <functional> <memory> <optional> <utility> <vector>)
set(QUADENA_PCH_UI ${QUADENA_PCH_CORE}
    <QAbstractButton> <QApplication> <QKeyEvent> <QLabel> <QLineEdit> <QMainWindow> <QMenuBar>
    <QPainter> <QPointer> <QPushButton> <QTimer> <QToolButton> <QWidget>)
set(QUADENA_PCH_TEST <QElapsedTimer> <QSignalSpy> <QTemporaryDir> <QTest> <QTextStream>)

option(QUADENA_PCH "Precompile the headers that most files include" ON)

# quadena_precompile(TARGET HEADERS...): TARGET's own precompiled header.
function(quadena_precompile target)
    if(QUADENA_PCH)
        target_precompile_headers(${target} PRIVATE ${ARGN})
        target_compile_options(${target} PRIVATE -Winvalid-pch)
    endif()
endfunction()

# quadena_pch_donor(NAME LIBRARIES... HEADERS ...): a target that only compiles the header
# for programs linking LIBRARIES, which then take it with quadena_pch_reuse.
function(quadena_pch_donor name)
    cmake_parse_arguments(D "" "" "LIBRARIES;HEADERS" ${ARGN})
    if(NOT QUADENA_PCH)
        return()
    endif()
    set(source ${CMAKE_CURRENT_BINARY_DIR}/${name}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// The precompiled header's donor.\n")
    add_library(${name} OBJECT ${source})
    target_link_libraries(${name} PRIVATE ${D_LIBRARIES})
    target_precompile_headers(${name} PRIVATE ${D_HEADERS})
    set_target_properties(${name} PROPERTIES AUTOMOC OFF)
endfunction()

# The program's moc file holds only what its own headers declare: reading the header would cost
# it more than it saves.
function(quadena_pch_reuse target donor)
    if(QUADENA_PCH)
        target_precompile_headers(${target} REUSE_FROM ${donor})
        target_compile_options(${target} PRIVATE -Winvalid-pch)
        set_source_files_properties(
            ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
            TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
    endif()
endfunction()
