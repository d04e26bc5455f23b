#ifndef VORNAC_SETTINGINDEX_H
#define VORNAC_SETTINGINDEX_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QString>
#include <QVector>

// Every setting the dialog's areas show, with the words a person may look for it by: its display
// name, its description, its instance and its area. Searching walks this list, never the widgets.
class CVornMotionSettingIndex
{
public:
    struct Entry
    {
        int pageId = 0;
        QString area;
        nVornMCPCD100::AttributeId attribute = 0;
        quint32 index = 0;
        QString name;
        QString instance;
    };

    void Add(const Entry &entry, const QString &description);
    bool IsEmpty() const;
    // Every entry, in the order added.
    QVector<Entry> Entries() const;

    // The entries whose words hold every word of `text`, ignoring case; those whose name or
    // instance holds them come first. Nothing for a text without words.
    QVector<Entry> Find(const QString &text) const;

private:
    struct Indexed
    {
        Entry entry;
        QString title; // name and instance, folded
        QString words; // title, description and area, folded
    };

    static QString Folded(const QString &text);

    QVector<Indexed> indexed;
};

#endif
