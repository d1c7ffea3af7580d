#pragma once

#include "screen.h"

#include <QGuiApplication>
#include <QScreen>

// The primary screen, or a fixed size that tests choose.
class QtScreen : public Screen {
  public:
    QtScreen() = default;
    QtScreen(int w, int h) : fixedW_(w), fixedH_(h) {}
    int width() const override {
        return fixedW_ ? fixedW_ : QGuiApplication::primaryScreen()->geometry().width();
    }
    int height() const override {
        return fixedH_ ? fixedH_ : QGuiApplication::primaryScreen()->geometry().height();
    }

  private:
    int fixedW_ = 0;
    int fixedH_ = 0;
};
