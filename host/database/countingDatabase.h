#ifndef VORNAC_HOST_COUNTINGDATABASE_H
#define VORNAC_HOST_COUNTINGDATABASE_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <cstdint>
#include <set>
#include <tuple>

// Passes every call on to a host's database and counts it: hosts answer across process or
// network boundaries, so each call has a price of its own. It also counts the reads that ask
// again what was asked since the last write, which a caller could have remembered.
class CountingDatabase : public nVornMCPCD100::iMotionConfigurationDatabase
{
public:
    explicit CountingDatabase(nVornMCPCD100::iMotionConfigurationDatabase *inner)
        : inner(inner)
    {
    }

    long long calls = 0;
    long long repeats = 0;
    // Starts both counts afresh.
    void ResetCounts();

    int32_t GetDeviceType(int32_t *deviceType, int32_t *second) override;
    int32_t GetAttributeDefault(nVornMCPCD100::AttributeId id, uint32_t index,
                                nVornMCPCD100::AttributeValue *value) override;
    int32_t GetAttributeMinimum(nVornMCPCD100::AttributeId id, uint32_t index,
                                nVornMCPCD100::AttributeValue *value) override;
    int32_t GetAttributeMaximum(nVornMCPCD100::AttributeId id, uint32_t index,
                                nVornMCPCD100::AttributeValue *value) override;
    int32_t SetAttribute(nVornMCPCD100::AttributeId id, uint32_t index,
                         const nVornMCPCD100::AttributeValue *value) override;
    int32_t GetAttribute(nVornMCPCD100::AttributeId id, uint32_t index,
                         nVornMCPCD100::AttributeValue *value) override;
    int32_t CheckAttributeValue(nVornMCPCD100::AttributeId id, uint32_t index,
                                nVornMCPCD100::AttributeValue *candidate,
                                uint8_t *adjusted) override;
    bool IsAttributeScaled(nVornMCPCD100::AttributeId id, uint32_t index) override;
    bool IsAttributeSupported(nVornMCPCD100::AttributeId id, uint32_t index) override;
    bool IsSettableWithoutConfigMode(nVornMCPCD100::AttributeId id, uint32_t index) override;
    bool IsAttributeReadOnly(nVornMCPCD100::AttributeId id, uint32_t index) override;
    int32_t SetAttributeString(nVornMCPCD100::AttributeId id, uint32_t index, uint32_t length,
                               const char16_t *text) override;
    int32_t GetAttributeString(nVornMCPCD100::AttributeId id, uint32_t index, int32_t *capacity,
                               char16_t *buffer) override;

private:
    enum Question
    {
        DeviceType,
        Default,
        Minimum,
        Maximum,
        Value,
        Check,
        Scaled,
        Supported,
        SettableWithoutConfigMode,
        ReadOnly,
        Text
    };
    // A read, with what else tells two questions apart: a check's candidate, a text's capacity.
    void Read(Question question, nVornMCPCD100::AttributeId id, uint32_t index,
              const nVornMCPCD100::AttributeValue *candidate = nullptr, int32_t capacity = 0);
    void Write();

    nVornMCPCD100::iMotionConfigurationDatabase *inner;
    std::set<std::tuple<int, nVornMCPCD100::AttributeId, uint32_t, int32_t, uint64_t, uint8_t,
                        int32_t>>
        asked;
};

#endif
