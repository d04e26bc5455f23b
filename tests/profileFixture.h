#ifndef VORNAC_TESTS_PROFILEFIXTURE_H
#define VORNAC_TESTS_PROFILEFIXTURE_H

#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"
#include "settingsMain.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include "coercingSpinBox.h"

#include <QAbstractItemModel>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
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

// A dialog of the module as a host creates it, found again through its widgets' object names.
class HostDialog
{
public:
    explicit HostDialog(CAxisDatabase &database)
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
