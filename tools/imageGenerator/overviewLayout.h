#ifndef VORNAC_IMAGEGENERATOR_OVERVIEWLAYOUT_H
#define VORNAC_IMAGEGENERATOR_OVERVIEWLAYOUT_H

#include "drawingStyle.h"

#include <QColor>
#include <QPainter>
#include <QPen>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

// Where the overview pictures put things, and the strokes their diagram is drawn with. The
// navigation page lays its buttons over the slots at fixed places, so every variant keeps them.
namespace overview {
// The slot of the button with this object name.
QRectF slot(const char *name);

const qreal signalY = 124.0; // the command path through controller, drive and motor
const qreal splineY = 180.0;
const qreal mergeX = 96.0;
const qreal junctionX = 170.0;
const qreal junctionRadius = 9.0;
const qreal returnY = 219.0; // the feedback runs back between the blocks and the I/O strip
const qreal encoderX = 580.0;
const qreal motorLeft = 444.0;
const qreal brakeLeft = 500.0;
const qreal flangeLeft = 524.0;
const qreal couplingLeft = 606.0;
const qreal partFloor = 150.0; // bottom of the stage's base
const qreal controllerRight = 262.0;
const qreal smartControllerRight = 124.0; // when the drive runs the position loop

QPen outlinePen(bool dashed, const QColor &colour = style::stroke, qreal width = 2.0);

// The page hides the buttons an axis lacks, so each slot holds a drawn part of the diagram that a
// shown button covers whole: its frame stays inside the slot. Returns the room inside the frame.
QRectF part(QPainter &painter, const char *name, bool dashed = false);

void block(QPainter &painter, const QRectF &box, const QString &title, bool dashed);

// A part's name on the title line, centred over its slot.
void partTitle(QPainter &painter, const char *slotName, const QString &title);

void smallLabel(QPainter &painter, const QRectF &box, int flags, const QString &words);
void signalLine(QPainter &painter, const QPolygonF &points, bool dashed = false);
void signalArrow(QPainter &painter, const QPointF &from, const QPointF &to);
void dot(QPainter &painter, const QPointF &centre);

// A small plot's axes in the lower left of `room`; returns the plotting area above them.
QRectF plotAxes(QPainter &painter, const QRectF &room);
} // namespace overview

#endif
