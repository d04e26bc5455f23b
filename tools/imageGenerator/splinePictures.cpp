#include "drawingStyle.h"
#include "pictureFamilies.h"

#include <QPolygonF>

#include <array>

// The spline page shows, for each curve type, what the curve makes of the same control points:
// a Catmull-Rom spline runs through every point, a cubic B-spline only leans toward them. Both
// curves are evaluated from their blending functions, segment by segment.
namespace {
const int pictureWidth = 300;
const int pictureHeight = 170;

const QPolygonF controlPoints
    = style::points({QPointF(24.0, 112.0), QPointF(74.0, 28.0), QPointF(128.0, 98.0),
                     QPointF(178.0, 22.0), QPointF(230.0, 122.0), QPointF(276.0, 46.0)});

// The weights of a segment's four consecutive points at the parameter t in [0, 1].
using Blending = std::array<qreal, 4> (*)(qreal t);

std::array<qreal, 4> catmullRom(qreal t)
{
    const qreal t2 = t * t;
    const qreal t3 = t2 * t;
    return {0.5 * (-t3 + 2.0 * t2 - t), 0.5 * (3.0 * t3 - 5.0 * t2 + 2.0),
            0.5 * (-3.0 * t3 + 4.0 * t2 + t), 0.5 * (t3 - t2)};
}

std::array<qreal, 4> cubicB(qreal t)
{
    const qreal u = 1.0 - t;
    const qreal t2 = t * t;
    const qreal t3 = t2 * t;
    return {u * u * u / 6.0, (3.0 * t3 - 6.0 * t2 + 4.0) / 6.0,
            (-3.0 * t3 + 3.0 * t2 + 3.0 * t + 1.0) / 6.0, t3 / 6.0};
}

// The end points are repeated so that both curves begin and end on them: once for Catmull-Rom,
// whose segments join their two middle points, twice for the B-spline, which reaches a point only
// where three neighbours coincide.
QPolygonF padded(int repeats)
{
    QPolygonF result;
    for (int i = 0; i < repeats; ++i)
        result << controlPoints.first();
    result << controlPoints;
    for (int i = 0; i < repeats; ++i)
        result << controlPoints.last();
    return result;
}

QPolygonF curve(const QPolygonF &points, Blending blending)
{
    const int stepsPerSegment = 32;
    QPolygonF result;
    for (int segment = 0; segment + 3 < points.size(); ++segment) {
        for (int step = segment == 0 ? 0 : 1; step <= stepsPerSegment; ++step) {
            const std::array<qreal, 4> weights = blending(qreal(step) / stepsPerSegment);
            QPointF point;
            for (int k = 0; k < 4; ++k)
                point += weights[k] * points.at(segment + k);
            result << point;
        }
    }
    return result;
}

QImage picture(const QPolygonF &line, bool withControlPolygon, const QString &caption)
{
    QImage image = style::canvas(pictureWidth, pictureHeight, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);
    painter.setBrush(Qt::NoBrush);
    if (withControlPolygon) {
        painter.setPen(style::pen(style::outline, 1.0));
        painter.drawPolyline(controlPoints);
    }
    painter.setPen(style::pen(style::accent, 2.0));
    painter.drawPolyline(line);
    painter.setPen(style::pen(style::stroke, 1.5));
    painter.setBrush(style::white);
    for (const QPointF &point : controlPoints)
        painter.drawEllipse(point, 4.0, 4.0);
    style::text(painter, QRectF(0.0, pictureHeight - 26.0, pictureWidth, 20.0), Qt::AlignCenter,
                caption, style::font(12));
    painter.end();
    return image;
}
} // namespace

bool writeSplinePictures(PictureWriter &writer)
{
    return writer.write(picture(curve(padded(1), catmullRom), false,
                                QStringLiteral("passes through the points")),
                        QStringLiteral("CatmullRom.png"))
           && writer.write(
               picture(curve(padded(2), cubicB), true, QStringLiteral("approximates the points")),
               QStringLiteral("CubicB.png"));
}
