#include "drawingStyle.h"
#include "pictureFamilies.h"

#include <QVector>

// The compare and capture pages show one picture per action or edge setting. Each has the axis
// position rising steadily along the top and a logic line below: for compare the output that the
// position drives, for capture the input that latches the position. Both lines are active high,
// so their upper level is drawn in the active colour.
namespace {
const int pictureWidth = 200;
const int pictureHeight = 80;
const qreal nameLeft = 4.0;
const qreal nameWidth = 56.0;
const qreal traceLeft = nameLeft + nameWidth + 16.0; // past the column of H and L
const qreal traceRight = 196.0;
const qreal rampLowY = 41.0;
const qreal rampHighY = 21.0;
const qreal highY = 51.0;
const qreal lowY = 71.0;

QPointF positionAt(qreal x)
{
    const qreal share = (x - traceLeft) / (traceRight - traceLeft);
    return QPointF(x, rampLowY + share * (rampHighY - rampLowY));
}

void positionRow(QPainter &painter)
{
    style::text(painter, QRectF(nameLeft, rampHighY, nameWidth, rampLowY - rampHighY),
                Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("position"),
                style::font(12, true));
    painter.setPen(style::pen(style::accent, 2.0));
    painter.drawLine(positionAt(traceLeft), positionAt(traceRight));
}

// The logic line with each stretch at the upper, active level traced over in the active colour.
void activeHighRow(QPainter &painter, const QString &name, const QVector<qreal> &edges)
{
    style::traceName(painter, nameLeft, nameWidth, highY, lowY, name);
    style::levelTrace(painter, traceLeft, traceRight, highY, lowY, false, edges);
    painter.setPen(style::pen(style::active, 3.5));
    for (int rise = 0; rise < edges.size(); rise += 2) {
        const qreal fall = rise + 1 < edges.size() ? edges.at(rise + 1) : traceRight;
        painter.drawLine(QPointF(edges.at(rise), highY), QPointF(fall, highY));
    }
}

// A dashed line from the word at the top, past the position at that moment, down to the logic
// line, whose edge at that moment carries it on.
void markerLine(QPainter &painter, qreal x, const QString &words, const QColor &wordColour,
                const QColor &lineColour)
{
    style::text(painter, QRectF(x - 30.0, 3.0, 60.0, 13.0), Qt::AlignCenter, words, style::font(10),
                wordColour);
    painter.setPen(style::pen(lineColour, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(x, 17.0), QPointF(x, highY));
}

void rows(QPainter &painter, const QString &rowName, const QVector<qreal> &edges)
{
    positionRow(painter);
    activeHighRow(painter, rowName, edges);
}

enum class Action
{
    Set,
    Toggle,
    Pulse
};

const qreal compareX = 104.0;
const qreal secondCompareX = 160.0;
const qreal pulseWidth = 22.0;

// Arrows from outside point at both edges, as the pulse is too narrow to hold them.
void pulseWidthMark(QPainter &painter)
{
    const qreal y = (highY + lowY) / 2.0;
    const qreal fall = compareX + pulseWidth;
    style::arrow(painter, QPointF(compareX - 12.0, y), QPointF(compareX - 1.0, y), 1.5,
                 style::stroke, 5.0);
    style::arrow(painter, QPointF(fall + 12.0, y), QPointF(fall + 1.0, y), 1.5, style::stroke, 5.0);
    style::text(painter, QRectF(fall + 14.0, y - 7.0, traceRight - fall - 14.0, 14.0),
                Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("pulse width"), style::font(10));
}

// The output switches where the position passes a compare position, marked by a tick on the
// position line.
QImage compare(Action action)
{
    QVector<qreal> comparePoints{compareX};
    QVector<qreal> edges{compareX};
    if (action == Action::Toggle) {
        comparePoints << secondCompareX;
        edges << secondCompareX;
    } else if (action == Action::Pulse) {
        edges << compareX + pulseWidth;
    }

    QImage image = style::canvas(pictureWidth, pictureHeight, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);
    rows(painter, QStringLiteral("output"), edges);
    for (qreal x : comparePoints) {
        markerLine(painter, x, QStringLiteral("compare"), style::stroke, style::outline);
        const QPointF reached = positionAt(x);
        painter.setPen(style::pen(style::stroke, 2.0));
        painter.drawLine(reached - QPointF(5.0, 0.0), reached + QPointF(5.0, 0.0));
    }
    if (action == Action::Pulse)
        pulseWidthMark(painter);
    painter.end();
    return image;
}

// The input's pulse; the position is latched at one of its edges, marked by an arrow head on the
// edge pointing the way the input switches, and a dot on the position line.
const qreal riseX = 104.0;
const qreal fallX = 154.0;

QImage capture(bool onRise)
{
    QImage image = style::canvas(pictureWidth, pictureHeight, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);
    rows(painter, QStringLiteral("input"), {riseX, fallX});
    const qreal x = onRise ? riseX : fallX;
    markerLine(painter, x, QStringLiteral("capture"), style::active, style::active);
    const qreal middle = (highY + lowY) / 2.0;
    style::arrowHead(painter, QPointF(x, onRise ? lowY : highY),
                     QPointF(x, middle + (onRise ? -4.0 : 4.0)), 9.0, style::active);
    style::activeDot(painter, positionAt(x));
    painter.end();
    return image;
}
} // namespace

bool writeCompareCapturePictures(PictureWriter &writer)
{
    return writer.write(compare(Action::Set), QStringLiteral("compareSetActiveHigh.png"))
           && writer.write(compare(Action::Toggle), QStringLiteral("compareToggleActiveHigh.png"))
           && writer.write(compare(Action::Pulse), QStringLiteral("comparePulseActiveHigh.png"))
           && writer.write(capture(true), QStringLiteral("captureActiveHighTransitionActive.png"))
           && writer.write(capture(false),
                           QStringLiteral("captureActiveHighTransitionInactive.png"));
}
