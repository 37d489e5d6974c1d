# Precompiled headers (-DCORVANE_PCH=ON): the Qt, standard and GoogleTest headers most files use,
# parsed once per kind of target instead of once per file. Only headers from outside the project go
# in, so editing a source never rebuilds them. A precompiled header is included into every file, so
# it hides a missing #include: the builds without it (a developer's default, the fuzz build and the
# package build of scripts/package-check.sh) still catch those.
#
# One header is made for each set of compile flags, and targets with the same flags reuse it:
# the core and what links only the core, the widgets and what links them, and the tests on each.

set(CORVANE_PCH_CORE
  <QByteArray> <QCoreApplication> <QDateTime> <QDebug> <QDir> <QFile> <QFileInfo> <QHash> <QList>
  <QMap> <QObject> <QPointer> <QProcess> <QSet> <QString> <QStringList> <QTimer> <QUrl> <QVariant>
  <algorithm> <functional> <memory> <optional> <vector>)
set(CORVANE_PCH_WIDGETS
  <QAction> <QApplication> <QHBoxLayout> <QLabel> <QMenu> <QPainter> <QPixmap> <QPushButton>
  <QTableView> <QVBoxLayout> <QWidget>)

# `target` reuses the header of `from`, where both exist.
function(corvane_reuse_pch from)
  foreach(target ${ARGN})
    if(TARGET ${target})
      target_precompile_headers(${target} REUSE_FROM ${from})
    endif()
  endforeach()
endfunction()

target_precompile_headers(corvane_core PRIVATE ${CORVANE_PCH_CORE})
corvane_reuse_pch(corvane_core corvane-cli corvane_tolvik)
if(TARGET corvane_ui)
  target_precompile_headers(corvane_ui PRIVATE ${CORVANE_PCH_CORE} ${CORVANE_PCH_WIDGETS})
  corvane_reuse_pch(corvane_ui Corvane Tolvik)
endif()

if(TARGET corvane_core_tests)
  corvane_reuse_pch(corvane_core corvane_testsupport corvane-sandbox corvane-texts corvane-fuzz-seeds
                    corvane-version-server)
  target_precompile_headers(corvane_core_tests PRIVATE ${CORVANE_PCH_CORE} <gtest/gtest.h>)
  corvane_reuse_pch(corvane_core_tests corvane_cookie_tests corvane_tolvik_tests corvane_fault_tests)
  if(TARGET corvane_ui_tests)
    target_precompile_headers(corvane_ui_tests PRIVATE
      ${CORVANE_PCH_CORE} ${CORVANE_PCH_WIDGETS} <gtest/gtest.h> <QSignalSpy> <QTest>)
    corvane_reuse_pch(corvane_ui_tests corvane_cookie_ui_tests)
  endif()
endif()

# The fuzz targets' replays (tests/CMakeLists.txt) link the core alone.
file(GLOB corpora LIST_DIRECTORIES true RELATIVE ${PROJECT_SOURCE_DIR}/fuzz/corpus ${PROJECT_SOURCE_DIR}/fuzz/corpus/*)
list(TRANSFORM corpora PREPEND fuzz_replay_)
corvane_reuse_pch(corvane_core ${corpora})
