#include "changeList.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>
#include <vector>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

const qint32 undoStringCapacity = 256;
// A host that reports a longer string gets one more read, up to this many code units.
const qint32 largestStringCapacity = 1 << 20;

const char16_t *Utf16(const QString &text)
{
    return reinterpret_cast<const char16_t *>(text.utf16());
}

} // namespace

CVornMotionChangeList::CVornMotionChangeList(nVornMCPCD100::iMotionConfigurationDatabase *database)
    : database(database)
{
    // Lets queued connections and signal spies carry the count under its signature's name.
    qRegisterMetaType<u32>("u32");
}

// "<id>_<index>" in decimal; every read asks for it, so it is written digit by digit.
QString CVornMotionChangeList::KeyText(AttributeId id, quint32 index)
{
    QChar text[21];
    int length = 0;
    const auto append = [&](quint32 number) {
        QChar digits[10];
        int count = 0;
        do {
            digits[count++] = QChar(u'0' + number % 10);
            number /= 10;
        } while (number != 0);
        while (count > 0)
            text[length++] = digits[--count];
    };
    append(id);
    text[length++] = QLatin1Char('_');
    append(index);
    return QString(text, length);
}

CVornMotionChangeList::Derivation::Derivation(CVornMotionChangeList *list, AttributeId causeId,
                                              quint32 causeIndex)
    : list(list),
      previous(list->derivingFrom)
{
    list->derivingFrom = PendingKey(causeId, causeIndex);
}

CVornMotionChangeList::Derivation::~Derivation()
{
    list->derivingFrom = previous;
}

CVornMotionChangeList::PendingEdit CVornMotionChangeList::ToPendingEdit(const Entry &entry)
{
    PendingEdit edit{entry.id, entry.index, entry.value, entry.text, entry.isString};
    if (entry.cause != 0) {
        edit.causeId = AttributeId(entry.cause >> 32);
        edit.causeIndex = quint32(entry.cause);
    }
    return edit;
}

QVector<CVornMotionChangeList::PendingEdit> CVornMotionChangeList::PendingEdits() const
{
    QVector<PendingEdit> edits;
    edits.reserve(entries.size());
    for (const Entry &entry : entries)
        edits.append(ToPendingEdit(entry));
    return edits;
}

std::optional<CVornMotionChangeList::PendingEdit>
CVornMotionChangeList::PendingEditOf(AttributeId id, quint32 index) const
{
    if (!pending.contains(PendingKey(id, index)))
        return std::nullopt;
    const auto found = entries.constFind(KeyText(id, index));
    if (found == entries.constEnd())
        return std::nullopt;
    return ToPendingEdit(*found);
}

bool CVornMotionChangeList::Revert(AttributeId id, quint32 index)
{
    if (loading || !pending.contains(PendingKey(id, index)))
        return false;
    const auto chosen = entries.constFind(KeyText(id, index));
    const quint64 root = chosen != entries.constEnd() && chosen->cause != 0 ? chosen->cause
                                                                            : PendingKey(id, index);
    for (auto entry = entries.begin(); entry != entries.end();) {
        const quint64 key = PendingKey(entry->id, entry->index);
        if (key == root || entry->cause == root) {
            pending.remove(key);
            entry = entries.erase(entry);
        } else {
            ++entry;
        }
    }
    emit ChangelistSizeChanged(u32(entries.size()));
    emit PendingEditsChanged();
    return true;
}

quint64 CVornMotionChangeList::PendingKey(AttributeId id, quint32 index)
{
    return quint64(id) << 32 | index;
}

bool CVornMotionChangeList::Contains(AttributeId id, quint32 index) const
{
    return pending.contains(PendingKey(id, index));
}

bool CVornMotionChangeList::ReadValue(AttributeId id, quint32 index, AttributeValue *out) const
{
    if (!out || !pending.contains(PendingKey(id, index)))
        return false;
    const auto found = entries.constFind(KeyText(id, index));
    if (found == entries.constEnd())
        return false;
    std::memcpy(out, &found->value, sizeof(AttributeValue));
    return true;
}

bool CVornMotionChangeList::ReadString(AttributeId id, quint32 index, quint32 capacity,
                                       char16_t *buffer) const
{
    if (!buffer || capacity == 0 || !pending.contains(PendingKey(id, index)))
        return false;
    const auto found = entries.constFind(KeyText(id, index));
    if (found == entries.constEnd())
        return false;
    const quint32 length = std::min<quint32>(quint32(found->text.size()), capacity - 1);
    std::memcpy(buffer, found->text.utf16(), length * sizeof(char16_t));
    buffer[length] = u'\0';
    return true;
}

void CVornMotionChangeList::StoreValue(AttributeId id, quint32 index, const AttributeValue &value)
{
    if (!std::isfinite(value.realValue))
        return;
    Entry entry;
    entry.id = id;
    entry.index = index;
    std::memcpy(&entry.value, &value, sizeof(AttributeValue));
    entry.text = QStringLiteral("NOT A STRING ITEM");
    Store(entry);
}

void CVornMotionChangeList::StoreString(AttributeId id, quint32 index, const char16_t *text)
{
    if (!text)
        return;
    Entry entry;
    entry.id = id;
    entry.index = index;
    entry.text = QString::fromUtf16(text);
    entry.isString = true;
    Store(entry);
}

void CVornMotionChangeList::Store(const Entry &stored)
{
    if (loading)
        return;
    Entry entry = stored;
    const quint64 key = PendingKey(entry.id, entry.index);
    if (derivingFrom != 0 && derivingFrom != key && pending.contains(derivingFrom)) {
        // A cause that is itself derived hands its own cause on: groups stay one level deep.
        const quint64 causeOfCause
            = entries.value(KeyText(AttributeId(derivingFrom >> 32), quint32(derivingFrom))).cause;
        entry.cause = causeOfCause != 0 && causeOfCause != key ? causeOfCause : derivingFrom;
    }
    const int before = entries.size();
    entries.insert(KeyText(entry.id, entry.index), entry);
    pending.insert(key);
    // An edit that was a cause and is now derived takes its own group along.
    if (entry.cause != 0) {
        for (Entry &other : entries) {
            if (other.cause == key)
                other.cause = entry.cause;
        }
    }
    if (entries.size() != before)
        emit ChangelistSizeChanged(u32(entries.size()));
    emit PendingEditsChanged();
}

qint32 CVornMotionChangeList::Commit()
{
    undoList.clear();
    failedWrite = WriteFailure();
    for (const Entry &entry : std::as_const(entries)) {
        if (!database->IsSettableWithoutConfigMode(entry.id, entry.index))
            switchToConfigModeRequired = true;
        // A value that cannot be read back could not be restored: it is not written at all.
        Entry undo;
        qint32 status = UndoCopy(entry, &undo);
        if (status >= 0)
            status = Write(entry);
        if (status < 0) {
            RollBack();
            failedWrite = {entry.id, entry.index, status};
            return status;
        }
        undoList.append(undo);
    }
    Discard();
    return 0;
}

qint32 CVornMotionChangeList::UndoCopy(const Entry &entry, Entry *undo)
{
    *undo = entry;
    if (entry.isString)
        return ReadDatabaseString(entry.id, entry.index, &undo->text);
    AttributeValue current = {};
    const qint32 status = database->GetAttribute(entry.id, entry.index, &current);
    undo->value = current;
    // Writing back a value that is no number would put it into the database.
    if (status >= 0 && !std::isfinite(current.realValue))
        return -1;
    return status;
}

qint32 CVornMotionChangeList::Write(const Entry &entry)
{
    if (entry.isString)
        return database->SetAttributeString(entry.id, entry.index, quint32(entry.text.size()),
                                            Utf16(entry.text));
    AttributeValue value = entry.value;
    return database->SetAttribute(entry.id, entry.index, &value);
}

qint32 CVornMotionChangeList::ReadDatabaseString(AttributeId id, quint32 index, QString *text)
{
    qint32 capacity = undoStringCapacity;
    qint32 status = -1;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const qint32 given = capacity;
        std::vector<char16_t> buffer(size_t(given), u'\0');
        status = database->GetAttributeString(id, index, &capacity, buffer.data());
        if (status >= 0) {
            // Without its terminator the text may be cut short: it could not be restored whole.
            if (std::find(buffer.begin(), buffer.end(), u'\0') == buffer.end())
                return -1;
            *text = QString::fromUtf16(buffer.data());
            return status;
        }
        // A host may answer "too small" with the capacity it needs; anything else is a failure.
        if (capacity <= given || capacity > largestStringCapacity)
            return status;
    }
    return status < 0 ? status : -1;
}

void CVornMotionChangeList::RollBack()
{
    for (const Entry &undo : std::as_const(undoList))
        Write(undo);
    undoList.clear();
}

void CVornMotionChangeList::Discard()
{
    entries.clear();
    pending.clear();
    undoList.clear();
    emit ChangelistSizeChanged(0);
    emit PendingEditsChanged();
}

quint32 CVornMotionChangeList::Count() const
{
    return quint32(entries.size());
}

CVornMotionChangeList::WriteFailure CVornMotionChangeList::FailedWrite() const
{
    return failedWrite;
}
