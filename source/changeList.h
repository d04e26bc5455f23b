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
        // The edit this one was derived from; a cause id of 0 for an edit of its own.
        nVornMCPCD100::AttributeId causeId = 0;
        quint32 causeIndex = 0;

        bool IsDerived() const { return causeId != 0; }
    };

    // While it lives, every store is derived from the pending edit of (causeId, causeIndex): the
    // group is reverted as one. A store of the cause itself, or made while the cause is not
    // pending, stays an edit of its own.
    class Derivation
    {
    public:
        Derivation(CVornMotionChangeList *list, nVornMCPCD100::AttributeId causeId,
                   quint32 causeIndex);
        ~Derivation();
        Derivation(const Derivation &) = delete;
        Derivation &operator=(const Derivation &) = delete;

    private:
        CVornMotionChangeList *list;
        quint64 previous;
    };

    explicit CVornMotionChangeList(nVornMCPCD100::iMotionConfigurationDatabase *database);

    // Every pending edit, in the order Commit() writes them.
    QVector<PendingEdit> PendingEdits() const;
    // The pending edit of a pair; nothing when none is pending.
    std::optional<PendingEdit> PendingEditOf(nVornMCPCD100::AttributeId id, quint32 index) const;
    // Forgets the pending edit of a pair, as if it had never been made, together with every edit
    // of its group: its cause and the edits derived from that cause. False when none is pending.
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

    // The latest store for a pair wins; a store outside a Derivation makes the edit the person's
    // own, out of any group. Ignored while `loading` is set; a value whose real part
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
        quint64 cause = 0; // PendingKey of the cause; 0 for an edit of its own
    };

    static QString KeyText(nVornMCPCD100::AttributeId id, quint32 index);
    static quint64 PendingKey(nVornMCPCD100::AttributeId id, quint32 index);
    static PendingEdit ToPendingEdit(const Entry &entry);
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
    // The cause of the Derivation in force; 0 outside one.
    quint64 derivingFrom = 0;
};

#endif
