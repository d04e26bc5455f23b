#ifndef VORNAC_TESTS_HOSTILEDATABASE_H
#define VORNAC_TESTS_HOSTILEDATABASE_H

#include "database/axisDatabase.h"

#include <random>
#include <set>
#include <utility>

// An axis database that answers like a broken host: from its seed, any read may fail or come
// back as garbage (NaN, infinities, denormal or huge reals, unknown identifiers, absurd counts,
// strings without a terminator or asking for more room than given), the device type may be
// unreadable, and the settings of a refusing set turn every write down. It remembers every real
// it was asked to write, counts the writes and names those it refused.
class HostileDatabase : public CAxisDatabase
{
public:
    explicit HostileDatabase(unsigned seed)
        : random(seed)
    {
    }

    // Picks the settings whose writes are refused until the next pick (empty at times), so that
    // a rollback, which writes only settings accepted before, is never refused itself.
    void PickRefusals();
    // Every real value written, in order.
    std::vector<double> writtenReals;
    // Every write asked for, of a value or a text, refused or not.
    int writeCalls = 0;
    // The settings whose writes were refused, by the refusing set or by the database's own rules,
    // in order.
    std::vector<Key> refusedWrites;
    // While set, reads still fail or come back NaN or infinite, but never as plausible lies: no
    // one can restore a database that lies about what it holds, so commits are judged on this.
    bool detectableFaultsOnly = false;
    // While set, the database answers every question as it holds it: a check that reloads and
    // compares needs the same answers twice.
    bool steady = false;

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
    bool IsAttributeReadOnly(nVornMCPCD100::AttributeId id, uint32_t index) override;
    int32_t SetAttributeString(nVornMCPCD100::AttributeId id, uint32_t index, uint32_t length,
                               const char16_t *text) override;
    int32_t GetAttributeString(nVornMCPCD100::AttributeId id, uint32_t index, int32_t *capacity,
                               char16_t *buffer) override;

private:
    bool Chance(int percent);
    // Spoils a value that was read, or leaves it alone.
    int32_t Spoil(nVornMCPCD100::AttributeId id, int32_t status,
                  nVornMCPCD100::AttributeValue *value);
    bool Flip(bool answer);
    int32_t Written(nVornMCPCD100::AttributeId id, uint32_t index, int32_t status);

    std::mt19937 random;
    std::set<std::pair<nVornMCPCD100::AttributeId, uint32_t>> refusing;
};

#endif
