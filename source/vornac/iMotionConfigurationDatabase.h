#ifndef VORNAC_IMOTIONCONFIGURATIONDATABASE_H
#define VORNAC_IMOTIONCONFIGURATIONDATABASE_H

#include <cstdint>

namespace nVornMCPCD100 {

// One number space holds attributes, enumeration values, page identifiers and dictionary keys.
typedef uint32_t AttributeId;

#pragma pack(push, 1)
// Every non-string value travels in this record; the host reads and writes its bytes directly,
// so the layout is fixed: 13 bytes, no padding. Which field counts follows from the setting's kind.
struct AttributeValue
{
    int32_t integerValue; // integers and enumeration values (identifiers)
    double realValue;     // periods in seconds, gains, positions
    uint8_t booleanValue; // 0 or 1
};
#pragma pack(pop)

static_assert(sizeof(AttributeValue) == 13, "AttributeValue must stay 13 packed bytes");

// The axis configuration database. The host implements and owns it; the module only calls it,
// always from the host's GUI thread. Every setting is addressed by the pair (attribute, index):
// index is 0 for a setting that exists once per axis, or the instance (encoder, line, gain set).
// Statuses: reads succeed at 0 or above; CheckAttributeValue accepts at exactly 0.
// Strings are UTF-16 code units, NUL-terminated.
class iMotionConfigurationDatabase
{
public:
    // Operations 1 to 6 belong to the host; the module never calls them.
    virtual int32_t HostOperation1() { return -1; }
    virtual int32_t HostOperation2() { return -1; }
    virtual int32_t HostOperation3() { return -1; }
    virtual int32_t HostOperation4() { return -1; }
    virtual int32_t HostOperation5() { return -1; }
    virtual int32_t HostOperation6() { return -1; }

    // The device that drives the axis in *deviceType; the second output is not read.
    // The module zeroes both before the call.
    virtual int32_t GetDeviceType(int32_t *deviceType, int32_t *second) = 0;

    // Factory default, lower and upper bound of a setting. On failure *value is left as it was.
    virtual int32_t GetAttributeDefault(AttributeId id, uint32_t index, AttributeValue *value) = 0;
    virtual int32_t GetAttributeMinimum(AttributeId id, uint32_t index, AttributeValue *value) = 0;
    virtual int32_t GetAttributeMaximum(AttributeId id, uint32_t index, AttributeValue *value) = 0;

    // Writes a value. Only the module's commit calls it; a negative status means refused.
    virtual int32_t SetAttribute(AttributeId id, uint32_t index, const AttributeValue *value) = 0;

    // The committed value. On failure *value is left as it was. A commit reads every setting before
    // it writes it, so that a refused commit can be undone: a setting that cannot be read is not
    // written, and the commit fails as if its write had been refused.
    virtual int32_t GetAttribute(AttributeId id, uint32_t index, AttributeValue *value) = 0;

    // 0: the candidate is acceptable for this setting. *adjusted is not read by the module.
    virtual int32_t CheckAttributeValue(AttributeId id, uint32_t index, AttributeValue *candidate,
                                        uint8_t *adjusted) = 0;

    // True: the stored value is in counts or steps, shown in user units.
    virtual bool IsAttributeScaled(AttributeId id, uint32_t index) = 0;
    // False: the setting does not exist for this axis.
    virtual bool IsAttributeSupported(AttributeId id, uint32_t index) = 0;
    // False: writing the setting needs the controller in configuration mode.
    virtual bool IsSettableWithoutConfigMode(AttributeId id, uint32_t index) = 0;
    virtual bool IsAttributeReadOnly(AttributeId id, uint32_t index) = 0;

    // Writes a string of `length` code units (no NUL needed). A negative status means refused.
    virtual int32_t SetAttributeString(AttributeId id, uint32_t index, uint32_t length,
                                       const char16_t *text) = 0;
    // Fills `buffer` (room for *capacity code units) with the NUL-terminated string. The host may
    // write a length back into *capacity; the module passes a fresh capacity on every call and
    // terminates the buffer itself.
    virtual int32_t GetAttributeString(AttributeId id, uint32_t index, int32_t *capacity,
                                       char16_t *buffer) = 0;

protected:
    // The host owns and destroys the database; the module never deletes it.
    ~iMotionConfigurationDatabase() = default;
};

} // namespace nVornMCPCD100

#endif
