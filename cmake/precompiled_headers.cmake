# Precompiled headers: the headers that most files of one kind include (Qt
# Widgets in the window, GoogleTest in the tests, the JSON library in orvctl,
# with the standard library) are parsed once per kind instead of once per
# file. Parsing them was most of the compile time of a small file: about 5 s
# of CPU for GoogleTest with GoogleMock, and as much for the JSON library.
# The core's modules, which include little, compile without.
#
# A target either precompiles its own set or reuses the set of a target built
# with the same flags (REUSE). With ORV_PCH=OFF every file still compiles on
# its own includes.
option(ORV_PCH "Precompile the headers most files include" ON)

set(ORV_PCH_STANDARD <algorithm> <array> <chrono> <cstdint> <cstdio> <cstring> <functional> <map> <memory>
                     <optional> <set> <sstream> <string> <string_view> <utility> <vector>)
set(ORV_PCH_TESTS ${ORV_PCH_STANDARD} <filesystem> <thread> <gtest/gtest.h> <gmock/gmock.h>)
set(ORV_PCH_WIDGETS ${ORV_PCH_STANDARD} <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox>
                    <QGridLayout> <QGroupBox> <QHBoxLayout> <QLabel> <QLineEdit> <QPushButton> <QString>
                    <QVBoxLayout> <QWidget>)

function(orv_precompile target)
  cmake_parse_arguments(P "" "REUSE" "HEADERS" ${ARGN})
  # The sanitizer and fuzz builds keep plain includes: their compile times
  # were not measured with precompiled headers.
  if(NOT ORV_PCH OR ORV_SANITIZE OR ORV_FUZZ)
    return()
  endif()
  # GCC 12 loses the system-header status of libstdc++ when it comes from a
  # precompiled header, and then reports its flow analysis' false positives
  # in the inlined string copies (the same ones the Release build turns off).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-restrict -Wno-stringop-overflow)
  endif()
  if(P_REUSE)
    target_precompile_headers(${target} REUSE_FROM ${P_REUSE})
  else()
    target_precompile_headers(${target} PRIVATE ${P_HEADERS})
  endif()
endfunction()
