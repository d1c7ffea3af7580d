# Every picture and sound the program opens beside itself, as paths in the
# program folder. This is the one list: tools/assetgen draws exactly these
# (and fails on a name it cannot draw or a drawing no name asks for), the
# build expects and installs them, tests/assets checks them. The program
# itself names each where it opens it.

# Shown at their size: drawn again at twice it (name@2x.ext) for high-DPI
# screens.
set(POTORAN_SHARP_PICTURES
  image/01.BMP image/02.BMP image/03.BMP image/04.BMP image/05.BMP image/06.BMP
  image/07.BMP image/08.BMP image/09.BMP image/10.BMP image/11.BMP image/12.BMP
  image/19.BMP image/20.BMP image/21.BMP image/22.BMP image/23.BMP image/24.BMP
  image/25.BMP image/26.BMP image/27.BMP image/Timeout.BMP image/afterreturn.BMP
  glyphs/modoru.png glyphs/susumeru.png glyphs/kaitou.png glyphs/shuryo.png
  glyphs/tojiru.png glyphs/color1.png glyphs/font.png glyphs/saku.png glyphs/hint.png
  glyphs/timer.png glyphs/seisekiclear.png
  pictures/logo.png pictures/toeic_menu.png)
# Drawn once: the marks are pixel art, the backdrop is stretched anyway.
set(POTORAN_PLAIN_PICTURES
  right.bmp wrong.bmp kesu.bmp kesu2.bmp pictures/backdrop.png pictures/icon.png)
set(POTORAN_SOUNDS seikai.wav batu.wav seikai2.wav)
# The icon at the sizes of the desktop's launchers (pictures/icon-<size>.png);
# only the package installs them.
set(POTORAN_ICON_SIZES 16 24 32 48 64 128 256)

# The same as files of the program folder: POTORAN_ASSET_FILES holds every
# one the generator writes, POTORAN_DESKTOP_ICONS those left out of the
# program folder an install writes.
set(POTORAN_DESKTOP_ICONS)
foreach(size ${POTORAN_ICON_SIZES})
  list(APPEND POTORAN_DESKTOP_ICONS pictures/icon-${size}.png)
endforeach()
set(POTORAN_ASSET_FILES ${POTORAN_SHARP_PICTURES})
foreach(file ${POTORAN_SHARP_PICTURES})
  string(REGEX REPLACE "(\\.[A-Za-z]+)$" "@2x\\1" sharp ${file})
  list(APPEND POTORAN_ASSET_FILES ${sharp})
endforeach()
list(APPEND POTORAN_ASSET_FILES ${POTORAN_PLAIN_PICTURES} ${POTORAN_SOUNDS}
     ${POTORAN_DESKTOP_ICONS})

# Gives `target` the lists as C++ arrays in "potoran_assets.h".
function(potoran_use_asset_list target)
  set(text "// Generated from cmake/assets.cmake; change the lists there.\n#pragma once\n\n")
  string(APPEND text "namespace assets {\n")
  foreach(array SharpPictures:POTORAN_SHARP_PICTURES PlainPictures:POTORAN_PLAIN_PICTURES
                DesktopIcons:POTORAN_DESKTOP_ICONS Sounds:POTORAN_SOUNDS)
    string(REPLACE ":" ";" array ${array})
    list(GET array 0 name)
    list(GET array 1 list)
    string(JOIN "\",\n    \"" items ${${list}})
    string(APPEND text "inline constexpr const char* ${name}[] = {\n    \"${items}\"};\n")
  endforeach()
  string(JOIN ", " sizes ${POTORAN_ICON_SIZES})
  string(APPEND text "inline constexpr int IconSizes[] = {${sizes}};\n} // namespace assets\n")
  set(dir ${CMAKE_BINARY_DIR}/generated/assets)
  file(CONFIGURE OUTPUT ${dir}/potoran_assets.h CONTENT "${text}")
  target_include_directories(${target} PRIVATE ${dir})
endfunction()
