#include "dialogTour.h"

#include "settingsMain.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolButton>

#include <functional>

namespace {

QString PictureOf(const QLabel *label)
{
    const QImage picture = label->pixmap(Qt::ReturnByValue).toImage();
    if (picture.isNull())
        return QString();
    const QByteArray bits(reinterpret_cast<const char *>(picture.constBits()),
                          int(picture.sizeInBytes()));
    return QString::fromLatin1(QCryptographicHash::hash(bits, QCryptographicHash::Md5).toHex());
}

QString ItemsOf(const QComboBox *combo)
{
    QStringList items;
    for (int item = 0; item < combo->count(); ++item)
        items.append(combo->itemText(item) + QLatin1Char('=') + combo->itemData(item).toString());
    return items.join(QLatin1Char('|'));
}

QString CellsOf(const QTableWidget *table)
{
    QStringList cells;
    for (int row = 0; row < table->rowCount(); ++row) {
        for (int column = 0; column < table->columnCount(); ++column) {
            const QTableWidgetItem *item = table->item(row, column);
            cells.append(item ? item->text() : QString());
        }
    }
    return cells.join(QLatin1Char('|')) + QStringLiteral(" current %1").arg(table->currentRow());
}

// What the widget shows of its own kind.
QString ValueOf(const QWidget *widget)
{
    if (const auto *box = qobject_cast<const QAbstractSpinBox *>(widget))
        return box->text();
    if (const auto *combo = qobject_cast<const QComboBox *>(widget))
        return combo->currentText() + QStringLiteral(" of ") + ItemsOf(combo);
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return button->text() + (button->isChecked() ? QStringLiteral(" [x]") : QString());
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return label->text() + QLatin1Char(' ') + PictureOf(label);
    if (const auto *edit = qobject_cast<const QLineEdit *>(widget))
        return edit->text();
    if (const auto *group = qobject_cast<const QGroupBox *>(widget))
        return group->title() + (group->isChecked() ? QStringLiteral(" [x]") : QString());
    if (const auto *stack = qobject_cast<const QStackedWidget *>(widget))
        return QString::number(stack->currentIndex());
    if (const auto *table = qobject_cast<const QTableWidget *>(widget))
        return CellsOf(table);
    return QString();
}

// The search field and its results show what a person searched for, not the axis.
bool IsAboutTheAxis(const QWidget *widget)
{
    return !widget->objectName().startsWith(QLatin1String("settingSearch"));
}

// Whether a line tells what the widget shows: the pages stand in the dialog's stack in the order
// they were first opened, and Qt's own parts are no one's concern.
bool IsTold(const QWidget *widget)
{
    const QString name = widget->objectName();
    return !name.isEmpty() && !name.startsWith(QLatin1String("qt_"))
        && name != QLatin1String("settingsPage");
}

QWidget *PageShown(const QDialog *dialog)
{
    const auto *stack = dialog->findChild<QStackedWidget *>(QStringLiteral("settingsPage"));
    return stack ? stack->currentWidget() : nullptr;
}

// The named widgets of `kind` that the page shown offers.
template <typename Widget> QStringList NamesShown(const QDialog *dialog)
{
    QStringList names;
    if (const QWidget *page = PageShown(dialog)) {
        for (const Widget *widget : page->findChildren<Widget *>()) {
            if (!widget->objectName().isEmpty() && widget->isVisibleTo(page))
                names.append(widget->objectName());
        }
    }
    return names;
}

QStringList Compare(const QString &where, QDialog *shown, QDialog *fresh)
{
    QCoreApplication::processEvents();
    const QStringList seen = VisibleState(shown);
    const QStringList expected = VisibleState(fresh);
    QStringList differences;
    for (const QString &line : seen) {
        if (!expected.contains(line))
            differences.append(where + QStringLiteral(": shows ") + line);
    }
    for (const QString &line : expected) {
        if (!seen.contains(line))
            differences.append(where + QStringLiteral(": fresh shows ") + line);
    }
    return differences;
}

// Which gain set is shown is a person's choice, as a table's current row is, not the axis's.
const QLatin1String instanceChoice("cntPmodeGainSets");

// Turns `fresh` to the section and instance `shown` shows.
void TurnAlike(const QDialog *shown, QDialog *fresh)
{
    for (const QString &name : NamesShown<QTableWidget>(shown)) {
        if (auto *table = fresh->findChild<QTableWidget *>(name))
            table->setCurrentCell(shown->findChild<QTableWidget *>(name)->currentRow(), 0);
    }
    if (auto *combo = fresh->findChild<QComboBox *>(instanceChoice))
        combo->setCurrentIndex(shown->findChild<QComboBox *>(instanceChoice)->currentIndex());
}

// Turns each visible table of the page shown, row by row, and the gain set choice, in both.
QStringList TourOfArea(const QString &area, QDialog *shown, QDialog *fresh)
{
    TurnAlike(shown, fresh);
    TurnAlike(shown, fresh);
    QStringList differences = Compare(area, shown, fresh);
    const auto turn = [&](const QString &name, int count, const std::function<void(QDialog *, int)> &to) {
        for (int row = 0; row < count; ++row) {
            to(shown, row);
            to(fresh, row);
            differences += Compare(QStringLiteral("%1, %2 %3").arg(area, name).arg(row), shown, fresh);
        }
    };
    for (const QString &name : NamesShown<QTableWidget>(shown)) {
        const int rows = shown->findChild<QTableWidget *>(name)->rowCount();
        turn(name, rows, [&name](QDialog *dialog, int row) {
            if (auto *table = dialog->findChild<QTableWidget *>(name))
                table->setCurrentCell(row, 0);
        });
    }
    for (const QString &name : NamesShown<QComboBox>(shown)) {
        if (name != instanceChoice)
            continue;
        const int items = shown->findChild<QComboBox *>(name)->count();
        turn(name, items, [&name](QDialog *dialog, int item) {
            if (auto *combo = dialog->findChild<QComboBox *>(name))
                combo->setCurrentIndex(item);
        });
    }
    return differences;
}

QStringList PendingOf(const QDialog *dialog)
{
    QStringList pending;
    for (const auto &edit :
         CVornMotionAxisSettings::FromHostPointer(const_cast<QDialog *>(dialog))->ChangeList()->PendingEdits())
        pending.append(QStringLiteral("0x%1 at %2").arg(edit.id, 0, 16).arg(edit.index));
    return pending;
}

// Walks the widgets shown in `parent`'s window, skipping what is hidden: a page not shown, a
// section not turned to.
void AddShown(const QWidget *parent, QStringList &lines)
{
    for (const QWidget *widget : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (widget->isHidden() || widget->isWindow() || !IsAboutTheAxis(widget))
            continue;
        if (IsTold(widget)) {
            // A mark taken off leaves a white background, the same to a person as none.
            const bool marked = widget->styleSheet().contains(QLatin1String("red"));
            lines.append(QStringLiteral("%1 %2%3%4 \"%5\" %6")
                             .arg(widget->objectName(), ValueOf(widget),
                                  widget->isEnabled() ? QString() : QStringLiteral(" (disabled)"),
                                  marked ? QStringLiteral(" (marked)") : QString(),
                                  widget->toolTip(), widget->accessibleName()));
        }
        AddShown(widget, lines);
    }
}

} // namespace

QStringList VisibleState(const QDialog *dialog)
{
    QStringList lines;
    AddShown(dialog, lines);
    // Apply follows the last event that touched it, a host's period among them; OK follows the
    // problems open.
    const auto *buttons = dialog->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    lines.append(buttons->button(QDialogButtonBox::Ok)->isEnabled() ? QStringLiteral("OK")
                                                                    : QStringLiteral("OK (disabled)"));
    return lines;
}

QStringList DifferencesOnTour(QDialog *shown, QDialog *fresh)
{
    QStringList differences;
    const QStringList pendingFresh = PendingOf(fresh);
    if (!pendingFresh.isEmpty())
        differences.append(QStringLiteral("pending in the fresh dialog: ")
                           + pendingFresh.join(QLatin1String(", ")));
    QStringList areas;
    for (const QToolButton *button : shown->findChildren<QToolButton *>()) {
        if (button->objectName().startsWith(QLatin1String("gmode")) && button->isVisibleTo(shown))
            areas.append(button->objectName());
    }
    for (const QString &area : areas) {
        shown->findChild<QToolButton *>(area)->click();
        if (auto *button = fresh->findChild<QToolButton *>(area))
            button->click();
        differences += TourOfArea(area, shown, fresh);
    }
    const QStringList pendingShown = PendingOf(shown);
    if (!pendingShown.isEmpty())
        differences.append(QStringLiteral("pending after the tour: ") + pendingShown.join(QLatin1String(", ")));
    return differences;
}
