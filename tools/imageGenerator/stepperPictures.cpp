#include "drawingStyle.h"
#include "pictureFamilies.h"

#include <QPolygonF>
#include <QVector>

// The stepper page shows how its drive reads motion from two inputs, one picture per input mode,
// and how the closed-loop correction grows with the position error up to its limit, one picture
// per choice of that limit.
namespace {
void smallLabel(QPainter &painter, const QRectF &box, int flags, const QString &words,
                const QColor &colour = style::stroke)
{
    style::text(painter, box, flags, words, style::font(10), colour);
}

// Pulse pictures: two traces, the first group of pulses moving one way, then the other way.
const int pulseWidth = 200;
const int pulseHeight = 80;
const qreal traceLeft = 54.0;
const qreal traceRight = 196.0;
const qreal firstHighY = 12.0;
const qreal secondHighY = 48.0;
const qreal levelGap = 20.0;
const int pulsesPerGroup = 4;
const qreal firstGroupX = 62.0;
const qreal secondGroupX = 134.0;
// Half way between the groups, so the direction is settled before the next pulse.
const qreal reversalX = 119.0;

QVector<qreal> pulses(qreal firstRise)
{
    const qreal pitch = 12.0;
    const qreal width = 6.0;
    QVector<qreal> edges;
    for (int pulse = 0; pulse < pulsesPerGroup; ++pulse)
        edges << firstRise + pulse * pitch << firstRise + pulse * pitch + width;
    return edges;
}

QImage pulseTiming(const QString &firstName, const QVector<qreal> &firstEdges,
                   const QString &secondName, bool secondStartsHigh,
                   const QVector<qreal> &secondEdges)
{
    QImage image = style::canvas(pulseWidth, pulseHeight, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);
    style::traceName(painter, 4.0, 34.0, firstHighY, firstHighY + levelGap, firstName);
    style::traceName(painter, 4.0, 34.0, secondHighY, secondHighY + levelGap, secondName);
    style::levelTrace(painter, traceLeft, traceRight, firstHighY, firstHighY + levelGap, false,
                      firstEdges);
    style::levelTrace(painter, traceLeft, traceRight, secondHighY, secondHighY + levelGap,
                      secondStartsHigh, secondEdges);
    painter.end();
    return image;
}

// Step and direction: every pulse is a step, and the direction input's level says which way.
QImage stepDirection()
{
    return pulseTiming(QStringLiteral("Step"), pulses(firstGroupX) + pulses(secondGroupX),
                       QStringLiteral("Dir"), true, {reversalX});
}

// One pulse input for each way of turning; the other input stays quiet meanwhile.
QImage clockwiseCounterclockwise()
{
    return pulseTiming(QStringLiteral("CW"), pulses(firstGroupX), QStringLiteral("CCW"), false,
                       pulses(secondGroupX));
}

// Correction pictures: the correction equals the position error until it reaches its limit.
// Both axes keep one scale in every picture, so the limits can be compared between them.
const int correctionWidth = 230;
const int correctionHeight = 160;
const QPointF origin(46.0, 138.0);
const qreal errorLimitX = 186.0;
const qreal fullCorrection = 80.0; // pixels for a correction as large as the error limit

QImage correctionProfile(int percent)
{
    QImage image = style::canvas(correctionWidth, correctionHeight, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);

    painter.setPen(style::pen(style::stroke, 1.5));
    painter.drawLine(origin, QPointF(correctionWidth - 6.0, origin.y()));
    painter.drawLine(origin, QPointF(origin.x(), 10.0));
    style::arrowHead(painter, origin, QPointF(correctionWidth - 2.0, origin.y()), 7.0,
                     style::stroke);
    style::arrowHead(painter, origin, QPointF(origin.x(), 6.0), 7.0, style::stroke);
    smallLabel(painter, QRectF(origin.x() + 6.0, 0.0, 80.0, 14.0), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("correction"));
    smallLabel(painter,
               QRectF(origin.x(), origin.y() + 4.0, correctionWidth - origin.x() - 4.0, 14.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("position error"));

    // Beyond the error limit the axis stops with a fault, so nothing is drawn past it.
    painter.setPen(style::pen(style::outline, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(errorLimitX, origin.y()), QPointF(errorLimitX, 18.0));
    smallLabel(painter, QRectF(errorLimitX - 40.0, 2.0, 80.0, 14.0), Qt::AlignCenter,
               QStringLiteral("error limit"));

    const qreal errorRange = errorLimitX - origin.x();
    const qreal capY = origin.y() - fullCorrection * percent / 100.0;
    painter.setPen(style::pen(style::active, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(origin.x(), capY), QPointF(errorLimitX, capY));
    smallLabel(painter, QRectF(origin.x() + 4.0, capY - 15.0, errorRange - 8.0, 14.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("max. correction"), style::active);
    style::text(painter, QRectF(0.0, capY - 7.0, origin.x() - 4.0, 14.0),
                Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1 %").arg(percent),
                style::font(10, true), style::active);

    // The correction follows the error up to the cap; a cap above the error limit is never met.
    const qreal reachX = origin.x() + qMin(1.0, percent / 100.0) * errorRange;
    const qreal reachY = origin.y() - (reachX - origin.x()) / errorRange * fullCorrection;
    painter.setPen(style::pen(style::accent, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(
        style::points({origin, QPointF(reachX, reachY), QPointF(errorLimitX, reachY)}));
    painter.end();
    return image;
}
} // namespace

bool writeStepperPictures(PictureWriter &writer)
{
    if (!writer.write(stepDirection(), QStringLiteral("StepDir.png"))
        || !writer.write(clockwiseCounterclockwise(), QStringLiteral("CWCCW.png")))
        return false;
    for (int percent : {25, 50, 75, 100, 125}) {
        if (!writer.write(correctionProfile(percent),
                          QStringLiteral("MaxCorrErr%1.png").arg(percent)))
            return false;
    }
    return true;
}
