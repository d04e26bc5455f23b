#include "drawingStyle.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineF>
#include <QPolygonF>
#include <QTextStream>

#include <cstdio>

namespace style {
QPen pen(const QColor &colour, qreal width, Qt::PenStyle penStyle)
{
    QPen result(colour, width, penStyle, Qt::RoundCap, Qt::RoundJoin);
    if (penStyle == Qt::DashLine)
        result.setDashPattern({3.0, 2.5});
    return result;
}

QFont font(int pixelSize, bool bold)
{
    QFont result(fontFamily);
    result.setPixelSize(pixelSize);
    result.setBold(bold);
    result.setStyleStrategy(QFont::PreferAntialias);
    return result;
}

QPolygonF points(std::initializer_list<QPointF> corners)
{
    QPolygonF result;
    result.reserve(int(corners.size()));
    for (const QPointF &corner : corners)
        result << corner;
    return result;
}

namespace {
int pixelRatio = 1;
}

void setPixelRatio(int ratio)
{
    pixelRatio = ratio;
}

QImage canvas(int width, int height, const QColor &background)
{
    QImage image(width * pixelRatio, height * pixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(background);
    // A fixed resolution keeps the written files identical from run to run.
    image.setDotsPerMeterX(3780 * pixelRatio);
    image.setDotsPerMeterY(3780 * pixelRatio);
    return image;
}

void beginPainting(QPainter &painter, QImage &image)
{
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void arrowHead(QPainter &painter, const QPointF &from, const QPointF &tip, qreal length,
               const QColor &colour)
{
    const QLineF shaft(tip, from);
    if (shaft.length() <= 0.0)
        return;
    QLineF back = shaft.unitVector();
    back.setLength(length);
    QLineF side = back.normalVector();
    side.setLength(length * 0.45);
    const QPointF base = back.p2();
    const QPointF offset = side.p2() - side.p1();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(points({tip, base + offset, base - offset}));
    painter.restore();
}

void arrow(QPainter &painter, const QPointF &from, const QPointF &to, qreal width,
           const QColor &colour, qreal headLength)
{
    // The shaft stops inside the head so that its round cap does not poke out of the tip.
    QLineF shaft(from, to);
    const qreal full = shaft.length();
    if (full > headLength * 0.5)
        shaft.setLength(full - headLength * 0.5);
    painter.save();
    painter.setPen(pen(colour, width));
    painter.drawLine(shaft);
    painter.restore();
    arrowHead(painter, from, to, headLength, colour);
}

void text(QPainter &painter, const QRectF &box, int flags, const QString &words, const QFont &font,
          const QColor &colour)
{
    painter.save();
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, flags, words);
    painter.restore();
}

void block(QPainter &painter, const QRectF &box, const QStringList &lines, const QFont &font)
{
    painter.setPen(pen(stroke, 2.0));
    painter.setBrush(blockFill);
    painter.drawRoundedRect(box, 4.0, 4.0);
    const qreal line = box.height() / lines.size();
    for (int row = 0; row < lines.size(); ++row)
        text(painter, QRectF(box.left(), box.top() + row * line, box.width(), line),
             Qt::AlignCenter, lines.at(row), font);
}

void traceName(QPainter &painter, qreal left, qreal nameWidth, qreal highY, qreal lowY,
               const QString &name)
{
    text(painter, QRectF(left, highY, nameWidth, lowY - highY), Qt::AlignLeft | Qt::AlignVCenter,
         name, font(12, true));
    const qreal letterX = left + nameWidth;
    text(painter, QRectF(letterX, highY - 7.0, 12.0, 14.0), Qt::AlignCenter, QStringLiteral("H"),
         font(10), outline);
    text(painter, QRectF(letterX, lowY - 7.0, 12.0, 14.0), Qt::AlignCenter, QStringLiteral("L"),
         font(10), outline);
}

void levelTrace(QPainter &painter, qreal left, qreal right, qreal highY, qreal lowY, bool startHigh,
                const QVector<qreal> &edges)
{
    bool high = startHigh;
    QPolygonF line;
    line << QPointF(left, high ? highY : lowY);
    for (qreal edge : edges) {
        line << QPointF(edge, high ? highY : lowY);
        high = !high;
        line << QPointF(edge, high ? highY : lowY);
    }
    line << QPointF(right, high ? highY : lowY);
    painter.setPen(pen(stroke, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(line);
}

void activeDot(QPainter &painter, const QPointF &centre)
{
    painter.setPen(pen(white, 1.5));
    painter.setBrush(active);
    painter.drawEllipse(centre, 4.0, 4.0);
}
} // namespace style

PictureWriter::PictureWriter(const QString &folder)
    : m_folder(folder)
{
}

bool PictureWriter::write(const QImage &image, const QString &name)
{
    QString fileName = name;
    const int ratio = qRound(image.devicePixelRatio());
    if (ratio != 1)
        fileName.insert(name.lastIndexOf(QLatin1Char('.')), QStringLiteral("@%1x").arg(ratio));
    const QString path = QDir(m_folder).filePath(fileName);
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(path));
        return false;
    }
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    m_written.append(fileName);
    return true;
}

bool PictureWriter::writeResourceFile(const QString &name) const
{
    QFile file(QDir(m_folder).filePath(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return false;
    }
    QTextStream out(&file);
    out << "<RCC>\n    <qresource prefix=\"/images\">\n";
    for (const QString &picture : m_written)
        out << "        <file>" << picture << "</file>\n";
    out << "    </qresource>\n</RCC>\n";
    out.flush();
    return file.error() == QFile::NoError;
}

int PictureWriter::count() const
{
    return m_written.size();
}
