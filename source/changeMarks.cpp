#include "changeMarks.h"

#include <QEvent>
#include <QPainter>
#include <QPolygon>
#include <QWidget>

namespace {
const QColor markerColour(0x1f, 0x6f, 0xb2);
const int markerSize = 7;
} // namespace

CVornMotionChangeMarks::~CVornMotionChangeMarks()
{
    for (const Original &original : std::as_const(marked))
        Restore(original);
}

void CVornMotionChangeMarks::Mark(QWidget *widget, const QString &toolTip, bool emphasise)
{
    if (!widget)
        return;
    Wanted &mark = wanted[widget];
    // A widget shared by several settings shows the last tool tip and stays emphasised if any is.
    mark.toolTip = toolTip;
    mark.emphasise = mark.emphasise || emphasise;
}

void CVornMotionChangeMarks::Apply()
{
    for (auto each = marked.begin(); each != marked.end();) {
        if (!each->widget || !wanted.contains(each.key())) {
            Restore(*each);
            each = marked.erase(each);
        } else {
            ++each;
        }
    }
    for (auto each = wanted.cbegin(); each != wanted.cend(); ++each) {
        QWidget *widget = each.key();
        auto known = marked.find(widget);
        if (known == marked.end()) {
            Original original;
            original.widget = widget;
            original.font = widget->font();
            original.ownFont = widget->testAttribute(Qt::WA_SetFont);
            original.toolTip = widget->toolTip();
            known = marked.insert(widget, original);
        }
        Emphasise(*known, each->emphasise);
        if (widget->toolTip() != each->toolTip)
            widget->setToolTip(each->toolTip);
    }
    wanted.clear();
}

bool CVornMotionChangeMarks::IsEmpty() const
{
    return marked.isEmpty() && wanted.isEmpty();
}

void CVornMotionChangeMarks::Emphasise(Original &original, bool emphasise)
{
    QWidget *widget = original.widget;
    if (original.emphasised == emphasise)
        return;
    original.emphasised = emphasise;
    if (emphasise) {
        QFont bold = original.font;
        bold.setBold(true);
        widget->setFont(bold);
        widget->installEventFilter(this);
    } else {
        widget->removeEventFilter(this);
        widget->setFont(original.ownFont ? original.font : QFont());
    }
    widget->update();
}

void CVornMotionChangeMarks::Restore(const Original &original)
{
    QWidget *widget = original.widget;
    if (!widget)
        return;
    widget->setToolTip(original.toolTip);
    if (original.emphasised) {
        widget->setFont(original.ownFont ? original.font : QFont());
        widget->update();
    }
}

bool CVornMotionChangeMarks::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint || !watched->isWidgetType())
        return false;
    // The widget paints itself first; the marker goes on top of it.
    watched->event(event);
    PaintMarker(static_cast<QWidget *>(watched));
    return true;
}

void CVornMotionChangeMarks::PaintMarker(QWidget *widget)
{
    QPainter painter(widget);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(markerColour);
    painter.drawPolygon(QPolygon({QPoint(0, 0), QPoint(markerSize, 0), QPoint(0, markerSize)}));
}
