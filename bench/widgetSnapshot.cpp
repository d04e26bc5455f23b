#include "widgetSnapshot.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QSignalBlocker>

WidgetSnapshot WidgetSnapshot::Take(const QVector<QWidget *> &pages)
{
    WidgetSnapshot snapshot;
    for (QWidget *page : pages) {
        for (QDoubleSpinBox *box : page->findChildren<QDoubleSpinBox *>())
            snapshot.numbers.append({box, box->value()});
        for (QComboBox *combo : page->findChildren<QComboBox *>())
            snapshot.choices.append({combo, combo->currentIndex(), combo->currentText()});
        for (QAbstractButton *button : page->findChildren<QAbstractButton *>()) {
            if (button->isCheckable())
                snapshot.checks.append({button, button->isChecked()});
        }
        for (QLabel *label : page->findChildren<QLabel *>())
            snapshot.texts.append({label, label->text()});
    }
    return snapshot;
}

// Signals stay blocked: nothing but the widgets themselves may react.
void WidgetSnapshot::Apply() const
{
    for (const auto &number : numbers) {
        const QSignalBlocker blocker(number.first);
        number.first->setValue(number.second);
    }
    for (const Choice &choice : choices) {
        const QSignalBlocker blocker(choice.combo);
        choice.combo->setCurrentIndex(choice.index);
        if (choice.combo->isEditable())
            choice.combo->setEditText(choice.text);
    }
    for (const auto &check : checks) {
        const QSignalBlocker blocker(check.first);
        check.first->setChecked(check.second);
    }
    for (const auto &text : texts)
        text.first->setText(text.second);
}
