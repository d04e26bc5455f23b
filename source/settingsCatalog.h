#ifndef VORNAC_SETTINGSCATALOG_H
#define VORNAC_SETTINGSCATALOG_H

#include "settingKind.h"
#include "settingsFile.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QHash>
#include <QStringList>
#include <QVector>

#include <functional>

class CVornMotionChangeList;

// What an axis shows, as settings files and resets see it: every setting of every area, once, in
// the order of the areas and of their pages, with the indices of the instances it is offered at.
class CVornMotionSettingsCatalog
{
public:
    struct Setting
    {
        int pageId = 0;
        QString area;
        nVornMCPCD100::AttributeId id = 0;
        CVornMotionSettingKind kind = CVornMotionSettingKind::Integer;
        // Instance n (from 1) is at index instances[n - 1], named instanceNames[n - 1].
        QVector<quint32> instances;
        QStringList instanceNames;
    };

    // Texts are read with room for this many code units, as pages load them.
    static const qint32 TextCapacity = 1024;

    // The value of a setting at an index as its page shows it, with units.
    using Describer
        = std::function<QString(const Setting &setting, quint32 index,
                                const nVornMCPCD100::AttributeValue &value, const QString &text)>;

    // Adds a setting unless an earlier area shows it already.
    void Add(const Setting &setting);
    const QVector<Setting> &Settings() const;
    // Null for a setting no area shows.
    const Setting *Find(nVornMCPCD100::AttributeId id) const;

    // What the dialog shows of every setting at every instance the axis supports, pending edits
    // applied, as entries of a settings file. Settings that belong to the axis, and values that
    // cannot be read or are no number, are left out.
    QVector<CVornMotionSettingsFile::Entry>
    Entries(nVornMCPCD100::iMotionConfigurationDatabase *database,
            const CVornMotionChangeList *changeList, const Describer &describe) const;

    // The settings that say where the axis's encoders, gain sets and I/O lines start: they
    // belong to the axis, never to a file.
    static bool BelongsToAxis(nVornMCPCD100::AttributeId id);

private:
    QVector<Setting> settings;
    QHash<nVornMCPCD100::AttributeId, int> positions;
};

#endif
