# SPDX-FileCopyrightText: 2026 Selvane
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks what the build cannot generate: the Debian changelog's newest entry names the project's
# version, and the pre-rendered pictures have the sizes the program and the package take them at.
# Run as: cmake -DSOURCE_DIR=<repo> -DVERSION=<project version> -P check_metadata.cmake
foreach(var SOURCE_DIR VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

set(failures)
file(STRINGS "${SOURCE_DIR}/packaging/changelog.Debian" newest LIMIT_COUNT 1)
if(NOT newest MATCHES "^orbis-tessary \\(([^)]*)\\) " OR NOT CMAKE_MATCH_1 STREQUAL VERSION)
  list(APPEND failures "packaging/changelog.Debian: the newest entry is not version ${VERSION}: ${newest}")
endif()

# Pre-rendered pictures: a PNG's width and height are the big-endian words at bytes 16 and 20.
set(pictures)
foreach(size 16 24 32 48 64 128 256)
  list(APPEND pictures "icons/program/${size}.png|${size}")
endforeach()
foreach(name rising-sign descendant midheaven)
  list(APPEND pictures "icons/options/${name}.png|34" "icons/options/${name}@2x.png|68")
endforeach()
foreach(n RANGE 1 12)
  list(APPEND pictures "signs/${n}.png|200")
endforeach()
list(APPEND pictures "icons/menu-overflow.png|16" "icons/menu-overflow@2x.png|32"
     "cursors/link.png|32" "cursors/link@2x.png|64")
foreach(pair IN LISTS pictures)
  string(REPLACE "|" ";" pair "${pair}")
  list(GET pair 0 file)
  list(GET pair 1 size)
  set(png "${SOURCE_DIR}/resources/${file}")
  if(NOT EXISTS "${png}")
    list(APPEND failures "${png}: missing")
    continue()
  endif()
  file(READ "${png}" header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 0 16 signature)
  string(SUBSTRING "${header}" 32 8 width)
  string(SUBSTRING "${header}" 40 8 height)
  math(EXPR width "0x${width}")
  math(EXPR height "0x${height}")
  if(NOT signature STREQUAL "89504e470d0a1a0a" OR NOT width EQUAL size OR NOT height EQUAL size)
    list(APPEND failures "${png}: not a ${size}x${size} PNG (${width}x${height})")
  endif()
endforeach()

if(failures)
  list(JOIN failures "\n  " text)
  message(FATAL_ERROR "Packaging files are off:\n  ${text}")
endif()
