# Checks that the packaging files agree with the program and with each other on id, name and version.
# Run as: cmake -DSOURCE_DIR=<repo> -DAPP_ID=<desktop id> -DVERSION=<project version> -P check_metadata.cmake
foreach(var SOURCE_DIR APP_ID VERSION)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "${var} is not set")
  endif()
endforeach()

function(regex_quote out text)
  string(REGEX REPLACE "([][.*+?^$()|\\\\])" "\\\\\\1" quoted "${text}")
  set(${out} "${quoted}" PARENT_SCOPE)
endfunction()
regex_quote(id "${APP_ID}")
regex_quote(version "${VERSION}")

# The desktop entry is found by the id the program reports; the Exec line must name the built program.
file(STRINGS "${SOURCE_DIR}/CMakeLists.txt" executable REGEX "add_executable\\([A-Za-z0-9_]+")
string(REGEX REPLACE ".*add_executable\\(([A-Za-z0-9_]+).*" "\\1" executable "${executable}")

set(pkg "${SOURCE_DIR}/packaging")
# Each entry: file|what it must hold|regular expression.
set(expectations
  "shell/src/program.cpp|the desktop file id|setDesktopFileName\\(QStringLiteral\\(\"${id}\"\\)\\)"
  "packaging/${APP_ID}.desktop|the program to start|\nExec=${executable}\n"
  "packaging/${APP_ID}.desktop|the themed icon name|\nIcon=${id}\n"
  "packaging/${APP_ID}.desktop|the window class|\nStartupWMClass=${executable}\n"
  "packaging/${APP_ID}.metainfo.xml|the component id|<id>${id}</id>"
  "packaging/${APP_ID}.metainfo.xml|the desktop file|<launchable type=\"desktop-id\">${id}\\.desktop</launchable>"
  "packaging/${APP_ID}.metainfo.xml|the release|<release version=\"${version}\""
  "packaging/${APP_ID}.metainfo.xml|the binary|<binary>${executable}</binary>"
  "packaging/changelog.Debian|the newest entry's version|^orbis-tessary \\(${version}\\) "
  "packaging/OrbisFreeTessary.1|the version in the title line|\n\\.TH [^\n]*\"Orbis Tessary ${version}\""
  "packaging/OrbisFreeTessary.1|the program name|\n\\.B ${executable}\n"
)

set(failures)
foreach(entry IN LISTS expectations)
  string(FIND "${entry}" "|" first)
  string(SUBSTRING "${entry}" 0 ${first} file)
  math(EXPR rest "${first} + 1")
  string(SUBSTRING "${entry}" ${rest} -1 entry)
  string(FIND "${entry}" "|" second)
  string(SUBSTRING "${entry}" 0 ${second} what)
  math(EXPR rest "${second} + 1")
  string(SUBSTRING "${entry}" ${rest} -1 pattern)
  if(NOT EXISTS "${SOURCE_DIR}/${file}")
    list(APPEND failures "${file}: missing")
    continue()
  endif()
  file(READ "${SOURCE_DIR}/${file}" content)
  if(NOT content MATCHES "${pattern}")
    string(REPLACE "\n" "\\n" shown "${pattern}")
    list(APPEND failures "${file}: ${what} does not match /${shown}/")
  endif()
endforeach()

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
  message(FATAL_ERROR "Packaging files disagree:\n  ${text}")
endif()
