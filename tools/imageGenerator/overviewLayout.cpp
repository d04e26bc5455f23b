#include "overviewLayout.h"

#include <QRect>

namespace overview {
namespace {
struct Slot
{
    const char *name;
    QRect rect;
};

const Slot slotTable[] = {
    {"gmodeSetup", QRect(20, 44, 48, 48)},          {"gmodeTrajectory", QRect(20, 100, 48, 48)},
    {"gmodeSpline", QRect(20, 156, 48, 48)},        {"gmodePositionLoop", QRect(196, 100, 48, 48)},
    {"gmodeDriveSignals", QRect(346, 44, 48, 48)},  {"gmodeMultiPurpose", QRect(346, 100, 48, 48)},
    {"gmodeBrake", QRect(488, 44, 48, 48)},         {"gmodeEnc", QRect(556, 44, 48, 48)},
    {"gmodeLimitsAndHome", QRect(683, 44, 48, 48)}, {"gmodeDigitalIO", QRect(60, 238, 48, 48)},
    {"gmodeAnalogIO", QRect(250, 238, 48, 48)},     {"gmodeComp", QRect(440, 238, 48, 48)},
    {"gmodeCapt", QRect(630, 238, 48, 48)},
};
} // namespace

QRectF slot(const char *name)
{
    for (const Slot &entry : slotTable) {
        if (qstrcmp(entry.name, name) == 0)
            return QRectF(entry.rect);
    }
    return QRectF();
}

QPen outlinePen(bool dashed, const QColor &colour, qreal width)
{
    return style::pen(colour, width, dashed ? Qt::DashLine : Qt::SolidLine);
}

QRectF part(QPainter &painter, const char *name, bool dashed)
{
    const QRectF frame = slot(name).adjusted(1.0, 1.0, -1.0, -1.0);
    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::white);
    painter.drawRoundedRect(frame, 6.0, 6.0);
    return frame.adjusted(1.0, 1.0, -1.0, -1.0);
}

void block(QPainter &painter, const QRectF &box, const QString &title, bool dashed)
{
    painter.setPen(outlinePen(dashed));
    painter.setBrush(style::blockFill);
    painter.drawRoundedRect(box, 8.0, 8.0);
    style::text(painter, QRectF(box.left() + 10.0, box.top() + 4.0, box.width() - 14.0, 22.0),
                Qt::AlignLeft | Qt::AlignVCenter, title, style::font(13, true));
}

void partTitle(QPainter &painter, const char *slotName, const QString &title)
{
    const QRectF above = slot(slotName);
    style::text(painter, QRectF(above.center().x() - 50.0, 12.0, 100.0, 22.0), Qt::AlignCenter,
                title, style::font(12));
}

void smallLabel(QPainter &painter, const QRectF &box, int flags, const QString &words)
{
    style::text(painter, box, flags, words, style::font(10));
}

void signalLine(QPainter &painter, const QPolygonF &points, bool dashed)
{
    painter.setPen(outlinePen(dashed, style::accent));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
}

void signalArrow(QPainter &painter, const QPointF &from, const QPointF &to)
{
    style::arrow(painter, from, to, 2.0, style::accent, 8.0);
}

void dot(QPainter &painter, const QPointF &centre)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::accent);
    painter.drawEllipse(centre, 3.0, 3.0);
}

QRectF plotAxes(QPainter &painter, const QRectF &room)
{
    const QPointF origin(room.left() + 7.0, room.bottom() - 7.0);
    painter.setPen(style::pen(style::stroke, 1.5));
    painter.drawLine(origin, QPointF(room.right() - 5.0, origin.y()));
    painter.drawLine(origin, QPointF(origin.x(), room.top() + 5.0));
    return QRectF(QPointF(origin.x() + 2.0, room.top() + 9.0),
                  QPointF(room.right() - 7.0, origin.y() - 2.0));
}
} // namespace overview
