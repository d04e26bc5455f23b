#include "hostileDatabase.h"

#include <cmath>
#include <limits>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

// Settings that count instances or give a first instance: garbage there reaches loops and indexes.
bool IsCountOrIndex(AttributeId id)
{
    switch (id) {
    case 0xA300C6:
    case 0xA300C7:
    case 0xA300C8:
    case 0xA30060:
    case 0xA30061:
    case 0xA10060:
    case 0xA10061:
    case 0xA10062:
        return true;
    default:
        return false;
    }
}

} // namespace

bool HostileDatabase::Chance(int percent)
{
    if (steady)
        return false;
    return int(random() % 100) < percent;
}

void HostileDatabase::PickRefusals()
{
    refusing.clear();
    if (!Chance(50))
        return;
    const auto &settings = Settings();
    const int count = 1 + int(random() % 8);
    for (int pick = 0; pick < count && !settings.empty(); ++pick) {
        auto entry = settings.begin();
        std::advance(entry, random() % settings.size());
        refusing.insert(entry->first);
    }
}

int32_t HostileDatabase::Spoil(AttributeId id, int32_t status, AttributeValue *value)
{
    if (!value || !Chance(15))
        return status;
    if (Chance(30))
        return -1 - int32_t(random() % 5);
    if (detectableFaultsOnly) {
        value->realValue = Chance(50) ? std::nan("") : std::numeric_limits<double>::infinity();
        return status;
    }
    const double reals[] = {std::nan(""),
                            std::numeric_limits<double>::infinity(),
                            -std::numeric_limits<double>::infinity(),
                            4.9e-324,
                            1e300,
                            -1e300};
    const int32_t integers[] = {-1,
                                0,
                                1000000000,
                                std::numeric_limits<int32_t>::min(),
                                std::numeric_limits<int32_t>::max(),
                                int32_t(random())};
    value->realValue = reals[random() % 6];
    value->integerValue = IsCountOrIndex(id) ? integers[random() % 3] : integers[random() % 6];
    value->booleanValue = quint8(random() % 256);
    return status;
}

bool HostileDatabase::Flip(bool answer)
{
    return Chance(5) ? !answer : answer;
}

int32_t HostileDatabase::GetDeviceType(int32_t *deviceType, int32_t *second)
{
    if (Chance(20))
        return -1;
    const int32_t status = CAxisDatabase::GetDeviceType(deviceType, second);
    if (deviceType && Chance(10))
        *deviceType = int32_t(random());
    return status;
}

int32_t HostileDatabase::GetAttributeDefault(AttributeId id, uint32_t index, AttributeValue *value)
{
    return Spoil(id, CAxisDatabase::GetAttributeDefault(id, index, value), value);
}

int32_t HostileDatabase::GetAttributeMinimum(AttributeId id, uint32_t index, AttributeValue *value)
{
    return Spoil(id, CAxisDatabase::GetAttributeMinimum(id, index, value), value);
}

int32_t HostileDatabase::GetAttributeMaximum(AttributeId id, uint32_t index, AttributeValue *value)
{
    return Spoil(id, CAxisDatabase::GetAttributeMaximum(id, index, value), value);
}

int32_t HostileDatabase::GetAttribute(AttributeId id, uint32_t index, AttributeValue *value)
{
    return Spoil(id, CAxisDatabase::GetAttribute(id, index, value), value);
}

int32_t HostileDatabase::CheckAttributeValue(AttributeId id, uint32_t index,
                                             AttributeValue *candidate, uint8_t *adjusted)
{
    const int32_t status = CAxisDatabase::CheckAttributeValue(id, index, candidate, adjusted);
    return Chance(5) ? (status == 0 ? -1 : 0) : status;
}

bool HostileDatabase::IsAttributeScaled(AttributeId id, uint32_t index)
{
    return Flip(CAxisDatabase::IsAttributeScaled(id, index));
}

bool HostileDatabase::IsAttributeSupported(AttributeId id, uint32_t index)
{
    return Flip(CAxisDatabase::IsAttributeSupported(id, index));
}

bool HostileDatabase::IsAttributeReadOnly(AttributeId id, uint32_t index)
{
    return Flip(CAxisDatabase::IsAttributeReadOnly(id, index));
}

int32_t HostileDatabase::Written(AttributeId id, uint32_t index, int32_t status)
{
    ++writeCalls;
    if (status < 0)
        refusedWrites.emplace_back(id, index);
    return status;
}

int32_t HostileDatabase::SetAttribute(AttributeId id, uint32_t index, const AttributeValue *value)
{
    if (value)
        writtenReals.push_back(double(value->realValue));
    if (refusing.count({id, index}))
        return Written(id, index, StatusRefused);
    return Written(id, index, CAxisDatabase::SetAttribute(id, index, value));
}

int32_t HostileDatabase::SetAttributeString(AttributeId id, uint32_t index, uint32_t length,
                                            const char16_t *text)
{
    if (refusing.count({id, index}))
        return Written(id, index, StatusRefused);
    return Written(id, index, CAxisDatabase::SetAttributeString(id, index, length, text));
}

int32_t HostileDatabase::GetAttributeString(AttributeId id, uint32_t index, int32_t *capacity,
                                            char16_t *buffer)
{
    if (capacity && buffer && *capacity > 0 && Chance(15)) {
        switch (random() % 3) {
        case 0:
            // The whole buffer, and no terminator.
            std::fill(buffer, buffer + *capacity, u'x');
            return 0;
        case 1:
            *capacity = Chance(50) ? 1000000000 : *capacity + 1 + int32_t(random() % 100);
            return StatusBufferTooSmall;
        default:
            return -1;
        }
    }
    return CAxisDatabase::GetAttributeString(id, index, capacity, buffer);
}
