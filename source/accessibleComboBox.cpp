#include "accessibleComboBox.h"

#include "settingsMain.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

// Qt's own interface for combo boxes, but named as any other widget is.
class AccessibleComboBox : public QAccessibleWidget
{
public:
    explicit AccessibleComboBox(QComboBox *combo)
        : QAccessibleWidget(combo, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Value)
            return QAccessibleWidget::text(t);
        return Combo()->isEditable() ? Combo()->lineEdit()->text() : Combo()->currentText();
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Combo()->view()->isVisible();
        state.editable = Combo()->isEditable();
        return state;
    }

    // The text field of an editable box never has the focus itself: the box is its proxy.
    QAccessibleInterface *focusChild() const override
    {
        return Combo()->isEditable() && Combo()->hasFocus() ? child(1)
                                                            : QAccessibleWidget::focusChild();
    }

    // The list of items first, then the text field of an editable box.
    int childCount() const override { return Combo()->isEditable() ? 2 : 1; }

    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(Combo()->view());
        if (index == 1 && Combo()->isEditable())
            return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == Combo()->view())
            return 0;
        if (Combo()->isEditable() && child->object() == Combo()->lineEdit())
            return 1;
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QLineEdit *edit = Combo()->lineEdit();
        if (edit && edit->rect().contains(edit->mapFromGlobal(QPoint(x, y))))
            return child(1);
        return nullptr;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }

    void doAction(const QString &action) override
    {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (Combo()->view()->isVisible())
            Combo()->hidePopup();
        else
            Combo()->showPopup();
    }

    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QComboBox *Combo() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *ModuleComboBoxes(const QString &className, QObject *object)
{
    if (className != QLatin1String("QComboBox") || !object || !object->isWidgetType())
        return nullptr;
    auto *combo = static_cast<QComboBox *>(object);
    if (!CVornMotionAxisSettings::FromHostPointer(qobject_cast<QDialog *>(combo->window())))
        return nullptr;
    return new AccessibleComboBox(combo);
}

int users = 0;

} // namespace

CVornMotionAccessibleComboBoxes::CVornMotionAccessibleComboBoxes()
{
    if (users++ == 0)
        QAccessible::installFactory(ModuleComboBoxes);
}

CVornMotionAccessibleComboBoxes::~CVornMotionAccessibleComboBoxes()
{
    if (--users == 0)
        QAccessible::removeFactory(ModuleComboBoxes);
}
