#include "valueReader.h"

#include "changeList.h"

#include <vector>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

CVornMotionValueReader::CVornMotionValueReader(
    nVornMCPCD100::iMotionConfigurationDatabase *database, const CVornMotionChangeList *changeList)
    : database(database), changeList(changeList)
{
}

qint32 CVornMotionValueReader::ReadValue(AttributeId id, quint32 index, AttributeValue *out) const
{
    *out = AttributeValue();
    if (changeList->ReadValue(id, index, out))
        return 0;
    return database->GetAttribute(id, index, out);
}

qint32 CVornMotionValueReader::ReadInteger(AttributeId id, quint32 index) const
{
    AttributeValue value;
    ReadValue(id, index, &value);
    return value.integerValue;
}

double CVornMotionValueReader::ReadReal(AttributeId id, quint32 index) const
{
    AttributeValue value;
    ReadValue(id, index, &value);
    return value.realValue;
}

bool CVornMotionValueReader::ReadBoolean(AttributeId id, quint32 index) const
{
    AttributeValue value;
    ReadValue(id, index, &value);
    return value.booleanValue != 0;
}

QString CVornMotionValueReader::ReadString(AttributeId id, quint32 index, qint32 capacity) const
{
    if (capacity <= 0)
        return QString();
    if (!changeList->Contains(id, index))
        return ReadStoredString(id, index, capacity).value_or(QString());
    std::vector<char16_t> buffer(size_t(capacity), u'\0');
    changeList->ReadString(id, index, quint32(capacity), buffer.data());
    buffer[size_t(capacity) - 1] = u'\0';
    return QString::fromUtf16(buffer.data());
}

std::optional<QString> CVornMotionValueReader::ReadStoredString(AttributeId id, quint32 index,
                                                                qint32 capacity) const
{
    if (capacity <= 0)
        return std::nullopt;
    std::vector<char16_t> buffer(size_t(capacity), u'\0');
    // A host may write a length back into the capacity: this copy is the call's own.
    qint32 given = capacity;
    if (database->GetAttributeString(id, index, &given, buffer.data()) < 0)
        return std::nullopt;
    buffer[size_t(capacity) - 1] = u'\0';
    return QString::fromUtf16(buffer.data());
}
