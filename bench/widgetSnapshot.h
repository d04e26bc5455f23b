#ifndef VORNAC_BENCH_WIDGETSNAPSHOT_H
#define VORNAC_BENCH_WIDGETSNAPSHOT_H

#include <QString>
#include <QVector>

#include <utility>

class QAbstractButton;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QWidget;

// What the widgets of some pages show: numbers, choices, check states and texts. Applying it
// sets the same widgets straight to those values, without the framework: the floor that any
// reload of the pages is measured against.
class WidgetSnapshot
{
public:
    static WidgetSnapshot Take(const QVector<QWidget *> &pages);
    void Apply() const;

private:
    struct Choice
    {
        QComboBox *combo;
        int index;
        QString text;
    };

    QVector<std::pair<QDoubleSpinBox *, double>> numbers;
    QVector<Choice> choices;
    QVector<std::pair<QAbstractButton *, bool>> checks;
    QVector<std::pair<QLabel *, QString>> texts;
};

#endif
