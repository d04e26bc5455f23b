#ifndef VORNAC_TESTS_PROFILEFIXTURE_H
#define VORNAC_TESTS_PROFILEFIXTURE_H

#include "database/axisDatabase.h"
#include "database/axisProfileFile.h"
#include "settingsMain.h"

#include <vornac/VornMotionAxisConfiguration.h>

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
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
    QLabel *Banner() const { return Find<QLabel>("labelInvalidSettings"); }
    CVornMotionChangeList *Changes() const { return settings->ChangeList(); }
    nVornMCPCD100::AttributeValue Pending(nVornMCPCD100::AttributeId id, quint32 index = 0) const
    {
        nVornMCPCD100::AttributeValue value = {};
        Changes()->ReadValue(id, index, &value);
        return value;
    }

    QDialog *dialog;
    CVornMotionAxisSettings *settings;
};

#endif
