#ifndef VORNAC_CHANGELIST_H
#define VORNAC_CHANGELIST_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QList>
#include <QMap>
#include <QSet>
#include <QObject>
#include <QString>
#include <QVector>

#include <optional>

typedef quint32 u32;

// The pending edits of one dialog. Nothing the user edits reaches the database before Commit();
// readers ask Contains() first and fall back to the database (see CVornMotionValueReader).
class CVornMotionChangeList : public QObject
{
    Q_OBJECT

public:
    // The setting whose write the database refused in the last Commit().
    struct WriteFailure
    {
        nVornMCPCD100::AttributeId id = 0;
        quint32 index = 0;
        qint32 status = 0;
    };

    // One pending edit, as a commit would write it.
    struct PendingEdit
    {
        nVornMCPCD100::AttributeId id = 0;
        quint32 index = 0;
        nVornMCPCD100::AttributeValue value = {};
        QString text;
        bool isString = false;
    };

    explicit CVornMotionChangeList(nVornMCPCD100::iMotionConfigurationDatabase *database);

    // Every pending edit, in the order Commit() writes them.
    QVector<PendingEdit> PendingEdits() const;
    // The pending edit of a pair; nothing when none is pending.
    std::optional<PendingEdit> PendingEditOf(nVornMCPCD100::AttributeId id, quint32 index) const;
    // Forgets the pending edit of a pair, as if it had never been made; false when there is none.
    // Ignored while `loading` is set.
    bool Revert(nVornMCPCD100::AttributeId id, quint32 index);

    bool Contains(nVornMCPCD100::AttributeId id, quint32 index) const;
    // Copies the pending value into *out; false (and *out untouched) when none is pending.
    bool ReadValue(nVornMCPCD100::AttributeId id, quint32 index,
                   nVornMCPCD100::AttributeValue *out) const;
    // Copies at most capacity - 1 code units of the pending text and a NUL; false (and the buffer
    // untouched) when no text is pending or there is no room.
    bool ReadString(nVornMCPCD100::AttributeId id, quint32 index, quint32 capacity,
                    char16_t *buffer) const;

    // The latest store for a pair wins. Ignored while `loading` is set; a value whose real part
    // is not finite is never stored.
    void StoreValue(nVornMCPCD100::AttributeId id, quint32 index,
                    const nVornMCPCD100::AttributeValue &value);
    void StoreString(nVornMCPCD100::AttributeId id, quint32 index, const char16_t *text);

    // Writes every pending edit in key order and empties the list; returns 0. When the database
    // refuses a write, or cannot tell the value a write would replace, the writes made so far are
    // undone, every edit stays pending, FailedWrite() names the setting, and the failing status is
    // returned.
    qint32 Commit();
    void Discard();
    quint32 Count() const;
    WriteFailure FailedWrite() const;

    // Set while widgets are filled from stored values, so their change signals are not edits.
    bool loading = false;
    // Raised by a commit that wrote a setting needing configuration mode; never cleared.
    bool switchToConfigModeRequired = false;

signals:
    void ChangelistSizeChanged(u32 count);
    // Any change of what is pending: a new edit, an overwrite, a revert, a discard or a commit.
    void PendingEditsChanged();

private:
    struct Entry
    {
        nVornMCPCD100::AttributeId id = 0;
        quint32 index = 0;
        nVornMCPCD100::AttributeValue value = {};
        QString text;
        bool isString = false;
    };

    static QString KeyText(nVornMCPCD100::AttributeId id, quint32 index);
    static quint64 PendingKey(nVornMCPCD100::AttributeId id, quint32 index);
    void Store(const Entry &entry);
    qint32 Write(const Entry &entry);
    // What a write of `entry` replaces, read from the database; a negative status when unknown.
    qint32 UndoCopy(const Entry &entry, Entry *undo);
    qint32 ReadDatabaseString(nVornMCPCD100::AttributeId id, quint32 index, QString *text);
    void RollBack();

    nVornMCPCD100::iMotionConfigurationDatabase *database;
    // Commit order is the key text's; reads ask the set first, which most of them miss.
    QMap<QString, Entry> entries;
    QSet<quint64> pending;
    QList<Entry> undoList;
    WriteFailure failedWrite;
};

#endif
