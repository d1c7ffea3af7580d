#pragma once
// Menu bar items that show a picture beside their caption, as the classic
// desktop draws a bitmap menu item. Qt's menu bar shows an item's icon
// instead of its caption, so the bar's style draws both: the item's icon
// scaled to the height of the bar, then the caption. The bar keeps the
// height its captions give it.

class QMenuBar;

void showPicturesBesideCaptions(QMenuBar* bar);
