#pragma once
// The program's own pictures: the logo (100 x 100, on the splash window, the
// version box and the empty picture box), the program icon (32 x 32) and the
// picture beside the TOEIC menu (57 x 65, a cartoon animal face).

#include <QImage>

constexpr int LogoSize = 100;
constexpr int IconSize = 32;
constexpr int MenuPictureWidth = 57;
constexpr int MenuPictureHeight = 65;

QImage drawLogo();
// The icon drawn at `size` pixels square (the 32-pixel design scaled), for
// the desktop's launchers at each size they ask for.
QImage drawIcon(int size = IconSize);
QImage drawMenuPicture();
