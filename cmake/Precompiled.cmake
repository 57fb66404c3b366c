# Precompiled headers (GW_PCH): the headers that nearly every file of a group includes are parsed
# once per build folder instead of once per file. Only headers from outside the project go in, so
# that editing a header of ours rebuilds what includes it and nothing more; a build with
# -DGW_PCH=OFF still checks that every file includes what it uses.

# What the unit tests include everywhere: GoogleTest and the standard library's containers.
set(GW_PCH_TEST_HEADERS
    <gtest/gtest.h> <algorithm> <cstdint> <cstdlib> <cstring> <filesystem> <fstream> <functional>
    <map> <memory> <optional> <random> <set> <sstream> <string> <vector>)

# What the Qt window and its views include: the widgets, the painter and the standard containers.
set(GW_PCH_QT_HEADERS
    <QApplication> <QButtonGroup> <QCheckBox> <QComboBox> <QDialog> <QFont> <QFontMetrics>
    <QGridLayout> <QHBoxLayout> <QImage> <QKeyEvent> <QLabel> <QLineEdit> <QMainWindow>
    <QMouseEvent> <QPainter> <QPushButton> <QRadioButton> <QScreen> <QScrollBar> <QString>
    <QTimer> <QVBoxLayout> <QWidget>
    <algorithm> <array> <cmath> <functional> <memory> <string> <vector>)

# The tests of the Qt window take both, and QTest.
set(GW_PCH_QT_TEST_HEADERS ${GW_PCH_TEST_HEADERS} ${GW_PCH_QT_HEADERS} <QMessageBox> <QTest>)

# Gives `target` its own precompiled `headers` (a list variable's name).
function(gw_precompile target headers)
  if(GW_PCH)
    target_precompile_headers(${target} PRIVATE ${${headers}})
  endif()
endfunction()

# Lets each of the targets after the first use the first one's precompiled headers: they must be
# compiled with the same options.
function(gw_reuse_precompiled from)
  if(GW_PCH)
    foreach(target IN LISTS ARGN)
      target_precompile_headers(${target} REUSE_FROM ${from})
    endforeach()
  endif()
endfunction()

