#include "drawingStyle.h"
#include "pictureFamilies.h"

#include <QPolygonF>

// The loop pages show one of these beside their settings, in a 210 px square, so each is the
// loop's signal path with the page's gain names on the blocks and a few words where signals
// enter or leave. Signals flow left to right along mainY; feedback returns along the bottom.
// The drive command page shows, wider, the path from the loop's output to the drive.
namespace {
const int pictureSize = 210;
const qreal mainY = 106.0;
const qreal junctionRadius = 8.0;
const qreal commandX = 30.0; // where the feed-forward paths leave the command
const qreal errorX = 68.0;   // the summing junction of command and feedback
const qreal returnY = 184.0;

void signalLine(QPainter &painter, const QPolygonF &points)
{
    painter.setPen(style::pen(style::accent, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(points);
}

void signalArrow(QPainter &painter, const QPointF &from, const QPointF &to)
{
    style::arrow(painter, from, to, 2.0, style::accent, 7.0);
}

void dot(QPainter &painter, const QPointF &centre)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(style::accent);
    painter.drawEllipse(centre, 2.5, 2.5);
}

void smallLabel(QPainter &painter, const QRectF &box, int flags, const QString &words)
{
    style::text(painter, box, flags, words, style::font(10));
}

// A gain block: one name per line, each a setting of the page.
void gainBlock(QPainter &painter, const QRectF &box, const QStringList &gains)
{
    style::block(painter, box, gains, style::font(12, true));
}

// A signal held between two levels, such as the integrator's output: a flat, a ramp and a flat.
void saturationBlock(QPainter &painter, const QRectF &box)
{
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.setBrush(style::blockFill);
    painter.drawRoundedRect(box, 4.0, 4.0);
    painter.setPen(style::pen(style::outline, 1.0));
    painter.drawLine(QPointF(box.left() + 4.0, box.center().y()),
                     QPointF(box.right() - 4.0, box.center().y()));
    painter.setPen(style::pen(style::active, 2.0));
    painter.drawPolyline(style::points({QPointF(box.left() + 4.0, box.bottom() - 5.0),
                                        QPointF(box.left() + 10.0, box.bottom() - 5.0),
                                        QPointF(box.right() - 10.0, box.top() + 5.0),
                                        QPointF(box.right() - 4.0, box.top() + 5.0)}));
}

void junction(QPainter &painter, const QPointF &centre)
{
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.setBrush(style::white);
    painter.drawEllipse(centre, junctionRadius, junctionRadius);
    const qreal arm = junctionRadius * 0.7071;
    painter.drawLine(centre + QPointF(-arm, -arm), centre + QPointF(arm, arm));
    painter.drawLine(centre + QPointF(-arm, arm), centre + QPointF(arm, -arm));
}

// The sign an input carries into a junction, written beside where it enters.
void junctionSign(QPainter &painter, const QPointF &topLeft, const QString &sign)
{
    style::text(painter, QRectF(topLeft, QSizeF(10.0, 12.0)), Qt::AlignCenter, sign,
                style::font(12, true));
}

// The command comes in from the left and the measured value is taken from it at errorX.
void errorJunction(QPainter &painter)
{
    const QPointF centre(errorX, mainY);
    signalArrow(painter, QPointF(2.0, mainY), QPointF(errorX - junctionRadius, mainY));
    junction(painter, centre);
    junctionSign(painter, QPointF(errorX - 20.0, mainY - 20.0), QStringLiteral("+"));
    junctionSign(painter, QPointF(errorX + 7.0, mainY + 8.0), QString(QChar(0x2212)));
    smallLabel(painter, QRectF(6.0, mainY + 4.0, errorX - junctionRadius - 6.0, 14.0),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("command"));
}

void feedback(QPainter &painter, const QPointF &source)
{
    signalLine(painter,
               style::points({source, QPointF(source.x(), returnY), QPointF(errorX, returnY),
                              QPointF(errorX, mainY + junctionRadius + 4.0)}));
    style::arrowHead(painter, QPointF(errorX, returnY), QPointF(errorX, mainY + junctionRadius),
                     7.0, style::accent);
}

// A path that runs level from `from` to above or below the junction at junctionX, then into it.
void intoJunction(QPainter &painter, const QPointF &from, qreal junctionX)
{
    const qreal side = from.y() < mainY ? -1.0 : 1.0;
    const QPointF corner(junctionX, from.y());
    signalLine(painter, style::points({from, corner,
                                       QPointF(junctionX, mainY + side * (junctionRadius + 4.0))}));
    style::arrowHead(painter, corner, QPointF(junctionX, mainY + side * junctionRadius), 7.0,
                     style::accent);
}

// The error splits at splitX: Kp along mainY into the junction at sumX, and Ki along integralY,
// whose output the caller leads on.
void proportionalAndIntegral(QPainter &painter, qreal splitX, qreal blockLeft, qreal blockRight,
                             qreal sumX, qreal integralY)
{
    signalLine(painter, style::points({QPointF(errorX + junctionRadius, mainY),
                                       QPointF(splitX, mainY), QPointF(splitX, integralY)}));
    dot(painter, QPointF(splitX, mainY));
    signalArrow(painter, QPointF(splitX, mainY), QPointF(blockLeft, mainY));
    gainBlock(painter, QRectF(blockLeft, mainY - 11.0, blockRight - blockLeft, 22.0),
              {QStringLiteral("Kp")});
    signalArrow(painter, QPointF(blockRight, mainY), QPointF(sumX - junctionRadius, mainY));

    signalArrow(painter, QPointF(splitX, integralY), QPointF(blockLeft, integralY));
    gainBlock(painter, QRectF(blockLeft, integralY - 11.0, blockRight - blockLeft, 22.0),
              {QStringLiteral("Ki")});
}

// Filters applied one after another: a stack of blocks with the front one named. Returns the
// outline of the whole stack.
QRectF filterStack(QPainter &painter, const QRectF &front, int count, const QString &name)
{
    const QPointF step(4.0, -4.0);
    painter.setPen(style::pen(style::stroke, 1.5));
    painter.setBrush(style::blockFill);
    for (int behind = count - 1; behind > 0; --behind)
        painter.drawRoundedRect(front.translated(step * behind), 4.0, 4.0);
    gainBlock(painter, front, {name});
    return front.united(front.translated(step * (count - 1)));
}

// A controller's loop: PID on the error, with velocity and acceleration feed-forward added
// after it, and the sum sent on to the drive.
QImage controllerLoop()
{
    QImage image = style::canvas(pictureSize, pictureSize, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);

    const qreal blockLeft = 94.0;
    const qreal blockRight = 136.0;
    const qreal sumX = 162.0;
    const qreal velocityY = 30.0;
    const qreal accelerationY = 62.0;

    signalLine(painter, style::points({QPointF(commandX, mainY), QPointF(commandX, velocityY)}));
    dot(painter, QPointF(commandX, accelerationY));
    signalArrow(painter, QPointF(commandX, velocityY), QPointF(blockLeft, velocityY));
    signalArrow(painter, QPointF(commandX, accelerationY), QPointF(blockLeft, accelerationY));
    gainBlock(painter, QRectF(blockLeft, velocityY - 11.0, blockRight - blockLeft, 22.0),
              {QStringLiteral("Vff")});
    gainBlock(painter, QRectF(blockLeft, accelerationY - 11.0, blockRight - blockLeft, 22.0),
              {QStringLiteral("Aff")});
    intoJunction(painter, QPointF(blockRight, velocityY), sumX);
    signalLine(painter,
               style::points({QPointF(blockRight, accelerationY), QPointF(sumX, accelerationY)}));
    dot(painter, QPointF(sumX, accelerationY));

    errorJunction(painter);
    dot(painter, QPointF(commandX, mainY));
    signalArrow(painter, QPointF(errorX + junctionRadius, mainY), QPointF(blockLeft, mainY));
    gainBlock(painter, QRectF(blockLeft, mainY - 27.0, blockRight - blockLeft, 54.0),
              {QStringLiteral("Kp"), QStringLiteral("Ki"), QStringLiteral("Kd")});
    signalArrow(painter, QPointF(blockRight, mainY), QPointF(sumX - junctionRadius, mainY));
    junction(painter, QPointF(sumX, mainY));

    signalArrow(painter, QPointF(sumX + junctionRadius, mainY), QPointF(pictureSize - 2.0, mainY));
    smallLabel(painter, QRectF(sumX + 6.0, mainY + 4.0, pictureSize - sumX - 8.0, 14.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("drive"));

    // The measured position arrives from the encoder, outside the picture.
    const qreal feedbackRight = pictureSize - 2.0;
    feedback(painter, QPointF(feedbackRight, returnY));
    smallLabel(painter, QRectF(errorX + 4.0, returnY - 18.0, feedbackRight - errorX - 4.0, 14.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("feedback"));
    painter.end();
    return image;
}

// The loop run by the drive: proportional and integral paths, the integral held between the
// saturation levels, velocity feed-forward added, and the sum driving the motor.
QImage driveLoop()
{
    QImage image = style::canvas(pictureSize, pictureSize, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);

    // The command enters at the box's left edge, leaving room under it for its name.
    const QRectF drive(2.0, 6.0, 184.0, 164.0);
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(drive, 8.0, 8.0);
    style::text(painter, QRectF(drive.left() + 8.0, drive.top() + 3.0, 80.0, 18.0),
                Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Drive"), style::font(12, true));

    const qreal splitX = 90.0;
    const qreal blockLeft = 98.0;
    const qreal blockRight = 124.0;
    const qreal limitLeft = 131.0;
    const qreal limitRight = 157.0;
    const qreal sumX = 171.0;
    const qreal velocityY = 50.0;
    const qreal integralY = 146.0;

    signalLine(painter, style::points({QPointF(commandX, mainY), QPointF(commandX, velocityY)}));
    signalArrow(painter, QPointF(commandX, velocityY), QPointF(blockLeft, velocityY));
    gainBlock(painter, QRectF(blockLeft, velocityY - 11.0, blockRight - blockLeft, 22.0),
              {QStringLiteral("Vff")});
    intoJunction(painter, QPointF(blockRight, velocityY), sumX);

    errorJunction(painter);
    dot(painter, QPointF(commandX, mainY));
    proportionalAndIntegral(painter, splitX, blockLeft, blockRight, sumX, integralY);
    signalArrow(painter, QPointF(blockRight, integralY), QPointF(limitLeft, integralY));
    saturationBlock(painter, QRectF(limitLeft, integralY - 11.0, limitRight - limitLeft, 22.0));
    intoJunction(painter, QPointF(limitRight, integralY), sumX);
    junction(painter, QPointF(sumX, mainY));

    const QPointF motor(199.0, mainY);
    const qreal motorRadius = 9.0;
    signalArrow(painter, QPointF(sumX + junctionRadius, mainY),
                QPointF(motor.x() - motorRadius, mainY));
    painter.setPen(style::pen(style::stroke, 2.0));
    painter.setBrush(style::blockFill);
    painter.drawEllipse(motor, motorRadius, motorRadius);
    style::text(painter,
                QRectF(motor.x() - motorRadius, motor.y() - motorRadius, 2.0 * motorRadius,
                       2.0 * motorRadius),
                Qt::AlignCenter, QStringLiteral("M"), style::font(11, true));

    feedback(painter, QPointF(motor.x(), motor.y() + motorRadius));
    smallLabel(painter, QRectF(errorX + 4.0, returnY + 4.0, motor.x() - errorX - 4.0, 14.0),
               Qt::AlignCenter, QStringLiteral("feedback"));
    painter.end();
    return image;
}

// The drive's velocity loop: proportional and integral paths on the velocity error, their sum
// passed through the anti-resonance filters as the torque command, and the velocity fed back by
// an observer that estimates it from the motor position.
QImage velocityLoop()
{
    QImage image = style::canvas(pictureSize, pictureSize, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);

    const qreal splitX = 82.0;
    const qreal blockLeft = 90.0;
    const qreal blockRight = 114.0;
    const qreal sumX = 130.0;
    const qreal integralY = 44.0;
    const QRectF filters(146.0, mainY - 11.0, 26.0, 22.0);
    const QRectF observer(128.0, returnY - 11.0, 28.0, 22.0);

    errorJunction(painter);
    proportionalAndIntegral(painter, splitX, blockLeft, blockRight, sumX, integralY);
    intoJunction(painter, QPointF(blockRight, integralY), sumX);
    junction(painter, QPointF(sumX, mainY));

    signalArrow(painter, QPointF(sumX + junctionRadius, mainY), QPointF(filters.left(), mainY));
    signalArrow(painter, QPointF(filters.right(), mainY), QPointF(pictureSize - 2.0, mainY));
    const QRectF stack = filterStack(painter, filters, 4, QStringLiteral("AR"));
    smallLabel(painter, QRectF(stack.left(), stack.top() - 16.0, stack.width(), 14.0),
               Qt::AlignCenter, QStringLiteral("1\u20264"));
    smallLabel(painter,
               QRectF(filters.right(), mainY + 10.0, pictureSize - filters.right() - 2.0, 14.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("torque"));

    // The motor position arrives from the encoder, outside the picture.
    signalArrow(painter, QPointF(pictureSize - 2.0, returnY), QPointF(observer.right(), returnY));
    gainBlock(painter, observer, {QStringLiteral("Ko")});
    feedback(painter, QPointF(observer.left(), returnY));
    smallLabel(
        painter,
        QRectF(observer.right() + 2.0, returnY + 4.0, pictureSize - observer.right() - 4.0, 14.0),
        Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("position"));
    smallLabel(painter, QRectF(errorX + 4.0, returnY + 4.0, observer.left() - errorX - 6.0, 14.0),
               Qt::AlignCenter, QStringLiteral("velocity"));
    painter.end();
    return image;
}

// What the controller does to its loop output before the drive sees it: the torque limits clip
// it, the torque offset is added, its sign may be inverted, and the DAC scaling turns it into
// the voltage sent to the drive. Each setting of the page is named where it acts.
QImage driveCommand()
{
    const int width = 380;
    QImage image = style::canvas(width, 190, Qt::transparent);
    QPainter painter;
    style::beginPainting(painter, image);

    const qreal halfHeight = 18.0;
    const QRectF limiter(74.0, mainY - halfHeight, 48.0, 2.0 * halfHeight);
    const qreal offsetX = 156.0;
    const QRectF inversion(194.0, mainY - halfHeight, 40.0, 2.0 * halfHeight);
    const QRectF dac(264.0, mainY - halfHeight, 50.0, 2.0 * halfHeight);
    const qreal right = width - 2.0;
    const qreal aboveY = mainY - halfHeight - 18.0;
    const qreal belowY = mainY + halfHeight + 4.0;
    const auto settingName = [&painter](const QRectF &block, qreal top, const QString &name) {
        smallLabel(painter, QRectF(block.left() - 10.0, top, block.width() + 20.0, 14.0),
                   Qt::AlignCenter, name);
    };

    signalArrow(painter, QPointF(2.0, mainY), QPointF(limiter.left(), mainY));
    smallLabel(painter, QRectF(6.0, mainY + 4.0, limiter.left() - 8.0, 14.0),
               Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("command"));

    saturationBlock(painter, limiter);
    settingName(limiter, aboveY, QStringLiteral("+ limit"));
    settingName(limiter, belowY, QStringLiteral("\u2212 limit"));

    signalArrow(painter, QPointF(limiter.right(), mainY), QPointF(offsetX - junctionRadius, mainY));
    const qreal offsetTop = 56.0;
    signalArrow(painter, QPointF(offsetX, offsetTop), QPointF(offsetX, mainY - junctionRadius));
    junction(painter, QPointF(offsetX, mainY));
    junctionSign(painter, QPointF(offsetX - 20.0, mainY - 20.0), QStringLiteral("+"));
    junctionSign(painter, QPointF(offsetX + 6.0, mainY - 20.0), QStringLiteral("+"));
    smallLabel(painter, QRectF(offsetX - 30.0, offsetTop - 16.0, 60.0, 14.0), Qt::AlignCenter,
               QStringLiteral("offset"));

    signalArrow(painter, QPointF(offsetX + junctionRadius, mainY),
                QPointF(inversion.left(), mainY));
    gainBlock(painter, inversion, {QStringLiteral("\u00b11")});
    settingName(inversion, aboveY, QStringLiteral("invert"));

    signalArrow(painter, QPointF(inversion.right(), mainY), QPointF(dac.left(), mainY));
    gainBlock(painter, dac, {QStringLiteral("DAC")});
    settingName(dac, aboveY, QStringLiteral("scaling"));

    // The voltage leaves the picture towards the drive.
    signalArrow(painter, QPointF(dac.right(), mainY), QPointF(right, mainY));
    smallLabel(painter, QRectF(dac.right(), mainY - 18.0, right - dac.right(), 14.0),
               Qt::AlignCenter, QStringLiteral("V"));
    smallLabel(painter, QRectF(dac.right(), mainY + 4.0, right - dac.right(), 14.0),
               Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("drive"));
    painter.end();
    return image;
}
} // namespace

bool writeControlLoopPictures(PictureWriter &writer)
{
    return writer.write(controllerLoop(), QStringLiteral("ControlGains_small.PNG"))
           && writer.write(driveLoop(), QStringLiteral("DriveControlGainsPLoop_small.PNG"))
           && writer.write(velocityLoop(), QStringLiteral("DriveControlGainsVLoop_small.PNG"))
           && writer.write(driveCommand(), QStringLiteral("DriveCommand.PNG"));
}
