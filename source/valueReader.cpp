#include "valueReader.h"

#include "changeList.h"

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
