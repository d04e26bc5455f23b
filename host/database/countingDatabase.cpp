#include "countingDatabase.h"

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

int32_t CountingDatabase::GetDeviceType(int32_t *deviceType, int32_t *second)
{
    ++calls;
    return inner->GetDeviceType(deviceType, second);
}

int32_t CountingDatabase::GetAttributeDefault(AttributeId id, uint32_t index, AttributeValue *value)
{
    ++calls;
    return inner->GetAttributeDefault(id, index, value);
}

int32_t CountingDatabase::GetAttributeMinimum(AttributeId id, uint32_t index, AttributeValue *value)
{
    ++calls;
    return inner->GetAttributeMinimum(id, index, value);
}

int32_t CountingDatabase::GetAttributeMaximum(AttributeId id, uint32_t index, AttributeValue *value)
{
    ++calls;
    return inner->GetAttributeMaximum(id, index, value);
}

int32_t CountingDatabase::SetAttribute(AttributeId id, uint32_t index, const AttributeValue *value)
{
    ++calls;
    return inner->SetAttribute(id, index, value);
}

int32_t CountingDatabase::GetAttribute(AttributeId id, uint32_t index, AttributeValue *value)
{
    ++calls;
    return inner->GetAttribute(id, index, value);
}

int32_t CountingDatabase::CheckAttributeValue(AttributeId id, uint32_t index,
                                              AttributeValue *candidate, uint8_t *adjusted)
{
    ++calls;
    return inner->CheckAttributeValue(id, index, candidate, adjusted);
}

bool CountingDatabase::IsAttributeScaled(AttributeId id, uint32_t index)
{
    ++calls;
    return inner->IsAttributeScaled(id, index);
}

bool CountingDatabase::IsAttributeSupported(AttributeId id, uint32_t index)
{
    ++calls;
    return inner->IsAttributeSupported(id, index);
}

bool CountingDatabase::IsSettableWithoutConfigMode(AttributeId id, uint32_t index)
{
    ++calls;
    return inner->IsSettableWithoutConfigMode(id, index);
}

bool CountingDatabase::IsAttributeReadOnly(AttributeId id, uint32_t index)
{
    ++calls;
    return inner->IsAttributeReadOnly(id, index);
}

int32_t CountingDatabase::SetAttributeString(AttributeId id, uint32_t index, uint32_t length,
                                             const char16_t *text)
{
    ++calls;
    return inner->SetAttributeString(id, index, length, text);
}

int32_t CountingDatabase::GetAttributeString(AttributeId id, uint32_t index, int32_t *capacity,
                                             char16_t *buffer)
{
    ++calls;
    return inner->GetAttributeString(id, index, capacity, buffer);
}
