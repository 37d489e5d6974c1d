# Precompiled headers (-DCORVANE_PCH=ON): the Qt, standard and GoogleTest headers most files use,
# parsed once per library or test program instead of once per file. Only headers from outside the
# project go in, so editing a source never rebuilds them. A precompiled header is included into
# every file, so it hides a missing #include: the builds without it (a developer's default, the fuzz
# build and the package build) still catch those.
#
# A header is only used with the compile flags it was made with, so each target with many files
# makes its own, and only targets whose flags come from the same libraries share one. One the
# compiler can't use is a warning (never an error): the build is only slower.

set(CORVANE_PCH_CORE
  <QByteArray> <QCoreApplication> <QDateTime> <QDebug> <QDir> <QFile> <QFileInfo> <QHash> <QList>
  <QMap> <QObject> <QPointer> <QProcess> <QSet> <QString> <QStringList> <QTimer> <QUrl> <QVariant>
  <algorithm> <functional> <memory> <optional> <vector>)
set(CORVANE_PCH_WIDGETS
  <QAction> <QApplication> <QHBoxLayout> <QLabel> <QMenu> <QPainter> <QPixmap> <QPushButton>
  <QTableView> <QVBoxLayout> <QWidget>)

function(corvane_pch target)
  target_precompile_headers(${target} PRIVATE ${ARGN})
  target_compile_options(${target} PRIVATE -Winvalid-pch -Wno-error=invalid-pch)
endfunction()
# The targets named reuse the header of `from`, where they exist.
function(corvane_reuse_pch from)
  foreach(target ${ARGN})
    if(TARGET ${target})
      target_precompile_headers(${target} REUSE_FROM ${from})
      target_compile_options(${target} PRIVATE -Winvalid-pch -Wno-error=invalid-pch)
    endif()
  endforeach()
endfunction()

# The core links libraries of its own privately (their flags differ), so what links the core
# shares corvane-cli's header instead.
corvane_pch(corvane_core ${CORVANE_PCH_CORE})
corvane_pch(corvane-cli ${CORVANE_PCH_CORE})
corvane_reuse_pch(corvane-cli corvane_tolvik)
if(TARGET corvane_ui)
  corvane_pch(corvane_ui ${CORVANE_PCH_CORE} ${CORVANE_PCH_WIDGETS})
endif()
# Programs of one or two files (Corvane, Tolvik, the tools, the fuzz replays) would spend more on a
# header of their own than they save.

# Called at the end of tests/CMakeLists.txt. A header is refused where a macro it was made with is
# missing or different (each test program defines paths of its own, and QtTest the folder of the
# target), so the test programs share headers made in their folder by targets that have only the
# flags their libraries bring: one empty file each, never linked.
function(corvane_tests_pch)
  corvane_reuse_pch(corvane-cli corvane_testsupport)
  foreach(kind tests ui_tests)
    set(owner corvane_${kind}_pch)
    file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${owner}.cpp "// The shared precompiled header's own file.\n")
    add_library(${owner} OBJECT EXCLUDE_FROM_ALL ${CMAKE_CURRENT_BINARY_DIR}/${owner}.cpp)
    set_target_properties(${owner} PROPERTIES AUTOMOC OFF)
  endforeach()
  target_link_libraries(corvane_tests_pch PRIVATE corvane_testsupport GTest::gtest)
  corvane_pch(corvane_tests_pch ${CORVANE_PCH_CORE} <gtest/gtest.h>)
  corvane_reuse_pch(corvane_tests_pch corvane_core_tests corvane_cookie_tests corvane_tolvik_tests
                    corvane_fault_tests)
  if(TARGET corvane_ui_tests)
    target_link_libraries(corvane_ui_tests_pch PRIVATE corvane_ui corvane_testsupport GTest::gtest Qt6::Test)
    corvane_pch(corvane_ui_tests_pch ${CORVANE_PCH_CORE} ${CORVANE_PCH_WIDGETS} <gtest/gtest.h> <QSignalSpy>
                <QTest>)
    corvane_reuse_pch(corvane_ui_tests_pch corvane_ui_tests corvane_cookie_ui_tests)
  endif()
endfunction()
