#ifndef VORNAC_TESTS_PROFILEFIXTURE_H
#define VORNAC_TESTS_PROFILEFIXTURE_H

#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"
#include "settingsMain.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include "coercingSpinBox.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QtTest>

// A shipped axis profile, loaded as the demo host loads it.
inline bool LoadProfile(CAxisDatabase &database, const QString &name)
{
    const QString folder = qEnvironmentVariable("VORNAC_PROFILE_DIR");
    QString error;
    const bool loaded = CAxisProfileFile::Load(folder + QLatin1Char('/') + name, database, &error);
    if (!loaded)
        qWarning("%s", qPrintable(error));
    return loaded;
}

// Every profile the host ships, new ones included.
inline QStringList ShippedProfiles()
{
    return QDir(qEnvironmentVariable("VORNAC_PROFILE_DIR"))
        .entryList({QStringLiteral("*.json")}, QDir::Files);
}

// One row per shipped profile, named after it, in the column "profile".
inline void AddShippedProfileRows()
{
    QTest::addColumn<QString>("profile");
    for (const QString &profile : ShippedProfiles())
        QTest::newRow(qPrintable(profile)) << profile;
}

// An embedded picture, failing the running test when the resources lack it: two missing pictures
// would otherwise compare equal as two null ones.
inline QImage EmbeddedPicture(const QString &name)
{
    const QImage picture = QPixmap(QStringLiteral(":/images/") + name).toImage();
    QTest::qVerify(!picture.isNull(), "EmbeddedPicture", qPrintable(name + " is not embedded"),
                   __FILE__, __LINE__);
    return picture;
}

// What a screen reader is told of a widget.
inline QString AccessibleText(const QWidget *widget, QAccessible::Text text)
{
    return QAccessible::queryAccessibleInterface(const_cast<QWidget *>(widget))->text(text);
}

inline QStringList ComboTexts(const QComboBox *combo)
{
    QStringList texts;
    for (int item = 0; item < combo->count(); ++item)
        texts.append(combo->itemText(item));
    return texts;
}

inline QList<qint32> ComboIds(const QComboBox *combo)
{
    QList<qint32> ids;
    for (int item = 0; item < combo->count(); ++item)
        ids.append(combo->itemData(item).toInt());
    return ids;
}

// The display texts of one row of a list or table model, column by column.
inline QStringList ModelRow(const QAbstractItemModel *model, int row)
{
    QStringList texts;
    for (int column = 0; column < model->columnCount(); ++column)
        texts.append(model->index(row, column).data().toString());
    return texts;
}

inline QStringList TableRows(const QTableWidget *table)
{
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows.append(table->item(row, 0)->text());
    return rows;
}

// The pending value of a setting; fails the running test when none is pending, so that a check
// for 0 or false cannot pass on an edit that was never stored.
inline nVornMCPCD100::AttributeValue PendingValue(const CVornMotionChangeList *changes,
                                                  nVornMCPCD100::AttributeId id, quint32 index = 0)
{
    nVornMCPCD100::AttributeValue value = {};
    const bool pending = changes->ReadValue(id, index, &value);
    QTest::qVerify(
        pending, "PendingValue",
        qPrintable(QStringLiteral("nothing pending for 0x%1 at %2").arg(id, 0, 16).arg(index)),
        __FILE__, __LINE__);
    return value;
}

// What a person sees of every named widget of the dialog: shown, enabled, marked, its value, its
// items, its picture, its section; and the rows of the list of changes.
inline QStringList Seen(const QDialog *dialog)
{
    QStringList seen;
    for (const QWidget *widget : dialog->findChildren<QWidget *>()) {
        if (widget->objectName().isEmpty() || widget->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QStringList state = {widget->objectName(),
                             widget->isVisibleTo(dialog) ? QStringLiteral("shown")
                                                         : QStringLiteral("hidden"),
                             widget->isEnabled() ? QString() : QStringLiteral("disabled"),
                             widget->font().bold() ? QStringLiteral("bold") : QString(),
                             widget->toolTip(), widget->styleSheet()};
        if (const auto *box = qobject_cast<const QAbstractSpinBox *>(widget))
            state << box->text();
        if (const auto *combo = qobject_cast<const QComboBox *>(widget))
            state << combo->currentText() << ComboTexts(combo);
        if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
            state << button->text() << QString::number(button->isChecked());
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            const QImage picture = label->pixmap(Qt::ReturnByValue).toImage();
            state << label->text()
                  << QString::number(qHashBits(picture.constBits(), size_t(picture.sizeInBytes())));
        }
        if (const auto *table = qobject_cast<const QTableWidget *>(widget)) {
            state << QString::number(table->currentRow());
            for (int row = 0; row < table->rowCount(); ++row) {
                for (int column = 0; column < table->columnCount(); ++column) {
                    const QTableWidgetItem *item = table->item(row, column);
                    state << (item ? item->text() : QString());
                }
            }
        }
        if (const auto *stack = qobject_cast<const QStackedWidget *>(widget))
            state << QString::number(stack->currentIndex());
        if (const auto *group = qobject_cast<const QGroupBox *>(widget))
            state << group->title();
        seen.append(state.join(QLatin1Char('|')));
    }
    const QAbstractItemModel *changes
        = dialog->findChild<QAbstractItemView *>("changesView")->model();
    for (int row = 0; row < changes->rowCount(); ++row)
        seen.append(ModelRow(changes, row).join(QLatin1Char('|')));
    return seen;
}

// Edits the setting as a person does, to another value, where its widget takes an edit; false
// where it does not.
inline bool EditAsAPerson(QWidget *widget)
{
    if (!widget || !widget->isVisible() || !widget->isEnabled())
        return false;
    if (auto *box = qobject_cast<CCoercingSpinBox *>(widget)) {
        box->setFocus();
        box->findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(box->findChild<QLineEdit *>(),
                         box->textFromValue(box->value() + box->singleStep()));
        QTest::keyClick(box, Qt::Key_Return);
        return true;
    }
    if (auto *combo = qobject_cast<QComboBox *>(widget)) {
        if (combo->isEditable() || combo->count() < 2)
            return false;
        combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
        return true;
    }
    if (auto *check = qobject_cast<QCheckBox *>(widget)) {
        check->click();
        return true;
    }
    return false;
}

// A dialog of the module as a host creates it, found again through its widgets' object names.
class HostDialog
{
public:
    explicit HostDialog(nVornMCPCD100::iMotionConfigurationDatabase &database)
        : dialog(CVornMotionAxisConfiguration::CreateMotionAxisConfigurationDialog(&database,
                                                                                    nullptr)),
          settings(CVornMotionAxisSettings::FromHostPointer(dialog))
    {
    }
    ~HostDialog() { CVornMotionAxisConfiguration::DeleteMotionAxisConfigurationDialog(dialog); }
    HostDialog(const HostDialog &) = delete;
    HostDialog &operator=(const HostDialog &) = delete;

    template <typename Widget>
    Widget *Find(const char *name) const
    {
        return dialog->findChild<Widget *>(QLatin1String(name));
    }
    QPushButton *Button(QDialogButtonBox::StandardButton which) const
    {
        return Find<QDialogButtonBox>("buttonBox")->button(which);
    }
    // Types into a spin box as a user does and finishes the edit with Return.
    void TypeInto(const char *name, const QString &text) const
    {
        auto *box = Find<CCoercingSpinBox>(name);
        box->setFocus();
        box->findChild<QLineEdit *>()->selectAll();
        QTest::keyClicks(box->findChild<QLineEdit *>(), text);
        QTest::keyClick(box, Qt::Key_Return);
    }
    // Chooses the item of a combo box as a user does, by its text; fails the running test when
    // no item has that text.
    void Choose(const char *combo, const QString &text) const
    {
        auto *box = Find<QComboBox>(combo);
        const int item = box->findText(text);
        QTest::qVerify(item >= 0, "Choose", qPrintable(text + " is not an item of " + combo),
                       __FILE__, __LINE__);
        box->setCurrentIndex(item);
    }
    // Whether a label shows the embedded picture `picture`; an empty name means no picture.
    bool ShowsPicture(const char *label, const QString &picture) const
    {
        const QPixmap shown = Find<QLabel>(label)->pixmap(Qt::ReturnByValue);
        if (picture.isEmpty())
            return shown.isNull();
        return shown.toImage() == EmbeddedPicture(picture);
    }
    QLabel *Banner() const { return Find<QLabel>("labelInvalidSettings"); }
    CVornMotionChangeList *Changes() const { return settings->ChangeList(); }
    // The pending value of a setting; fails the running test when none is pending.
    nVornMCPCD100::AttributeValue Pending(nVornMCPCD100::AttributeId id, quint32 index = 0) const
    {
        return PendingValue(Changes(), id, index);
    }

    QDialog *dialog;
    CVornMotionAxisSettings *settings;
};

#endif
