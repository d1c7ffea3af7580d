#pragma once
// The platform's three-dimensional frame: `width` rings, each with its top
// and left edges in one colour and its bottom and right edges in the other,
// drawn from the outside in. The rectangle shrinks by the rings drawn.

#include <QColor>
#include <QPainter>
#include <QRect>

void frame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight,
             int width);
