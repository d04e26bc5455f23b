#include "drawingStyle.h"
#include "pictureFamilies.h"

#include <QLineF>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <functional>

// Navigation icons are shown at about 33 to 41 px, so each is one bold idea in 3 px strokes.
namespace {
const int iconSize = 64;
const qreal line = 3.0;

QPen dark()
{
    return style::pen(style::stroke, line);
}

QPen blue(qreal width = line)
{
    return style::pen(style::accent, width);
}

QPointF polar(const QPointF &centre, qreal radius, qreal degrees)
{
    const qreal radians = qDegreesToRadians(degrees);
    return centre + QPointF(radius * qCos(radians), radius * qSin(radians));
}

QPolygonF toothedOutline(const QPointF &centre, int teeth, qreal outer, qreal root,
                         qreal toothShare)
{
    QPolygonF outline;
    const qreal pitch = 360.0 / teeth;
    const qreal half = pitch * toothShare / 2.0;
    for (int tooth = 0; tooth < teeth; ++tooth) {
        const qreal middle = tooth * pitch - 90.0;
        outline << polar(centre, root, middle - half - pitch * 0.08)
                << polar(centre, outer, middle - half + pitch * 0.04)
                << polar(centre, outer, middle + half - pitch * 0.04)
                << polar(centre, root, middle + half + pitch * 0.08);
    }
    return outline;
}

void ruler(QPainter &painter)
{
    painter.setPen(dark());
    painter.drawLine(QPointF(5.0, 54.0), QPointF(59.0, 54.0));
    for (int tick = 0; tick <= 6; ++tick) {
        const qreal x = 8.0 + tick * 8.0;
        const qreal top = tick % 3 == 0 ? 44.0 : 48.0;
        painter.drawLine(QPointF(x, 54.0), QPointF(x, top));
    }
}

void axisSetup(QPainter &painter)
{
    const QPointF centre(32.0, 32.0);
    painter.setPen(dark());
    painter.setBrush(style::blockFill);
    painter.drawPolygon(toothedOutline(centre, 8, 28.0, 20.0, 0.42));
    painter.setPen(blue());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 8.0, 8.0);
}

void trajectory(QPainter &painter)
{
    style::arrow(painter, QPointF(7.0, 58.0), QPointF(7.0, 5.0), line, style::stroke, 9.0);
    style::arrow(painter, QPointF(6.0, 57.0), QPointF(60.0, 57.0), line, style::stroke, 9.0);
    painter.setPen(blue(3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(style::points(
        {QPointF(9.0, 55.0), QPointF(22.0, 19.0), QPointF(40.0, 19.0), QPointF(53.0, 55.0)}));
}

void controlLoop(QPainter &painter)
{
    const QPointF junction(12.0, 24.0);
    const qreal radius = 8.0;
    painter.setPen(dark());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(junction, radius, radius);
    painter.drawLine(polar(junction, radius, 45.0), polar(junction, radius, 225.0));
    painter.drawLine(polar(junction, radius, 135.0), polar(junction, radius, 315.0));
    painter.setBrush(style::blockFill);
    painter.drawRect(QRectF(28.0, 12.0, 20.0, 24.0));

    style::arrow(painter, QPointF(20.0, 24.0), QPointF(28.0, 24.0), line, style::accent, 7.0);
    style::arrow(painter, QPointF(48.0, 24.0), QPointF(62.0, 24.0), line, style::accent, 7.0);
    painter.setPen(blue());
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(style::points(
        {QPointF(55.0, 24.0), QPointF(55.0, 52.0), QPointF(12.0, 52.0), QPointF(12.0, 40.0)}));
    style::arrow(painter, QPointF(12.0, 41.0), QPointF(12.0, 32.0), line, style::accent, 7.0);
}

void spline(QPainter &painter)
{
    const QPolygonF knots = style::points(
        {QPointF(8.0, 50.0), QPointF(22.0, 18.0), QPointF(40.0, 44.0), QPointF(56.0, 12.0)});
    // Catmull-Rom through the points, so the curve visibly passes through every one.
    QPainterPath curve(knots.first());
    for (int i = 0; i + 1 < knots.size(); ++i) {
        const QPointF before = knots.at(i > 0 ? i - 1 : i);
        const QPointF from = knots.at(i);
        const QPointF to = knots.at(i + 1);
        const QPointF after = knots.at(i + 2 < knots.size() ? i + 2 : i + 1);
        curve.cubicTo(from + (to - before) / 6.0, to - (after - from) / 6.0, to);
    }
    painter.setPen(blue(3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curve);
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.setBrush(style::white);
    for (const QPointF &point : knots)
        painter.drawEllipse(point, 4.5, 4.5);
}

void encoder(QPainter &painter)
{
    const QPointF centre(32.0, 32.0);
    painter.setPen(dark());
    painter.setBrush(style::blockFill);
    painter.drawEllipse(centre, 28.0, 28.0);
    painter.setPen(style::pen(style::stroke, 4.5, Qt::SolidLine));
    for (int slot = 0; slot < 12; ++slot)
        painter.drawLine(polar(centre, 16.0, slot * 30.0), polar(centre, 23.0, slot * 30.0));
    painter.setPen(blue());
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 7.0, 7.0);
}

void digitalIo(QPainter &painter)
{
    painter.setPen(blue(3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(style::points(
        {QPointF(4.0, 32.0), QPointF(13.0, 32.0), QPointF(13.0, 10.0), QPointF(27.0, 10.0),
         QPointF(27.0, 32.0), QPointF(37.0, 32.0), QPointF(37.0, 10.0), QPointF(51.0, 10.0),
         QPointF(51.0, 32.0), QPointF(60.0, 32.0)}));
    style::arrow(painter, QPointF(5.0, 45.0), QPointF(42.0, 45.0), line, style::stroke, 9.0);
    style::arrow(painter, QPointF(59.0, 56.0), QPointF(22.0, 56.0), line, style::stroke, 9.0);
}

void analog(QPainter &painter)
{
    const QPointF pivot(32.0, 32.0);
    painter.setPen(dark());
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(6.0, 6.0, 52.0, 52.0), 20 * 16, 140 * 16);
    for (int tick = 0; tick < 5; ++tick) {
        const qreal angle = -160.0 + tick * 35.0;
        painter.drawLine(polar(pivot, 26.0, angle), polar(pivot, 21.0, angle));
    }
    style::arrow(painter, pivot, polar(pivot, 21.0, -55.0), line, style::stroke, 8.0);
    painter.setBrush(style::stroke);
    painter.drawEllipse(pivot, 2.5, 2.5);

    QPainterPath wave;
    for (int step = 0; step <= 56; ++step) {
        const QPointF point(4.0 + step, 49.0 - 9.0 * qSin(step * 2.0 * M_PI / 28.0));
        if (step == 0)
            wave.moveTo(point);
        else
            wave.lineTo(point);
    }
    painter.setPen(blue(3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wave);
}

void compare(QPainter &painter)
{
    ruler(painter);
    painter.setPen(blue(3.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(
        style::points({QPointF(5.0, 28.0), QPointF(30.0, 28.0), QPointF(30.0, 8.0),
                       QPointF(42.0, 8.0), QPointF(42.0, 28.0), QPointF(59.0, 28.0)}));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::accent);
    painter.drawPolygon(
        style::points({QPointF(24.0, 33.0), QPointF(36.0, 33.0), QPointF(30.0, 42.0)}));
}

void capture(QPainter &painter)
{
    ruler(painter);
    const QPointF centre(32.0, 20.0);
    const qreal outer = 16.0;
    const qreal inner = 6.5;
    painter.setPen(dark());
    painter.setBrush(style::blockFill);
    painter.drawEllipse(centre, outer, outer);
    // Each side of the central hexagon runs on to the rim: the blades of a shutter.
    painter.setPen(style::pen(style::stroke, 2.0));
    for (int blade = 0; blade < 6; ++blade) {
        const QPointF from = polar(centre, inner, blade * 60.0 - 90.0);
        const QPointF to = polar(centre, inner, blade * 60.0 - 30.0);
        const QPointF direction = (to - from) / QLineF(from, to).length();
        const QPointF offset = from - centre;
        const qreal b = QPointF::dotProduct(offset, direction);
        const qreal c = QPointF::dotProduct(offset, offset) - outer * outer;
        const qreal reach = -b + qSqrt(b * b - c);
        painter.drawLine(from, from + direction * (reach - 1.0));
    }
    style::arrow(painter, QPointF(32.0, 37.0), QPointF(32.0, 52.0), line, style::accent, 8.0);
}

void brake(QPainter &painter)
{
    const QPointF centre(26.0, 34.0);
    painter.setPen(dark());
    painter.setBrush(style::blockFill);
    painter.drawEllipse(centre, 23.0, 23.0);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 7.0, 7.0);
    painter.setPen(blue());
    painter.setBrush(style::plateFill);
    painter.drawRoundedRect(QRectF(38.0, 12.0, 20.0, 34.0), 5.0, 5.0);
    painter.setPen(blue(2.5));
    painter.drawLine(QPointF(44.0, 18.0), QPointF(44.0, 40.0));
}

void limitsAndHome(QPainter &painter)
{
    painter.setPen(dark());
    painter.setBrush(style::blockFill);
    painter.drawRect(QRectF(4.0, 48.0, 56.0, 8.0));
    painter.drawRect(QRectF(16.0, 34.0, 18.0, 14.0));
    painter.setPen(style::pen(style::stroke, 5.0));
    painter.drawLine(QPointF(6.5, 28.0), QPointF(6.5, 46.0));
    painter.drawLine(QPointF(57.5, 28.0), QPointF(57.5, 46.0));
    painter.setPen(blue());
    painter.drawLine(QPointF(44.0, 46.0), QPointF(44.0, 8.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::accent);
    painter.drawPolygon(
        style::points({QPointF(45.0, 7.0), QPointF(58.0, 13.5), QPointF(45.0, 20.0)}));
}

void driveSignals(QPainter &painter)
{
    painter.setPen(dark());
    painter.setBrush(style::blockFill);
    painter.drawRoundedRect(QRectF(4.0, 8.0, 26.0, 48.0), 3.0, 3.0);
    painter.setBrush(Qt::NoBrush);
    painter.drawPolygon(
        style::points({QPointF(11.0, 22.0), QPointF(11.0, 42.0), QPointF(24.0, 32.0)}));
    painter.setPen(blue(3.5));
    painter.drawPolyline(style::points(
        {QPointF(30.0, 26.0), QPointF(43.0, 26.0), QPointF(43.0, 14.0), QPointF(60.0, 14.0)}));
    style::arrow(painter, QPointF(60.0, 45.0), QPointF(31.0, 45.0), line, style::stroke, 9.0);
}

void stepper(QPainter &painter)
{
    const QPointF centre(32.0, 32.0);
    painter.setPen(dark());
    painter.setBrush(style::blockFill);
    painter.drawRoundedRect(QRectF(5.0, 5.0, 54.0, 54.0), 6.0, 6.0);
    painter.setBrush(Qt::NoBrush);
    const qreal corner = 12.5;
    for (const QPointF &hole :
         {QPointF(corner, corner), QPointF(64.0 - corner, corner), QPointF(corner, 64.0 - corner),
          QPointF(64.0 - corner, 64.0 - corner)})
        painter.drawEllipse(hole, 2.5, 2.5);
    painter.setPen(blue(2.5));
    painter.setBrush(style::white);
    painter.drawPolygon(toothedOutline(centre, 12, 17.0, 12.5, 0.5));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::stroke);
    painter.drawEllipse(centre, 4.0, 4.0);
}

void driveCommand(QPainter &painter)
{
    painter.setPen(dark());
    painter.setBrush(style::blockFill);
    painter.drawPolygon(
        style::points({QPointF(26.0, 10.0), QPointF(26.0, 54.0), QPointF(58.0, 32.0)}));
    painter.drawLine(QPointF(58.0, 32.0), QPointF(62.0, 32.0));
    style::arrow(painter, QPointF(2.0, 32.0), QPointF(25.0, 32.0), 3.5, style::accent, 11.0);
}

struct Entry
{
    const char *name;
    std::function<void(QPainter &)> draw;
};
} // namespace

bool writeIconPictures(PictureWriter &writer)
{
    const Entry entries[] = {
        {"Icons/axissetup.PNG", axisSetup},
        {"Icons/trajectory.png", trajectory},
        {"Icons/controlloop.PNG", controlLoop},
        {"Icons/spline.png", spline},
        {"Icons/encoder_level1.png", encoder},
        {"Icons/dio_level1.PNG", digitalIo},
        {"Icons/analog.png", analog},
        {"Icons/compare.png", compare},
        {"Icons/capture.png", capture},
        {"Icons/brake.png", brake},
        {"Icons/limitsandhome.png", limitsAndHome},
        {"Icons/drivesignals.png", driveSignals},
        {"Icons/stepper.PNG", stepper},
        {"Icons/drivecommand.png", driveCommand},
    };
    for (const Entry &entry : entries) {
        QImage image = style::canvas(iconSize, iconSize, Qt::transparent);
        QPainter painter;
        style::beginPainting(painter, image);
        entry.draw(painter);
        painter.end();
        if (!writer.write(image, QString::fromLatin1(entry.name)))
            return false;
    }
    return true;
}
