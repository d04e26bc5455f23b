#include "typedEdits.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

namespace {

void SendKey(QWidget *target, int key, const QString &text = QString())
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(target, &release);
}

// The widget, once the area that holds it has been opened: pages are created on first use.
QWidget *OpenAreaOf(QDialog *dialog, const QString &objectName)
{
    for (QToolButton *button : dialog->findChildren<QToolButton *>()) {
        if (!button->objectName().startsWith(QLatin1String("gmode")) || !button->isVisibleTo(dialog))
            continue;
        button->click();
        if (QWidget *widget = dialog->findChild<QWidget *>(objectName))
            return widget;
    }
    return nullptr;
}

} // namespace

bool TypeIntoSetting(QDialog *dialog, const QString &objectName, const QString &text)
{
    QWidget *widget = OpenAreaOf(dialog, objectName);
    QLineEdit *editor = widget ? widget->findChild<QLineEdit *>() : nullptr;
    if (!editor)
        return false;
    widget->setFocus();
    editor->selectAll();
    for (const QChar character : text)
        SendKey(editor, 0, QString(character));
    SendKey(widget, Qt::Key_Return);
    return true;
}
