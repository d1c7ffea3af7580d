#include "runner_figure.h"

#include <QColor>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

const QColor Skin(245, 200, 160);
const QColor SkinShade(215, 165, 125);
const QColor Shirt(230, 40, 40);
const QColor Shorts(30, 60, 170);
const QColor Hair(40, 30, 25);

// Angles in degrees from straight down; positive swings toward the running
// direction.
struct Limb {
    double upper;
    double lower;
};

QPointF swing(QPointF from, double degrees, double length, double facing) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {from.x() + facing * length * std::sin(a), from.y() + length * std::cos(a)};
}

void drawLimb(QPainter& p, QPointF root, const Limb& limb, double upperLength, double lowerLength,
              double facing, const QColor& upperColour, const QColor& lowerColour, double width) {
    const QPointF joint = swing(root, limb.upper, upperLength, facing);
    const QPointF end = swing(joint, limb.lower, lowerLength, facing);
    p.setPen(QPen(lowerColour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(joint, end);
    p.setPen(QPen(upperColour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(root, joint);
}

} // namespace

void drawRunner(QPainter& p, QPointF ground, double h, const RunnerPose& pose) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const double facing = pose.facingLeft ? -1.0 : 1.0;
    const double limbWidth = std::max(1.6, h * 0.085);
    const QPointF hip(ground.x(), ground.y() - h * 0.47);
    const QPointF shoulder(ground.x() + facing * h * 0.08, ground.y() - h * 0.74);
    const QPointF head(ground.x() + facing * h * 0.13, ground.y() - h * 0.87);

    // Legs: the front one reaches forward, the back one kicks up behind.
    const Limb frontLeg{42, 8};
    const Limb backLeg{-28, -80};
    const Limb frontArm = pose.armsUp ? Limb{165, 175} : Limb{45, 120};
    const Limb backArm = pose.armsUp ? Limb{-165, -175} : Limb{-50, 10};
    const double thigh = h * 0.25;
    const double shin = h * 0.25;
    const double upperArm = h * 0.18;
    const double forearm = h * 0.16;

    // The far limbs first, in a darker shade, so the near ones stand out.
    const bool leftFront = pose.stride == 0;
    const Limb farLeg = leftFront ? backLeg : frontLeg;
    const Limb nearLeg = leftFront ? frontLeg : backLeg;
    const Limb farArm = leftFront ? frontArm : backArm;
    const Limb nearArm = leftFront ? backArm : frontArm;
    drawLimb(p, shoulder, farArm, upperArm, forearm, facing, SkinShade, SkinShade, limbWidth * 0.9);
    drawLimb(p, hip, farLeg, thigh, shin, facing, Shorts.darker(130), SkinShade, limbWidth);

    p.setPen(QPen(Shirt, limbWidth * 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(hip, shoulder);

    drawLimb(p, hip, nearLeg, thigh, shin, facing, Shorts, Skin, limbWidth);
    drawLimb(p, shoulder, nearArm, upperArm, forearm, facing, Skin, Skin, limbWidth * 0.9);

    const double r = h * 0.11;
    p.setPen(Qt::NoPen);
    p.setBrush(Skin);
    p.drawEllipse(head, r, r);
    p.setBrush(Hair);
    p.drawChord(QRectF(head.x() - r, head.y() - r, 2 * r, 2 * r), 20 * 16, 160 * 16);
    p.restore();
}
