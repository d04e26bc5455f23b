#include "countingDatabase.h"

#include <cstring>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

void CountingDatabase::ResetCounts()
{
    calls = 0;
    repeats = 0;
    asked.clear();
}

void CountingDatabase::Read(Question question, AttributeId id, uint32_t index,
                            const AttributeValue *candidate, int32_t capacity)
{
    ++calls;
    const AttributeValue value = candidate ? *candidate : AttributeValue();
    uint64_t realBits = 0;
    std::memcpy(&realBits, &value.realValue, sizeof realBits);
    if (!asked.emplace(question, id, index, value.integerValue, realBits, value.booleanValue,
                       capacity)
             .second)
        ++repeats;
}

// A write may change any answer.
void CountingDatabase::Write()
{
    ++calls;
    asked.clear();
}

int32_t CountingDatabase::GetDeviceType(int32_t *deviceType, int32_t *second)
{
    Read(DeviceType, 0, 0);
    return inner->GetDeviceType(deviceType, second);
}

int32_t CountingDatabase::GetAttributeDefault(AttributeId id, uint32_t index, AttributeValue *value)
{
    Read(Default, id, index);
    return inner->GetAttributeDefault(id, index, value);
}

int32_t CountingDatabase::GetAttributeMinimum(AttributeId id, uint32_t index, AttributeValue *value)
{
    Read(Minimum, id, index);
    return inner->GetAttributeMinimum(id, index, value);
}

int32_t CountingDatabase::GetAttributeMaximum(AttributeId id, uint32_t index, AttributeValue *value)
{
    Read(Maximum, id, index);
    return inner->GetAttributeMaximum(id, index, value);
}

int32_t CountingDatabase::SetAttribute(AttributeId id, uint32_t index, const AttributeValue *value)
{
    Write();
    return inner->SetAttribute(id, index, value);
}

int32_t CountingDatabase::GetAttribute(AttributeId id, uint32_t index, AttributeValue *value)
{
    Read(Value, id, index);
    return inner->GetAttribute(id, index, value);
}

int32_t CountingDatabase::CheckAttributeValue(AttributeId id, uint32_t index,
                                              AttributeValue *candidate, uint8_t *adjusted)
{
    Read(Check, id, index, candidate);
    return inner->CheckAttributeValue(id, index, candidate, adjusted);
}

bool CountingDatabase::IsAttributeScaled(AttributeId id, uint32_t index)
{
    Read(Scaled, id, index);
    return inner->IsAttributeScaled(id, index);
}

bool CountingDatabase::IsAttributeSupported(AttributeId id, uint32_t index)
{
    Read(Supported, id, index);
    return inner->IsAttributeSupported(id, index);
}

bool CountingDatabase::IsSettableWithoutConfigMode(AttributeId id, uint32_t index)
{
    Read(SettableWithoutConfigMode, id, index);
    return inner->IsSettableWithoutConfigMode(id, index);
}

bool CountingDatabase::IsAttributeReadOnly(AttributeId id, uint32_t index)
{
    Read(ReadOnly, id, index);
    return inner->IsAttributeReadOnly(id, index);
}

int32_t CountingDatabase::SetAttributeString(AttributeId id, uint32_t index, uint32_t length,
                                             const char16_t *text)
{
    Write();
    return inner->SetAttributeString(id, index, length, text);
}

int32_t CountingDatabase::GetAttributeString(AttributeId id, uint32_t index, int32_t *capacity,
                                             char16_t *buffer)
{
    Read(Text, id, index, nullptr, capacity ? *capacity : 0);
    return inner->GetAttributeString(id, index, capacity, buffer);
}
