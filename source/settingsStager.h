#ifndef VORNAC_SETTINGSSTAGER_H
#define VORNAC_SETTINGSSTAGER_H

#include "settingsCatalog.h"
#include "settingsFile.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QCoreApplication>
#include <QString>
#include <QVector>

class CVornMotionChangeList;

// Turns a settings file, or the defaults, into pending edits of an axis: each value that differs
// from what the dialog shows is staged in the change list, exactly as given, and nothing reaches
// the database. A value equal to the stored one takes back the edit pending for it instead.
class CVornMotionSettingsStager
{
    Q_DECLARE_TR_FUNCTIONS(CVornMotionSettingsStager)

public:
    // An entry of a file that stages nothing, and why.
    struct Refusal
    {
        // The entry's position in the file's list, and whether the axis lacked its instance.
        int entry = 0;
        bool noInstance = false;
        int line = 0;
        // The area the file names, for settings of the same name in several areas.
        QString area;
        QString setting;
        QString instance;
        QString value;
        QString reason;
    };

    struct Outcome
    {
        // Edits staged or taken back.
        int staged = 0;
        // Set when the file comes from another device or axis type.
        QString notice;
        QVector<Refusal> refusals;
    };

    CVornMotionSettingsStager(nVornMCPCD100::iMotionConfigurationDatabase *database,
                              CVornMotionChangeList *changeList,
                              const CVornMotionSettingsCatalog &catalog);

    // Stages the entries of a file in its order; at most four database calls per entry.
    Outcome Load(const CVornMotionSettingsFile::Contents &contents);
    // Stages the default of every supported, writable setting of an area (of all areas for
    // `pageId` 0) at every instance, wherever it differs. Texts have no default to stage.
    int StageDefaults(int pageId);

private:
    // Why an entry cannot be staged, or an empty text; *setting and *index say where it goes.
    QString Place(const CVornMotionSettingsFile::Entry &entry,
                  const CVornMotionSettingsCatalog::Setting **setting, quint32 *index) const;
    // Why a value that differs cannot be staged, or an empty text.
    QString Refuse(const CVornMotionSettingsFile::Entry &entry, quint32 index) const;
    static QString NoSuchSetting();
    QString Notice(const CVornMotionSettingsFile::Header &header) const;
    Refusal Describe(const CVornMotionSettingsFile::Entry &entry,
                     const CVornMotionSettingsCatalog::Setting *setting,
                     const QString &reason) const;
    // Whether the dialog shows this value at the pair already.
    bool Shows(nVornMCPCD100::AttributeId id, quint32 index, CVornMotionSettingKind kind,
               const nVornMCPCD100::AttributeValue &value, const QString &text) const;
    void Put(nVornMCPCD100::AttributeId id, quint32 index, CVornMotionSettingKind kind,
             const nVornMCPCD100::AttributeValue &value, const QString &text);
    // The change list signals once, after all stores: every store would make every page mark.
    void Announce(int staged);

    nVornMCPCD100::iMotionConfigurationDatabase *database;
    CVornMotionChangeList *changeList;
    const CVornMotionSettingsCatalog &catalog;
};

#endif
