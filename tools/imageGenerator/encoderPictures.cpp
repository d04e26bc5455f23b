#include "drawingStyle.h"
#include "pictureFamilies.h"

#include <QLineF>
#include <QPolygonF>
#include <QVector>
#include <QtMath>

#include <algorithm>
#include <cmath>

// The encoder page shows how the axis turns counts into a velocity beside its filter and limit
// settings, and one phasing picture per index setting: the levels of A, B and the index pulse at
// the moment the index is recognised.
namespace {
void smallLabel(QPainter &painter, const QRectF &box, int flags, const QString &words,
                const QColor &colour = style::stroke)
{
    style::text(painter, box, flags, words, style::font(10), colour);
}

void signalArrow(QPainter &painter, const QPointF &from, const QPointF &to)
{
    style::arrow(painter, from, to, 2.0, style::accent, 7.0);
}

// Velocity picture: the signal path along the top, and below it what the filter does to the
// jittery estimate that whole counts give at low speed, against the threshold.
const int velocityWidth = 260;
const int velocityHeight = 180;
const qreal pathY = 44.0;

void velocityPath(QPainter &painter)
{
    const QRectF estimate(50.0, pathY - 18.0, 44.0, 36.0);
    const QRectF filter(110.0, pathY - 20.0, 98.0, 40.0);

    signalArrow(painter, QPointF(2.0, pathY), QPointF(estimate.left(), pathY));
    smallLabel(painter, QRectF(4.0, pathY + 4.0, estimate.left() - 6.0, 14.0),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("counts"));

    smallLabel(painter, QRectF(estimate.left() - 10.0, 4.0, estimate.width() + 20.0, 14.0),
               Qt::AlignCenter, QStringLiteral("estimate"));
    style::block(painter, estimate, {QStringLiteral("\u0394x/\u0394t")}, style::font(12, true));
    signalArrow(painter, QPointF(estimate.right(), pathY), QPointF(filter.left(), pathY));

    smallLabel(painter, QRectF(filter.left(), 4.0, filter.width(), 14.0), Qt::AlignCenter,
               QStringLiteral("averaged over"));
    style::block(painter, filter,
                 {QStringLiteral("Filter Time"), QStringLiteral("Filter Distance")},
                 style::font(11, true));

    signalArrow(painter, QPointF(filter.right(), pathY), QPointF(velocityWidth - 2.0, pathY));
    smallLabel(
        painter,
        QRectF(filter.right() + 4.0, pathY + 4.0, velocityWidth - filter.right() - 6.0, 14.0),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("velocity"));
}

// The axis's speed over time as a share of the plot's height: slow, speeding up, then steady.
qreal trueVelocity(qreal share)
{
    const qreal ramp = qBound(0.0, (share - 0.1) / 0.4, 1.0);
    return 0.1 + 0.75 * ramp * ramp * (3.0 - 2.0 * ramp);
}

// The point where the line from `from` to `to` meets the height `y`.
QPointF crossing(const QPointF &from, const QPointF &to, qreal y)
{
    return QLineF(from, to).pointAt((y - from.y()) / (to.y() - from.y()));
}

void velocityPlot(QPainter &painter)
{
    const QPointF origin(22.0, 170.0);
    const qreal left = origin.x() + 4.0;
    const qreal right = velocityWidth - 12.0;
    const qreal floorY = origin.y() - 4.0;
    const qreal scale = 80.0; // pixels for the full speed
    const qreal thresholdY = floorY - 0.6 * scale;

    painter.setPen(style::pen(style::stroke, 1.5));
    painter.drawLine(origin, QPointF(velocityWidth - 6.0, origin.y()));
    painter.drawLine(origin, QPointF(origin.x(), 78.0));
    style::arrowHead(painter, origin, QPointF(velocityWidth - 2.0, origin.y()), 7.0, style::stroke);
    style::arrowHead(painter, origin, QPointF(origin.x(), 74.0), 7.0, style::stroke);
    smallLabel(painter, QRectF(4.0, 72.0, 14.0, 14.0), Qt::AlignCenter, QStringLiteral("v"));
    smallLabel(painter, QRectF(velocityWidth - 16.0, origin.y() - 16.0, 14.0, 14.0),
               Qt::AlignCenter, QStringLiteral("t"));

    // Each sample of the estimate is off by a fraction of a count; the filter averages the last
    // few samples, smoothing the jitter at the cost of a little lag.
    const qreal step = 8.0;
    const int window = 4;
    QPolygonF estimate;
    QPolygonF filtered;
    QVector<qreal> samples;
    for (qreal x = left; x <= right; x += step) {
        const int index = samples.size();
        const qreal jitter = 0.07 * qSin(index * 2.4) + 0.04 * qSin(index * 5.3);
        samples.append(floorY - (trueVelocity((x - left) / (right - left)) + jitter) * scale);
        if (!estimate.isEmpty())
            estimate << QPointF(x, estimate.last().y());
        estimate << QPointF(x, samples.last());
        const int first = std::max(0, index - window + 1);
        qreal sum = 0.0;
        for (int i = first; i <= index; ++i)
            sum += samples.at(i);
        filtered << QPointF(x, sum / (index - first + 1));
    }
    estimate << QPointF(right, estimate.last().y());

    painter.setBrush(Qt::NoBrush);
    painter.setPen(style::pen(style::outline, 1.5));
    painter.drawPolyline(estimate);
    painter.setPen(style::pen(style::accent, 2.0));
    painter.drawPolyline(filtered);

    painter.setPen(style::pen(style::active, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(left, thresholdY), QPointF(right, thresholdY));
    smallLabel(painter, QRectF(right - 120.0, thresholdY + 3.0, 120.0, 14.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("Velocity Threshold"),
               style::active);
    for (int i = 1; i < filtered.size(); ++i) {
        if (filtered.at(i).y() <= thresholdY && filtered.at(i - 1).y() > thresholdY) {
            style::activeDot(painter, crossing(filtered.at(i - 1), filtered.at(i), thresholdY));
            break;
        }
    }
}

QImage velocityFeedback()
{
    QImage image = style::canvas(velocityWidth, velocityHeight, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);
    velocityPath(painter);
    velocityPlot(painter);
    painter.end();
    return image;
}

// Phasing pictures: A, B and the index stacked, each trace's high level 24 px above its low
// level. B lags A by a quarter period, so each pair of A and B levels lasts a quarter period; the
// marker sits in the middle of that quarter and the index pulse spans it.
const int phasingWidth = 300;
const int phasingHeight = 150;
// The encoder page has room for 250 × 125: the drawing is scaled, not the finished picture, so
// lines and letters stay sharp.
const qreal phasingScale = 250.0 / 300.0;
const qreal traceLeft = 64.0;
const qreal traceRight = 292.0;
const qreal markerX = 180.0;
const qreal period = 136.0;
const qreal quarter = period / 4.0;
const qreal rowPitch = 46.0;
const qreal levelGap = 24.0;

struct Levels
{
    bool a;
    bool b;
    bool indexPulseHigh;
};

qreal highY(int row)
{
    return 16.0 + row * rowPitch;
}

qreal levelY(int row, bool high)
{
    return high ? highY(row) : highY(row) + levelGap;
}

// A square wave whose rising edges fall on `origin` plus whole periods.
QVector<qreal> squareWaveEdges(qreal origin)
{
    QVector<qreal> edges;
    const qreal half = period / 2.0;
    for (qreal edge = origin + qCeil((traceLeft - origin) / half) * half; edge < traceRight;
         edge += half)
        edges.append(edge);
    return edges;
}

bool squareWaveHighAt(qreal origin, qreal x)
{
    const qreal phase = std::fmod(x - origin, period);
    return (phase < 0.0 ? phase + period : phase) < period / 2.0;
}

void trace(QPainter &painter, int row, bool startHigh, const QVector<qreal> &edges)
{
    style::levelTrace(painter, traceLeft, traceRight, levelY(row, true), levelY(row, false),
                      startHigh, edges);
}

void traceNames(QPainter &painter, int row, const QString &name)
{
    style::traceName(painter, 4.0, 42.0, levelY(row, true), levelY(row, false), name);
}

// The recognised level: the trace's stretch around the marker, a dot on it and its letter, set
// on the inner side of the level so that it stays clear of the line.
void markLevel(QPainter &painter, int row, bool high)
{
    const qreal y = levelY(row, high);
    painter.setPen(style::pen(style::active, 3.5));
    painter.drawLine(QPointF(markerX - quarter / 2.0, y), QPointF(markerX + quarter / 2.0, y));
    style::activeDot(painter, QPointF(markerX, y));
    const QRectF box(markerX + 4.0, high ? y + 2.0 : y - 15.0, 12.0, 13.0);
    style::text(painter, box, Qt::AlignCenter, high ? QStringLiteral("H") : QStringLiteral("L"),
                style::font(11, true), style::active);
}

QImage phasing(const Levels &levels)
{
    QImage image = style::canvas(qRound(phasingWidth * phasingScale),
                                 qRound(phasingHeight * phasingScale), Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);
    painter.scale(phasingScale, phasingScale);

    // Quarters of A's period in order: A high with B low, both high, A low with B high, both low.
    const int quarterAtMarker = levels.a ? (levels.b ? 1 : 0) : (levels.b ? 2 : 3);
    const qreal originA = markerX - (quarterAtMarker + 0.5) * quarter;
    const qreal originB = originA + quarter;
    const bool pulseHigh = levels.indexPulseHigh;

    traceNames(painter, 0, QStringLiteral("A"));
    traceNames(painter, 1, QStringLiteral("B"));
    traceNames(painter, 2, QStringLiteral("Index"));
    trace(painter, 0, squareWaveHighAt(originA, traceLeft), squareWaveEdges(originA));
    trace(painter, 1, squareWaveHighAt(originB, traceLeft), squareWaveEdges(originB));
    trace(painter, 2, !pulseHigh, {markerX - quarter / 2.0, markerX + quarter / 2.0});

    painter.setPen(style::pen(style::active, 1.5, Qt::DashLine));
    painter.drawLine(QPointF(markerX, 4.0), QPointF(markerX, phasingHeight - 4.0));
    markLevel(painter, 0, levels.a);
    markLevel(painter, 1, levels.b);
    markLevel(painter, 2, pulseHigh);
    painter.end();
    return image;
}

QString phasingName(const Levels &levels)
{
    const auto letter = [](bool high) {
        return high ? QLatin1Char('H') : QLatin1Char('L');
    };
    return QStringLiteral("encsignalphasing_%1%2%3.png")
        .arg(letter(levels.a))
        .arg(letter(levels.b))
        .arg(letter(levels.indexPulseHigh));
}
} // namespace

bool writeEncoderPictures(PictureWriter &writer)
{
    if (!writer.write(velocityFeedback(), QStringLiteral("EncoderVelocityFeedback_small.png")))
        return false;
    // Counting from LLL to HHH, A's level is the highest bit and the index pulse's the lowest.
    for (int bits = 0; bits < 8; ++bits) {
        const Levels levels{(bits & 4) != 0, (bits & 2) != 0, (bits & 1) != 0};
        if (!writer.write(phasing(levels), phasingName(levels)))
            return false;
    }
    return true;
}
