#include "drawingStyle.h"
#include "overviewLayout.h"
#include "pictureFamilies.h"

#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

// Each variant draws, in and beside every slot of the overview layout, the part that its button
// configures.
namespace overview {
namespace {
enum class Axis
{
    Servo,
    Stepper,
    Simulated,
    Drive
};

// The axis's own settings: a panel of three sliders.
void setupPart(QPainter &painter)
{
    const QRectF room = part(painter, "gmodeSetup");
    const qreal shares[] = {0.3, 0.7, 0.45};
    for (int row = 0; row < 3; ++row) {
        const qreal y = room.top() + 11.0 + row * 11.0;
        const qreal left = room.left() + 8.0;
        const qreal right = room.right() - 8.0;
        painter.setPen(style::pen(style::outline, 2.0));
        painter.drawLine(QPointF(left, y), QPointF(right, y));
        painter.setPen(style::pen(style::stroke, 1.5));
        painter.setBrush(style::accent);
        painter.drawEllipse(QPointF(left + shares[row] * (right - left), y), 3.5, 3.5);
    }
}

// The trajectory generator: a move's velocity rising, cruising and falling.
void trajectoryPart(QPainter &painter)
{
    const QRectF plot = plotAxes(painter, part(painter, "gmodeTrajectory"));
    painter.setPen(style::pen(style::accent, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(
        style::points({plot.bottomLeft(), QPointF(plot.left() + plot.width() * 0.3, plot.top()),
                       QPointF(plot.left() + plot.width() * 0.7, plot.top()), plot.bottomRight()}));
}

// The spline generator: a smooth path through its knots.
void splinePart(QPainter &painter)
{
    const QRectF plot = plotAxes(painter, part(painter, "gmodeSpline"));
    const QPointF knots[] = {QPointF(plot.left() + 2.0, plot.bottom() - 4.0),
                             QPointF(plot.left() + plot.width() * 0.35, plot.top() + 2.0),
                             QPointF(plot.left() + plot.width() * 0.7, plot.bottom() - 6.0),
                             QPointF(plot.right(), plot.top())};
    QPainterPath curve(knots[0]);
    for (int i = 0; i < 3; ++i) {
        const QPointF before = knots[i > 0 ? i - 1 : i];
        const QPointF after = knots[i < 2 ? i + 2 : i + 1];
        curve.cubicTo(knots[i] + (knots[i + 1] - before) / 6.0,
                      knots[i + 1] - (after - knots[i]) / 6.0, knots[i + 1]);
    }
    painter.setPen(style::pen(style::accent, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
    painter.setPen(style::pen(style::stroke, 1.5));
    painter.setBrush(style::white);
    for (const QPointF &knot : knots)
        painter.drawEllipse(knot, 2.5, 2.5);
}

void controller(QPainter &painter, Axis axis)
{
    const qreal right = axis == Axis::Drive ? smartControllerRight : controllerRight;
    block(painter, QRectF(8.0, 8.0, right - 8.0, 204.0), QStringLiteral("Controller"), false);

    // Trajectory and spline are the two sources of the commanded position. Their lines start
    // under the parts, which are drawn last.
    const qreal sourceX = slot("gmodeTrajectory").center().x();
    signalLine(painter, style::points({QPointF(sourceX, signalY), QPointF(mergeX, signalY)}));
    signalLine(painter, style::points({QPointF(sourceX, splineY), QPointF(mergeX, splineY),
                                       QPointF(mergeX, signalY + 10.0)}));
    style::arrowHead(painter, QPointF(mergeX, splineY), QPointF(mergeX, signalY + 4.0), 8.0,
                     style::accent);
    dot(painter, QPointF(mergeX, signalY));
    setupPart(painter);
    trajectoryPart(painter);
    splinePart(painter);
}

void positionLoop(QPainter &painter, bool dashedReturn)
{
    const QRectF loop = slot("gmodePositionLoop");
    signalArrow(painter, QPointF(mergeX, signalY), QPointF(junctionX - junctionRadius, signalY));
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.setBrush(style::white);
    painter.drawEllipse(QPointF(junctionX, signalY), junctionRadius, junctionRadius);
    const qreal arm = junctionRadius * 0.7071;
    painter.drawLine(QPointF(junctionX - arm, signalY - arm),
                     QPointF(junctionX + arm, signalY + arm));
    painter.drawLine(QPointF(junctionX - arm, signalY + arm),
                     QPointF(junctionX + arm, signalY - arm));
    style::text(painter, QRectF(junctionX - 22.0, signalY - 22.0, 12.0, 12.0), Qt::AlignCenter,
                QStringLiteral("+"), style::font(12, true));
    style::text(painter, QRectF(junctionX - 22.0, signalY + 10.0, 12.0, 12.0), Qt::AlignCenter,
                QString(QChar(0x2212)), style::font(12, true));

    signalArrow(painter, QPointF(junctionX + junctionRadius, signalY),
                QPointF(loop.left(), signalY));
    signalArrow(painter, loop.center(), QPointF(slot("gmodeMultiPurpose").left(), signalY));
    const QRectF room = part(painter, "gmodePositionLoop");
    style::text(painter, room, Qt::AlignCenter, QStringLiteral("PID"), style::font(13, true));
    signalLine(painter,
               style::points({QPointF(encoderX, partFloor + 4.0), QPointF(encoderX, returnY),
                              QPointF(junctionX, returnY),
                              QPointF(junctionX, signalY + junctionRadius + 4.0)}),
               dashedReturn);
    style::arrowHead(painter, QPointF(junctionX, returnY),
                     QPointF(junctionX, signalY + junctionRadius), 8.0, style::accent);
}

// Without a position loop the controller sends step and direction pulses to the drive.
void stepDirection(QPainter &painter)
{
    const qreal forkX = 150.0;
    const qreal stepY = signalY - 10.0;
    const qreal directionY = signalY + 10.0;
    const qreal driveLeft = slot("gmodeMultiPurpose").left();
    signalLine(painter, style::points({QPointF(mergeX, signalY), QPointF(forkX, signalY)}));
    signalLine(painter, style::points({QPointF(forkX, stepY), QPointF(forkX, directionY)}));
    dot(painter, QPointF(forkX, signalY));
    signalArrow(painter, QPointF(forkX, stepY), QPointF(driveLeft, stepY));
    signalArrow(painter, QPointF(forkX, directionY), QPointF(driveLeft, directionY));
    const qreal labelRight = driveLeft - 7.0;
    smallLabel(painter, QRectF(labelRight - 50.0, stepY - 15.0, 50.0, 13.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("step"));
    smallLabel(painter, QRectF(labelRight - 50.0, directionY + 2.0, 50.0, 13.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("dir"));

    // The encoder is optional on a stepper axis: it may only report the position.
    signalLine(painter,
               style::points({QPointF(encoderX, partFloor + 4.0), QPointF(encoderX, returnY),
                              QPointF(junctionX, returnY), QPointF(junctionX, 214.0)}),
               true);
    style::arrowHead(painter, QPointF(junctionX, returnY), QPointF(junctionX, 212.0), 8.0,
                     style::accent);
}

void driveSignals(QPainter &painter, qreal controllerRight)
{
    const QRectF signalsSlot = slot("gmodeDriveSignals");
    const qreal driveLeft = signalsSlot.left();
    const qreal enableY = signalsSlot.top() + 16.0;
    const qreal readyY = signalsSlot.top() + 34.0;
    signalArrow(painter, QPointF(controllerRight, enableY), QPointF(driveLeft, enableY));
    signalArrow(painter, QPointF(signalsSlot.center().x(), readyY),
                QPointF(controllerRight, readyY));
    const qreal labelRight = driveLeft - 7.0;
    smallLabel(painter, QRectF(labelRight - 50.0, enableY - 15.0, 50.0, 13.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("enable"));
    smallLabel(painter, QRectF(labelRight - 50.0, readyY + 2.0, 50.0, 13.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("ready"));

    // The drive's signal stage: a power switch taking the enable, a tick giving the ready.
    const QRectF room = part(painter, "gmodeDriveSignals");
    const QPointF power(room.center().x() + 4.0, enableY);
    painter.setPen(style::pen(style::accent, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(power.x() - 6.0, power.y() - 6.0, 12.0, 12.0), 120 * 16, 300 * 16);
    painter.drawLine(power + QPointF(0.0, -8.0), power + QPointF(0.0, -1.0));
    painter.drawPolyline(
        style::points({QPointF(power.x() - 6.0, readyY), QPointF(power.x() - 2.0, readyY + 4.0),
                       QPointF(power.x() + 6.0, readyY - 5.0)}));
}

void drive(QPainter &painter, Axis axis)
{
    const qreal right = 426.0;
    const qreal left = axis == Axis::Drive ? smartControllerRight + 16.0 : controllerRight + 24.0;
    QString title = QStringLiteral("Servo drive");
    if (axis == Axis::Stepper)
        title = QStringLiteral("Stepper drive");
    else if (axis == Axis::Simulated)
        title = QStringLiteral("Simulated drive");
    else if (axis == Axis::Drive)
        title = QStringLiteral("Drive with position loop");
    block(painter, QRectF(left, 8.0, right - left, 204.0), title, axis == Axis::Simulated);

    const bool dashed = axis == Axis::Simulated;
    painter.setPen(outlinePen(dashed, style::stroke, 3.0));
    painter.drawLine(QPointF(slot("gmodeMultiPurpose").center().x(), signalY),
                     QPointF(motorLeft, signalY));

    // The power stage: a stepper drive's phase sequencer, otherwise an amplifier.
    const QRectF room = part(painter, "gmodeMultiPurpose", dashed);
    if (axis == Axis::Stepper) {
        QPolygonF stairs;
        const qreal step = (room.width() - 16.0) / 4.0;
        for (int tread = 0; tread < 4; ++tread) {
            const qreal y = room.bottom() - 9.0 - tread * step * 0.9;
            stairs << QPointF(room.left() + 8.0 + tread * step, y)
                   << QPointF(room.left() + 8.0 + (tread + 1) * step, y);
        }
        painter.setPen(style::pen(style::accent, 2.0));
        painter.drawPolyline(stairs);
    } else {
        painter.setPen(outlinePen(dashed));
        painter.setBrush(style::blockFill);
        painter.drawPolygon(style::points({QPointF(room.left() + 9.0, room.top() + 8.0),
                                           QPointF(room.left() + 9.0, room.bottom() - 8.0),
                                           QPointF(room.right() - 8.0, signalY)}));
    }
}

void brake(QPainter &painter)
{
    painter.setPen(outlinePen(false, style::accent));
    painter.setBrush(style::plateFill);
    painter.drawRect(QRectF(brakeLeft, 106.0, flangeLeft - brakeLeft, 36.0));
    painter.setPen(style::pen(style::accent, 4.0));
    const qreal discX = (brakeLeft + flangeLeft) / 2.0;
    painter.drawLine(QPointF(discX, 99.0), QPointF(discX, 149.0));
    partTitle(painter, "gmodeBrake", QStringLiteral("Brake"));

    // Seen from the end: the disc on the shaft and the caliper that grips it.
    const QRectF room = part(painter, "gmodeBrake");
    const QPointF centre(room.center().x() - 4.0, room.center().y() + 1.0);
    painter.setPen(outlinePen(false));
    painter.setBrush(style::blockFill);
    painter.drawEllipse(centre, 15.0, 15.0);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 4.5, 4.5);
    painter.setPen(outlinePen(false, style::accent));
    painter.setBrush(style::plateFill);
    painter.drawRoundedRect(QRectF(centre.x() + 8.0, centre.y() - 12.0, 12.0, 24.0), 3.0, 3.0);
}

void toothedRotor(QPainter &painter, const QPointF &centre)
{
    QPolygonF outline;
    const int teeth = 10;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const qreal pitch = 2.0 * M_PI / teeth;
        const qreal start = tooth * pitch;
        const qreal angles[]
            = {start, start + pitch * 0.15, start + pitch * 0.5, start + pitch * 0.65};
        const qreal radii[] = {10.0, 14.0, 14.0, 10.0};
        for (int corner = 0; corner < 4; ++corner)
            outline << centre
                           + QPointF(radii[corner] * qCos(angles[corner]),
                                     radii[corner] * qSin(angles[corner]));
    }
    painter.setPen(style::pen(style::accent, 2.0));
    painter.setBrush(style::white);
    painter.drawPolygon(outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::stroke);
    painter.drawEllipse(centre, 3.0, 3.0);
}

void motor(QPainter &painter, Axis axis, bool withBrake)
{
    const bool dashed = axis == Axis::Simulated;
    const qreal bodyRight = withBrake ? brakeLeft : flangeLeft;
    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::blockFill);
    if (axis == Axis::Stepper)
        painter.drawRect(QRectF(motorLeft, 100.0, bodyRight - motorLeft, 48.0));
    else
        painter.drawRoundedRect(QRectF(motorLeft, 102.0, bodyRight - motorLeft, 44.0), 6.0, 6.0);
    painter.drawRect(QRectF(flangeLeft, 96.0, 6.0, 56.0));
    painter.setBrush(dashed ? style::white : style::stroke);
    painter.drawRect(QRectF(flangeLeft + 6.0, signalY - 2.5, couplingLeft - flangeLeft - 6.0, 5.0));
    painter.setBrush(style::blockFill);
    painter.drawRect(QRectF(couplingLeft, signalY - 8.0, 12.0, 16.0));
    if (axis == Axis::Stepper)
        toothedRotor(painter, QPointF((motorLeft + bodyRight) / 2.0, signalY));

    QString name = QStringLiteral("Servo motor");
    if (axis == Axis::Stepper)
        name = QStringLiteral("Stepper motor");
    else if (axis == Axis::Simulated)
        name = QStringLiteral("Simulated motor");
    style::text(painter, QRectF(motorLeft - 20.0, 154.0, flangeLeft - motorLeft + 46.0, 16.0),
                Qt::AlignCenter, name, style::font(12));
}

void encoder(QPainter &painter, bool dashed)
{
    const QRectF disc(encoderX - 4.0, 98.0, 8.0, 50.0);
    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::white);
    painter.drawRect(disc);
    // The code track's marks are real hardware detail; a simulated encoder shows only its outline.
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::stroke);
    for (qreal y = disc.top() + 3.0; !dashed && y + 3.0 < disc.bottom(); y += 6.0)
        painter.drawRect(QRectF(disc.left() + 2.0, y, disc.width() - 4.0, 3.0));
    painter.setPen(outlinePen(dashed, style::accent));
    painter.setBrush(dashed ? style::plateFill : style::accent);
    painter.drawRect(QRectF(encoderX - 9.0, disc.bottom() - 2.0, 18.0, 8.0));
    partTitle(painter, "gmodeEnc", QStringLiteral("Encoder"));

    // Seen from the end: the code disc and its read head at the top.
    const QRectF room = part(painter, "gmodeEnc", dashed);
    const QPointF centre = room.center() + QPointF(0.0, 2.0);
    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::white);
    painter.drawEllipse(centre, 16.0, 16.0);
    painter.setPen(style::pen(style::stroke, 2.0));
    for (int mark = 0; !dashed && mark < 16; ++mark) {
        const qreal angle = mark * M_PI / 8.0;
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(centre + direction * 10.0, centre + direction * 14.0);
    }
    painter.setBrush(style::stroke);
    painter.drawEllipse(centre, 2.5, 2.5);
    painter.setPen(outlinePen(dashed, style::accent));
    painter.setBrush(dashed ? style::plateFill : style::accent);
    painter.drawRect(QRectF(centre.x() - 4.0, centre.y() - 19.0, 8.0, 8.0));
}

void limitSwitch(QPainter &painter, qreal left, bool facingRight)
{
    painter.setPen(outlinePen(false, style::accent));
    painter.setBrush(style::plateFill);
    painter.drawRect(QRectF(left, partFloor - 16.0, 12.0, 16.0));
    const qreal side = facingRight ? left + 12.0 : left;
    const qreal reach = facingRight ? 7.0 : -7.0;
    painter.drawLine(QPointF(side, partFloor - 8.0), QPointF(side + reach, partFloor - 13.0));
    painter.setBrush(style::accent);
    painter.drawEllipse(QPointF(side + reach, partFloor - 13.0), 2.0, 2.0);
}

void stage(QPainter &painter, bool dashed)
{
    const qreal left = 630.0;
    const qreal right = 786.0;
    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::blockFill);
    painter.drawRect(QRectF(left, partFloor, right - left, 10.0));
    painter.drawRect(QRectF(right - 8.0, 112.0, 8.0, partFloor - 112.0));

    // A lead screw: a rod with thread marks, driven through the coupling.
    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::white);
    painter.drawRect(
        QRectF(couplingLeft + 12.0, signalY - 4.0, right - 8.0 - couplingLeft - 12.0, 8.0));
    painter.setPen(style::pen(style::stroke, 1.0));
    for (qreal x = couplingLeft + 16.0; !dashed && x < right - 10.0; x += 6.0)
        painter.drawLine(QPointF(x, signalY + 3.0), QPointF(x + 3.0, signalY - 3.0));

    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::blockFill);
    painter.drawRoundedRect(QRectF(696.0, 104.0, 44.0, partFloor - 104.0), 3.0, 3.0);

    // Switches and flag stay solid on a simulated stage: their settings apply all the same.
    limitSwitch(painter, 636.0, true);
    limitSwitch(painter, 756.0, false);
    const qreal homeX = 668.0;
    painter.setPen(outlinePen(false, style::accent));
    painter.drawLine(QPointF(homeX, partFloor), QPointF(homeX, partFloor - 20.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::accent);
    painter.drawPolygon(
        style::points({QPointF(homeX, partFloor - 21.0), QPointF(homeX + 14.0, partFloor - 16.0),
                       QPointF(homeX, partFloor - 11.0)}));

    const qreal labelTop = partFloor + 13.0;
    smallLabel(painter, QRectF(617.0, labelTop, 50.0, 13.0), Qt::AlignCenter,
               QStringLiteral("limit"));
    smallLabel(painter, QRectF(649.0, labelTop, 50.0, 13.0), Qt::AlignCenter,
               QStringLiteral("home"));
    smallLabel(painter, QRectF(737.0, labelTop, 50.0, 13.0), Qt::AlignCenter,
               QStringLiteral("limit"));
    partTitle(painter, "gmodeLimitsAndHome", QStringLiteral("Stage"));

    // The travel: from limit to limit, with home in between.
    const QRectF room = part(painter, "gmodeLimitsAndHome", dashed);
    const qreal floor = room.bottom() - 8.0;
    const qreal leftLimit = room.left() + 7.0;
    const qreal rightLimit = room.right() - 7.0;
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.drawLine(QPointF(leftLimit, floor), QPointF(rightLimit, floor));
    painter.setPen(style::pen(style::accent, 3.0));
    painter.drawLine(QPointF(leftLimit, floor), QPointF(leftLimit, room.top() + 8.0));
    painter.drawLine(QPointF(rightLimit, floor), QPointF(rightLimit, room.top() + 8.0));
    const qreal travelY = room.top() + 13.0;
    const qreal middle = room.center().x();
    style::arrow(painter, QPointF(middle, travelY), QPointF(leftLimit + 4.0, travelY), 2.0,
                 style::stroke, 6.0);
    style::arrow(painter, QPointF(middle, travelY), QPointF(rightLimit - 4.0, travelY), 2.0,
                 style::stroke, 6.0);
    const qreal flagX = middle - 3.0;
    painter.setPen(outlinePen(false, style::accent));
    painter.drawLine(QPointF(flagX, floor), QPointF(flagX, floor - 17.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::accent);
    painter.drawPolygon(
        style::points({QPointF(flagX, floor - 18.0), QPointF(flagX + 11.0, floor - 14.0),
                       QPointF(flagX, floor - 10.0)}));
}

QPainterPath sine(const QRectF &box, qreal cycles)
{
    QPainterPath wave;
    const int steps = 48;
    for (int step = 0; step <= steps; ++step) {
        const qreal share = qreal(step) / steps;
        const QPointF point(box.left() + share * box.width(),
                            box.center().y()
                                - box.height() / 2.0 * qSin(share * cycles * 2.0 * M_PI));
        if (step == 0)
            wave.moveTo(point);
        else
            wave.lineTo(point);
    }
    return wave;
}

// An I/O part: its terminals in the slot, and its name and a small glyph of what it does to
// the slot's right.
void ioPart(QPainter &painter, const char *slotName, const QString &name, bool dashed)
{
    const QRectF place = slot(slotName);
    const qreal left = place.right() + 10.0;
    style::text(painter, QRectF(left, place.top() - 1.0, 100.0, 18.0),
                Qt::AlignLeft | Qt::AlignVCenter, name, style::font(12));
    const QRectF glyph(left, place.top() + 24.0, 60.0, 18.0);
    painter.setPen(outlinePen(false, style::accent));
    painter.setBrush(Qt::NoBrush);
    if (qstrcmp(slotName, "gmodeDigitalIO") == 0) {
        const qreal top = glyph.top();
        const qreal bottom = glyph.bottom();
        painter.drawPolyline(style::points(
            {QPointF(left, bottom), QPointF(left + 10.0, bottom), QPointF(left + 10.0, top),
             QPointF(left + 24.0, top), QPointF(left + 24.0, bottom), QPointF(left + 34.0, bottom),
             QPointF(left + 34.0, top), QPointF(left + 48.0, top), QPointF(left + 48.0, bottom),
             QPointF(left + 60.0, bottom)}));
    } else if (qstrcmp(slotName, "gmodeAnalogIO") == 0) {
        painter.drawPath(sine(glyph, 1.5));
    } else {
        // Compare and capture both act at a position on the axis: a scale with one mark.
        const qreal scaleY = glyph.bottom();
        painter.setPen(outlinePen(false));
        painter.drawLine(QPointF(left, scaleY), QPointF(left + 60.0, scaleY));
        for (qreal x = left + 4.0; x < left + 60.0; x += 8.0)
            painter.drawLine(QPointF(x, scaleY), QPointF(x, scaleY - 4.0));
        const qreal markX = left + 30.0;
        if (qstrcmp(slotName, "gmodeComp") == 0) {
            painter.setPen(outlinePen(false, style::accent));
            painter.drawPolyline(style::points(
                {QPointF(left, scaleY - 8.0), QPointF(markX - 4.0, scaleY - 8.0),
                 QPointF(markX - 4.0, glyph.top() - 2.0), QPointF(markX + 4.0, glyph.top() - 2.0),
                 QPointF(markX + 4.0, scaleY - 8.0), QPointF(left + 60.0, scaleY - 8.0)}));
        } else {
            style::arrowHead(painter, QPointF(markX, glyph.top() - 4.0),
                             QPointF(markX, scaleY - 1.0), 9.0, style::accent);
            painter.setPen(outlinePen(false, style::accent));
            painter.drawLine(QPointF(markX, glyph.top() - 4.0), QPointF(markX, scaleY - 6.0));
            painter.drawLine(QPointF(markX - 8.0, glyph.top() - 4.0),
                             QPointF(markX + 8.0, glyph.top() - 4.0));
        }
    }

    // The screw terminals where its signals are wired.
    const QRectF room = part(painter, slotName, dashed);
    for (int column = 0; column < 2; ++column) {
        for (int row = 0; row < 2; ++row) {
            const QPointF screw(room.left() + 13.0 + column * 18.0, room.top() + 13.0 + row * 18.0);
            painter.setPen(style::pen(style::stroke, 1.5));
            painter.setBrush(style::blockFill);
            painter.drawEllipse(screw, 6.0, 6.0);
            painter.drawLine(screw + QPointF(-3.5, 3.5), screw + QPointF(3.5, -3.5));
        }
    }
}

void ioStrip(QPainter &painter, bool analog, bool dashed)
{
    const QRectF strip(8.0, 228.0, 784.0, 66.0);
    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::blockFill);
    painter.drawRoundedRect(strip, 8.0, 8.0);
    style::text(painter, QRectF(strip.left() + 10.0, strip.top(), 40.0, strip.height()),
                Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("I/O"), style::font(13, true));
    ioPart(painter, "gmodeDigitalIO", QStringLiteral("Digital"), dashed);
    if (analog)
        ioPart(painter, "gmodeAnalogIO", QStringLiteral("Analog"), dashed);
    ioPart(painter, "gmodeComp", QStringLiteral("Compare"), dashed);
    ioPart(painter, "gmodeCapt", QStringLiteral("Capture"), dashed);
}

QImage picture(Axis axis, bool analog)
{
    QImage image = style::canvas(800, 300, style::white);
    QPainter painter;
    style::beginPainting(painter, image);

    const bool simulated = axis == Axis::Simulated;
    const bool hardware = !simulated;
    drive(painter, axis);
    controller(painter, axis);
    if (axis == Axis::Stepper)
        stepDirection(painter);
    else
        positionLoop(painter, simulated);
    if (hardware)
        driveSignals(painter, axis == Axis::Drive ? smartControllerRight : controllerRight);

    motor(painter, axis, hardware);
    if (hardware)
        brake(painter);
    encoder(painter, simulated);
    stage(painter, simulated);
    ioStrip(painter, analog, simulated);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

struct Entry
{
    const char *name;
    Axis axis;
    bool analog;
};

const Entry entries[] = {
    {"ServoWithAI.PNG", Axis::Servo, true},       {"ServoWithoutAI.PNG", Axis::Servo, false},
    {"StepperWithAI.PNG", Axis::Stepper, true},   {"StepperWithoutAI.PNG", Axis::Stepper, false},
    {"SimulatedAxis.PNG", Axis::Simulated, true}, {"DriveWithAI.png", Axis::Drive, true},
};
} // namespace
} // namespace overview

bool writeOverviewPictures(PictureWriter &writer)
{
    for (const overview::Entry &entry : overview::entries) {
        if (!writer.write(overview::picture(entry.axis, entry.analog),
                          QString::fromLatin1(entry.name)))
            return false;
    }
    return true;
}
