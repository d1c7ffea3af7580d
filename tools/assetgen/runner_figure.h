#pragma once
// A small running figure drawn from a few limbs, so any size and stride can
// be drawn from code.

#include <QPainter>
#include <QPointF>

struct RunnerPose {
    int stride = 0;      // 0 or 1: which leg is in front
    bool armsUp = false; // the finishing cheer
    bool facingLeft = false;
};

// Draws the runner with its feet at `ground`, `height` pixels tall.
void drawRunner(QPainter& p, QPointF ground, double height, const RunnerPose& pose);
