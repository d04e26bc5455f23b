#include "drawingStyle.h"
#include "pictureFamilies.h"

#include <QLineF>
#include <QPolygonF>

// Each picture: the device (box, its terminals on the right edge), the outside wiring, then the
// waveform at the terminal. The waveform's upper level (y 25) is the high voltage or the
// conducting state, the lower level (y 65) the low voltage or no current; the active level is the
// one drawn in the active colour, so "ActiveLow" and "ActiveOff" show it at the bottom.
namespace {
enum class Circuit
{
    SingleEndedInput,
    SingleEndedOutput,
    DifferentialOutput,
    InputSinking,
    InputSourcing,
    OutputSinking,
    OutputSourcing
};

const int pictureWidth = 220;
const int pictureHeight = 90;
const qreal upperLevel = 25.0;
const qreal lowerLevel = 65.0;
const qreal edge = 70.0;     // the device's connector edge
const qreal wireEnd = 114.0; // outside wires stop here, before the level names
const qreal topWire = 22.0;  // digital circuits: the two terminals
const qreal bottomWire = 68.0;
const qreal supplyX = 108.0;

void deviceBox(QPainter &painter)
{
    painter.setPen(style::pen(style::outline, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(6.0, 6.0, edge - 6.0, 78.0), 5.0, 5.0);
}

void terminal(QPainter &painter, qreal y)
{
    painter.setPen(style::pen(style::stroke, 1.5));
    painter.setBrush(style::white);
    painter.drawEllipse(QPointF(edge, y), 3.0, 3.0);
}

void wire(QPainter &painter, const QPolygonF &points, const QColor &colour = style::stroke)
{
    painter.setPen(style::pen(colour, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
}

void ground(QPainter &painter, const QPointF &node)
{
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.drawLine(node, node + QPointF(0.0, 5.0));
    painter.drawLine(node + QPointF(-8.0, 5.0), node + QPointF(8.0, 5.0));
    painter.drawLine(node + QPointF(-5.0, 9.0), node + QPointF(5.0, 9.0));
    painter.drawLine(node + QPointF(-2.0, 13.0), node + QPointF(2.0, 13.0));
}

void triangle(QPainter &painter, const QPointF &baseTop, const QPointF &baseBottom,
              const QPointF &apex)
{
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.setBrush(style::white);
    painter.drawPolygon(style::points({baseTop, apex, baseBottom}));
}

// The supply that closes the loop of a digital circuit, positive pole at the top.
void supply(QPainter &painter)
{
    wire(painter, style::points({QPointF(supplyX, topWire), QPointF(supplyX, 40.0)}));
    wire(painter, style::points({QPointF(supplyX, 47.0), QPointF(supplyX, bottomWire)}));
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.drawLine(QPointF(supplyX - 9.0, 40.0), QPointF(supplyX + 9.0, 40.0));
    painter.setPen(style::pen(style::stroke, 3.5));
    painter.drawLine(QPointF(supplyX - 4.5, 47.0), QPointF(supplyX + 4.5, 47.0));
    painter.setPen(style::pen(style::stroke, 1.5));
    painter.drawLine(QPointF(91.0, 35.0), QPointF(97.0, 35.0));
    painter.drawLine(QPointF(94.0, 32.0), QPointF(94.0, 38.0));
}

// An open switch between the terminal and the supply, on the given wire.
void openSwitch(QPainter &painter, qreal y)
{
    wire(painter, style::points({QPointF(edge, y), QPointF(78.0, y)}));
    wire(painter, style::points({QPointF(96.0, y), QPointF(supplyX, y)}));
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.drawLine(QPointF(78.0, y), QPointF(94.0, y - 9.0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::stroke);
    painter.drawEllipse(QPointF(78.0, y), 2.2, 2.2);
    painter.drawEllipse(QPointF(96.0, y), 2.2, 2.2);
}

void load(QPainter &painter, qreal y)
{
    wire(painter, style::points({QPointF(edge, y), QPointF(79.0, y)}));
    wire(painter, style::points({QPointF(97.0, y), QPointF(supplyX, y)}));
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.setBrush(style::white);
    painter.drawRect(QRectF(79.0, y - 5.0, 18.0, 10.0));
}

void plainWire(QPainter &painter, qreal y)
{
    wire(painter, style::points({QPointF(edge, y), QPointF(supplyX, y)}));
}

// Which way current crosses the terminal: the clearest mark of sinking against sourcing.
void current(QPainter &painter, qreal y, bool intoDevice)
{
    const QPointF inner(52.0, y);
    const QPointF outer(63.0, y);
    if (intoDevice)
        style::arrowHead(painter, outer, inner, 9.0, style::accent);
    else
        style::arrowHead(painter, inner, outer, 9.0, style::accent);
}

void terminalName(QPainter &painter, qreal y, bool belowWire, const QString &name)
{
    const QRectF box(40.0, belowWire ? y + 3.0 : y - 14.0, 26.0, 11.0);
    style::text(painter, box, Qt::AlignRight | Qt::AlignVCenter, name, style::font(9));
}

// The optocoupler's light-emitting diode, conducting from the upper to the lower terminal.
void optocouplerInput(QPainter &painter, bool sinking)
{
    wire(painter,
         style::points({QPointF(edge, topWire), QPointF(40.0, topWire), QPointF(40.0, 36.0)}));
    wire(painter, style::points(
                      {QPointF(40.0, 50.0), QPointF(40.0, bottomWire), QPointF(edge, bottomWire)}));
    triangle(painter, QPointF(32.0, 36.0), QPointF(48.0, 36.0), QPointF(40.0, 50.0));
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.drawLine(QPointF(32.0, 50.0), QPointF(48.0, 50.0));
    style::arrow(painter, QPointF(29.0, 40.0), QPointF(17.0, 34.0), 1.5, style::accent, 5.0);
    style::arrow(painter, QPointF(29.0, 47.0), QPointF(17.0, 41.0), 1.5, style::accent, 5.0);

    const QString in = QStringLiteral("IN");
    const QString common = QStringLiteral("COM");
    terminalName(painter, topWire, true, sinking ? in : common);
    terminalName(painter, bottomWire, false, sinking ? common : in);
    current(painter, sinking ? topWire : bottomWire, sinking);

    supply(painter);
    if (sinking) {
        openSwitch(painter, topWire);
        plainWire(painter, bottomWire);
    } else {
        plainWire(painter, topWire);
        openSwitch(painter, bottomWire);
    }
}

// An NPN transistor pulls the load to common; a PNP transistor drives it from the supply.
void transistorOutput(QPainter &painter, bool sinking)
{
    const QPointF centre(33.0, 45.0);
    painter.setPen(style::pen(style::stroke, 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, 14.0, 14.0);

    wire(painter, style::points({QPointF(12.0, 45.0), QPointF(28.0, 45.0)}), style::accent);
    painter.setPen(style::pen(style::stroke, 2.5));
    painter.drawLine(QPointF(28.0, 36.0), QPointF(28.0, 54.0));

    const QPointF upperInner(28.0, 40.0);
    const QPointF upperOuter(40.0, 33.0);
    const QPointF lowerInner(28.0, 50.0);
    const QPointF lowerOuter(40.0, 57.0);
    wire(painter,
         style::points({upperInner, upperOuter, QPointF(40.0, topWire), QPointF(edge, topWire)}));
    wire(painter, style::points({lowerInner, lowerOuter, QPointF(40.0, bottomWire),
                                 QPointF(edge, bottomWire)}));
    // The emitter's arrow is what tells NPN (pointing out) from PNP (pointing in).
    if (sinking)
        style::arrowHead(painter, lowerInner, QLineF(lowerInner, lowerOuter).pointAt(0.95), 8.0,
                         style::stroke);
    else
        style::arrowHead(painter, upperOuter, QLineF(upperOuter, upperInner).pointAt(0.75), 8.0,
                         style::stroke);

    const QString out = QStringLiteral("OUT");
    const QString common = QStringLiteral("COM");
    terminalName(painter, topWire, true, sinking ? out : common);
    terminalName(painter, bottomWire, false, sinking ? common : out);
    current(painter, sinking ? topWire : bottomWire, sinking);

    supply(painter);
    if (sinking) {
        load(painter, topWire);
        plainWire(painter, bottomWire);
    } else {
        plainWire(painter, topWire);
        load(painter, bottomWire);
    }
}

// The reference that makes a line single-ended: the receiver or driver and the second terminal
// share ground.
void groundReference(QPainter &painter, const QPointF &onTriangle)
{
    const QPointF node(onTriangle.x(), 62.0);
    wire(painter, style::points({onTriangle, node, QPointF(edge, 62.0), QPointF(wireEnd, 62.0)}));
    ground(painter, node);
}

void singleEnded(QPainter &painter, bool input)
{
    const qreal y = 30.0;
    if (input) {
        wire(painter, style::points({QPointF(wireEnd, y), QPointF(52.0, y)}), style::accent);
        wire(painter, style::points({QPointF(30.0, y), QPointF(12.0, y)}), style::accent);
        triangle(painter, QPointF(52.0, 19.0), QPointF(52.0, 41.0), QPointF(30.0, y));
        groundReference(painter, QPointF(44.0, 37.0));
        style::arrowHead(painter, QPointF(106.0, y), QPointF(88.0, y), 9.0, style::accent);
    } else {
        wire(painter, style::points({QPointF(12.0, y), QPointF(30.0, y)}), style::accent);
        wire(painter, style::points({QPointF(52.0, y), QPointF(wireEnd, y)}), style::accent);
        triangle(painter, QPointF(30.0, 19.0), QPointF(30.0, 41.0), QPointF(52.0, y));
        groundReference(painter, QPointF(38.0, 37.0));
        style::arrowHead(painter, QPointF(88.0, y), QPointF(106.0, y), 9.0, style::accent);
    }
    terminal(painter, y);
    terminal(painter, 62.0);
}

void differentialOutput(QPainter &painter)
{
    const qreal plusY = 30.0;
    const qreal minusY = 62.0;
    wire(painter, style::points({QPointF(12.0, 45.0), QPointF(24.0, 45.0)}), style::accent);
    wire(painter,
         style::points({QPointF(38.0, 38.0), QPointF(58.0, 38.0), QPointF(58.0, plusY),
                        QPointF(wireEnd, plusY)}),
         style::accent);
    wire(painter,
         style::points({QPointF(44.0, 52.0), QPointF(58.0, 52.0), QPointF(58.0, minusY),
                        QPointF(wireEnd, minusY)}),
         style::accent);
    triangle(painter, QPointF(24.0, 29.0), QPointF(24.0, 61.0), QPointF(50.0, 45.0));
    // The inverting bubble marks the complementary output.
    painter.setPen(style::pen(style::stroke, 1.5));
    painter.setBrush(style::white);
    painter.drawEllipse(QPointF(41.5, 52.0), 2.6, 2.6);

    style::arrowHead(painter, QPointF(88.0, plusY), QPointF(106.0, plusY), 9.0, style::accent);
    style::arrowHead(painter, QPointF(88.0, minusY), QPointF(106.0, minusY), 9.0, style::accent);
    const QFont signFont = style::font(13, true);
    style::text(painter, QRectF(74.0, plusY - 18.0, 14.0, 16.0), Qt::AlignCenter,
                QStringLiteral("+"), signFont);
    style::text(painter, QRectF(74.0, minusY - 18.0, 14.0, 16.0), Qt::AlignCenter,
                QString(QChar(0x2212)), signFont);
    terminal(painter, plusY);
    terminal(painter, minusY);
}

void waveform(QPainter &painter, bool activeAtTop, const QString &upperName,
              const QString &lowerName)
{
    const QFont nameFont = style::font(10);
    style::text(painter, QRectF(116.0, upperLevel - 8.0, 24.0, 16.0),
                Qt::AlignRight | Qt::AlignVCenter, upperName, nameFont);
    style::text(painter, QRectF(116.0, lowerLevel - 8.0, 24.0, 16.0),
                Qt::AlignRight | Qt::AlignVCenter, lowerName, nameFont);

    const qreal activeY = activeAtTop ? upperLevel : lowerLevel;
    const qreal restY = activeAtTop ? lowerLevel : upperLevel;
    const qreal left = 146.0;
    const qreal rise = 164.0;
    const qreal fall = 196.0;
    const qreal right = 214.0;
    wire(painter,
         style::points({QPointF(left, restY), QPointF(rise, restY), QPointF(rise, activeY),
                        QPointF(fall, activeY), QPointF(fall, restY), QPointF(right, restY)}));
    painter.setPen(style::pen(style::active, 3.5));
    painter.drawLine(QPointF(rise, activeY), QPointF(fall, activeY));
}

QImage picture(Circuit circuit, bool activeAtTop)
{
    QImage image = style::canvas(pictureWidth, pictureHeight, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);
    deviceBox(painter);

    bool digital = true;
    switch (circuit) {
    case Circuit::SingleEndedInput:
        singleEnded(painter, true);
        digital = false;
        break;
    case Circuit::SingleEndedOutput:
        singleEnded(painter, false);
        digital = false;
        break;
    case Circuit::DifferentialOutput:
        differentialOutput(painter);
        digital = false;
        break;
    case Circuit::InputSinking:
        optocouplerInput(painter, true);
        break;
    case Circuit::InputSourcing:
        optocouplerInput(painter, false);
        break;
    case Circuit::OutputSinking:
        transistorOutput(painter, true);
        break;
    case Circuit::OutputSourcing:
        transistorOutput(painter, false);
        break;
    }
    if (digital) {
        terminal(painter, topWire);
        terminal(painter, bottomWire);
        waveform(painter, activeAtTop, QStringLiteral("on"), QStringLiteral("off"));
    } else {
        waveform(painter, activeAtTop, QStringLiteral("H"), QStringLiteral("L"));
    }
    painter.end();
    return image;
}

struct Entry
{
    const char *name;
    Circuit circuit;
    bool activeAtTop;
};

const Entry entries[] = {
    {"SEInputActiveHigh.png", Circuit::SingleEndedInput, true},
    {"SEInputActiveLow.png", Circuit::SingleEndedInput, false},
    {"SEOutputActiveHigh.png", Circuit::SingleEndedOutput, true},
    {"SEOutputActiveLow.png", Circuit::SingleEndedOutput, false},
    {"DiffOutputActiveHigh.png", Circuit::DifferentialOutput, true},
    {"DiffOutputActiveLow.png", Circuit::DifferentialOutput, false},
    {"DISinkingActiveOn.png", Circuit::InputSinking, true},
    {"DISinkingActiveOff.png", Circuit::InputSinking, false},
    {"DISourcingActiveOn.png", Circuit::InputSourcing, true},
    {"DISourcingActiveOff.png", Circuit::InputSourcing, false},
    {"DOsinkingActiveOn.png", Circuit::OutputSinking, true},
    {"DOsinkingActiveOff.png", Circuit::OutputSinking, false},
    {"DOsourcingActiveOn.png", Circuit::OutputSourcing, true},
    {"DOsourcingActiveOff.png", Circuit::OutputSourcing, false},
};
} // namespace

bool writeIoStatePictures(PictureWriter &writer)
{
    for (const Entry &entry : entries) {
        if (!writer.write(picture(entry.circuit, entry.activeAtTop),
                          QString::fromLatin1(entry.name)))
            return false;
    }
    return true;
}
