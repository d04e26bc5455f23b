#include "readingOrder.h"

#include <QEvent>
#include <QVector>
#include <QWidget>

#include <algorithm>

namespace {

struct Placed
{
    QWidget *widget;
    QRect place;
    int row;
};

// Radio buttons of a group take Tab in turns (the one last focused), so any focus counts.
bool TakesFocus(const QWidget *widget)
{
    return widget->focusPolicy() != Qt::NoFocus;
}

// The widgets below `page` that Tab may stop at, each compound widget (a spin box with its text
// field, a table with its editors) once.
QVector<Placed> InputsOf(QWidget *page)
{
    QVector<Placed> inputs;
    for (QWidget *widget : page->findChildren<QWidget *>()) {
        if (!TakesFocus(widget))
            continue;
        bool inner = false;
        for (QWidget *parent = widget->parentWidget(); parent != page && !inner;
             parent = parent->parentWidget())
            inner = TakesFocus(parent);
        if (!inner)
            inputs.append({widget, QRect(widget->mapTo(page, QPoint(0, 0)), widget->size()), 0});
    }
    return inputs;
}

// Widgets share a row while their tops lie within half the height of the shortest widget in it:
// then none of a row lies wholly above another of it, and a later row never starts above an
// earlier one.
void NumberRows(QVector<Placed> &inputs)
{
    std::stable_sort(inputs.begin(), inputs.end(), [](const Placed &a, const Placed &b) {
        return a.place.top() < b.place.top();
    });
    int row = 0;
    int rowTop = 0;
    int shortest = 0;
    for (int each = 0; each < inputs.size(); ++each) {
        Placed &input = inputs[each];
        const int height = std::max(1, input.place.height());
        if (each == 0 || input.place.top() - rowTop >= std::min(shortest, height) / 2.0) {
            ++row;
            rowTop = input.place.top();
            shortest = height;
        }
        shortest = std::min(shortest, height);
        input.row = row;
    }
}

} // namespace

CVornMotionReadingOrder::CVornMotionReadingOrder(QWidget *page)
    : QObject(page),
      page(page)
{
    page->installEventFilter(this);
    Apply();
}

void CVornMotionReadingOrder::Apply()
{
    QVector<Placed> inputs = InputsOf(page);
    NumberRows(inputs);
    std::stable_sort(inputs.begin(), inputs.end(), [](const Placed &a, const Placed &b) {
        return a.row != b.row ? a.row < b.row : a.place.left() < b.place.left();
    });
    QVector<QWidget *> order;
    order.reserve(inputs.size());
    for (const Placed &input : std::as_const(inputs))
        order.append(input.widget);
    // Reordering the focus chain is the costly part, and most shows change nothing.
    if (order == applied)
        return;
    applied = order;
    for (int each = 1; each < order.size(); ++each)
        QWidget::setTabOrder(order.at(each - 1), order.at(each));
}

bool CVornMotionReadingOrder::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == page && event->type() == QEvent::Show)
        Apply();
    return QObject::eventFilter(watched, event);
}
