#ifndef VORNAC_IMAGEGENERATOR_DRAWINGSTYLE_H
#define VORNAC_IMAGEGENERATOR_DRAWINGSTYLE_H

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <initializer_list>

// One look for every picture, so that the pages read as one set.
namespace style {
const QColor stroke(0x30, 0x30, 0x30);
const QColor accent(0x1f, 0x6f, 0xb2);
const QColor active(0xd0, 0x40, 0x20);
const QColor outline(0x90, 0x90, 0x90);
const QColor blockFill(0xf3, 0xf6, 0xf9);
const QColor plateFill(0xdd, 0xe7, 0xf1);
const QColor white(0xff, 0xff, 0xff);

const QString fontFamily = QStringLiteral("DejaVu Sans");

QPen pen(const QColor &colour, qreal width, Qt::PenStyle penStyle = Qt::SolidLine);
QFont font(int pixelSize, bool bold = false);

// Qt 5 cannot tell a two-point brace list for QPolygonF from a rectangle's corners.
QPolygonF points(std::initializer_list<QPointF> corners);

// Pictures are drawn in layout units. A canvas holds `ratio` pixels per unit and carries that
// device pixel ratio, so the painter draws the same layout at that resolution.
void setPixelRatio(int ratio);

// A fresh canvas with an antialiasing painter already set up by beginPainting.
QImage canvas(int width, int height, const QColor &background);
void beginPainting(QPainter &painter, QImage &image);

// Filled arrow head whose tip is at `tip`, pointing away from `from`.
void arrowHead(QPainter &painter, const QPointF &from, const QPointF &tip, qreal length,
               const QColor &colour);
void arrow(QPainter &painter, const QPointF &from, const QPointF &to, qreal width,
           const QColor &colour, qreal headLength = 8.0);

void text(QPainter &painter, const QRectF &box, int flags, const QString &words, const QFont &font,
          const QColor &colour = stroke);

// A block of a signal diagram with its lines of text stacked evenly inside.
void block(QPainter &painter, const QRectF &box, const QStringList &lines, const QFont &font);

// Timing traces: the name sits left of its two levels, with H and L between name and trace.
void traceName(QPainter &painter, qreal left, qreal nameWidth, qreal highY, qreal lowY,
               const QString &name);
// A logic level that flips at each of the edges, starting from startHigh at the left end.
void levelTrace(QPainter &painter, qreal left, qreal right, qreal highY, qreal lowY, bool startHigh,
                const QVector<qreal> &edges);
// A marker dot in the active colour; its white ring keeps it visible on a line of that colour.
void activeDot(QPainter &painter, const QPointF &centre);
} // namespace style

// Writes the pictures under one folder and remembers their names for the resource file. A
// picture of device pixel ratio 2 goes beside its 1x file as name@2x.ext, where Qt looks for it.
class PictureWriter
{
public:
    explicit PictureWriter(const QString &folder);

    bool write(const QImage &image, const QString &name);
    bool writeResourceFile(const QString &name) const;
    int count() const;

private:
    QString m_folder;
    QStringList m_written;
};

#endif
