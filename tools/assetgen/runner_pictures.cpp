#include "runner_pictures.h"

#include "paint_kit.h"
#include "runner_figure.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

const QColor Sky(150, 210, 250);
const QColor Grass(80, 165, 75);
const QColor Infield(105, 190, 95);
const QColor Track(205, 95, 65);
const QColor Lane(250, 240, 230);
const QColor Trail(255, 225, 40);

// The oval, seen from above: centre line of the track and its half-width.
const QPointF LapCentre(36.5, 38.0);
constexpr double LapRx = 27.0;
constexpr double LapRy = 17.0;
constexpr double TrackHalfWidth = 4.5;

double radians(double degrees) {
    return degrees * std::numbers::pi / 180.0;
}

// Start at the bottom of the oval and run anticlockwise, as on a real track.
double lapAngle(double fraction) {
    return 90.0 - 360.0 * fraction;
}

QPointF onLap(double degrees, double radiusOffset = 0.0) {
    const double a = radians(degrees);
    return {LapCentre.x() + (LapRx + radiusOffset) * std::cos(a),
            LapCentre.y() + (LapRy + radiusOffset) * std::sin(a)};
}

void drawOval(QPainter& p) {
    p.fillRect(QRectF(0, 0, ProgressWidth, 16), Sky);
    p.fillRect(QRectF(0, 16, ProgressWidth, ProgressHeight - 16), Grass);
    p.setPen(Qt::NoPen);
    p.setBrush(Track);
    p.drawEllipse(LapCentre, LapRx + TrackHalfWidth, LapRy + TrackHalfWidth);
    p.setBrush(Infield);
    p.drawEllipse(LapCentre, LapRx - TrackHalfWidth, LapRy - TrackHalfWidth);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Lane, 0.8, Qt::DotLine));
    p.drawEllipse(LapCentre, LapRx, LapRy);
    // Start and finish line across the track at the bottom.
    p.setPen(QPen(Qt::white, 1.5));
    p.drawLine(onLap(90, -TrackHalfWidth), onLap(90, TrackHalfWidth));
}

// The part of the lap already run, as a bright line along the track.
void drawTrail(QPainter& p, double fraction) {
    if (fraction <= 0.0) {
        return;
    }
    QPainterPath path(onLap(lapAngle(0)));
    const int pieces = 60;
    for (int i = 1; i <= pieces; ++i) {
        path.lineTo(onLap(lapAngle(fraction * i / pieces)));
    }
    p.setPen(QPen(Trail, 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawFlag(QPainter& p, QPointF foot) {
    p.setPen(QPen(QColor(90, 90, 90), 1.0));
    p.drawLine(foot, foot - QPointF(0, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 30, 30));
    p.drawPolygon(
        QPolygonF({foot - QPointF(0, 12), foot - QPointF(-7, 9.5), foot - QPointF(0, 7)}));
}

// Side view of the home straight, shared by the stretch and the finish. Seen
// from the side, the finish line across the track shows as a chequered
// stripe; a chequered flag stands at its far end.
constexpr double GroundY = 55.0;
constexpr double FinishX = 62.0;
constexpr double TrackTop = 46.0;
constexpr double TrackBottom = 59.0;

void drawChequers(QPainter& p, const QRectF& box, double square) {
    p.fillRect(box, Qt::white);
    for (int row = 0; row * square < box.height(); ++row) {
        for (int col = row % 2; col * square < box.width(); col += 2) {
            p.fillRect(QRectF(box.left() + col * square, box.top() + row * square, square, square)
                           .intersected(box),
                       QColor(20, 20, 25));
        }
    }
}

void drawStraight(QPainter& p, double finishX) {
    QLinearGradient sky(0, 0, 0, 40);
    sky.setColorAt(0, QColor(110, 190, 250));
    sky.setColorAt(1, QColor(200, 235, 255));
    p.fillRect(QRectF(0, 0, ProgressWidth, 40), sky);
    // Stands in the distance.
    p.fillRect(QRectF(0, 30, ProgressWidth, 10), QColor(120, 130, 160));
    for (int x = 2; x < ProgressWidth; x += 4) {
        p.fillRect(QRectF(x, 32 + (x / 4) % 2 * 3, 2, 2), QColor(230, 230, 240));
    }
    p.fillRect(QRectF(0, 40, ProgressWidth, TrackTop - 40), Grass);
    p.fillRect(QRectF(0, TrackTop, ProgressWidth, TrackBottom - TrackTop), Track);
    p.fillRect(QRectF(0, TrackBottom, ProgressWidth, ProgressHeight - TrackBottom), Grass);
    p.setPen(QPen(Lane, 1.0));
    p.drawLine(QPointF(0, TrackTop + 0.5), QPointF(ProgressWidth, TrackTop + 0.5));
    p.drawLine(QPointF(0, TrackBottom - 0.5), QPointF(ProgressWidth, TrackBottom - 0.5));
    drawChequers(p, QRectF(finishX, TrackTop + 1, 4, TrackBottom - TrackTop - 2), 2);

    // The flag pole at the far side of the line.
    const QPointF foot(finishX + 6.5, TrackTop);
    p.setPen(QPen(QColor(70, 70, 80), 1.2));
    p.drawLine(foot, foot - QPointF(0, 22));
    drawChequers(p, QRectF(foot.x() - 9, foot.y() - 22, 9, 6), 1.5);
    p.setPen(QPen(QColor(70, 70, 80), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(foot.x() - 9, foot.y() - 22, 9, 6));
}

void drawBanner(QPainter& p, const QRectF& box, const QColor& fill, const QColor& ink,
                const QColor& shadow) {
    p.setPen(QPen(QColor(120, 20, 20), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(box, 3, 3);
    drawCentredText(p, box, QStringLiteral("ゴール"), gothicFont(11, true), ink, shadow);
}

} // namespace

QImage drawLapPicture(int step) {
    QImage image = filledCanvas(ProgressWidth, ProgressHeight, Grass);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawOval(p);
    const double fraction = double(step) / LapSteps;
    drawTrail(p, fraction);
    // The flag stands just before the start line, clear of a runner on it.
    drawFlag(p, onLap(90, TrackHalfWidth + 3) - QPointF(9, 0));

    const double angle = lapAngle(fraction);
    const QPointF at = onLap(angle);
    // Nearer (lower) runners look a little bigger.
    const double height = 15.0 + 5.0 * (std::sin(radians(angle)) + 1.0) / 2.0;
    RunnerPose pose;
    pose.stride = step % 2;
    // Moving anticlockwise: the bottom half runs right, the top half left.
    pose.facingLeft = std::sin(radians(angle)) < 0.0;
    drawRunner(p, at + QPointF(0, 2), height, pose);
    return image;
}

QImage drawStretchPicture(int step) {
    QImage image = filledCanvas(ProgressWidth, ProgressHeight, Grass);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawStraight(p, FinishX);
    drawBanner(p, QRectF(34, 3, 37, 15), QColor(220, 40, 40), Qt::white, QColor(110, 10, 10));
    const double x = 5.0 + (FinishX - 12.0 - 5.0) * step / (StretchSteps - 1);
    RunnerPose pose;
    pose.stride = step % 2;
    drawRunner(p, QPointF(x, GroundY), 28.0, pose);
    return image;
}

QImage drawFinishPicture() {
    QImage image = filledCanvas(ProgressWidth, ProgressHeight, Grass);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // The line now lies behind the runner, who stands in the middle.
    drawStraight(p, 18.0);
    const QRectF banner(18, 2, 37, 15);

    // Confetti in the sky, from a fixed pattern so every build draws the
    // same picture; the banner stays clear.
    const QColor colours[] = {QColor(255, 60, 60), QColor(255, 210, 0), QColor(60, 140, 255),
                              QColor(40, 200, 90), QColor(255, 120, 220)};
    const QRectF keepClear = banner.adjusted(-2, -2, 2, 2);
    unsigned seed = 7;
    int placed = 0;
    while (placed < 26) {
        seed = seed * 1103515245u + 12345u;
        const double cx = (seed >> 8) % (ProgressWidth - 2);
        seed = seed * 1103515245u + 12345u;
        const double cy = (seed >> 8) % 30;
        if (keepClear.intersects(QRectF(cx, cy, 2, 2))) {
            continue;
        }
        p.fillRect(QRectF(cx, cy, 2, 2), colours[placed % 5]);
        ++placed;
    }
    drawBanner(p, banner, QColor(255, 205, 40), QColor(150, 20, 20), QColor());

    RunnerPose pose;
    pose.armsUp = true;
    drawRunner(p, QPointF(40, GroundY + 2), 32.0, pose);
    return image;
}
