#ifndef VORNAC_HOST_AXISSETTING_H
#define VORNAC_HOST_AXISSETTING_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

// Which field of an AttributeValue carries the setting, or that it is a text.
enum class SettingKind
{
    Integer,
    Real,
    Boolean,
    Enumeration,
    String
};

// One (attribute, index) entry of the substitute axis database. Only the AttributeValue field
// that belongs to `kind` is meaningful; CAxisDatabase zeroes the others when it stores a setting.
struct AxisSetting
{
    SettingKind kind = SettingKind::Integer;
    nVornMCPCD100::AttributeValue value = {};
    nVornMCPCD100::AttributeValue defaultValue = {};
    // Integer and Real only; an absent bound makes the database's minimum or maximum query fail.
    std::optional<nVornMCPCD100::AttributeValue> minimum;
    std::optional<nVornMCPCD100::AttributeValue> maximum;
    // Enumeration: exactly the identifiers a check accepts. Integer: when not empty, the only
    // values accepted besides the bounds.
    std::vector<int32_t> accepted;
    bool supported = true;
    bool readOnly = false;
    bool scaled = false;
    bool settableWithoutConfigMode = true;
    // String only.
    QString text;
    QString defaultText;
    // Free comment for whoever edits a profile; the database never interprets it.
    QString note;
};

inline bool SameAttributeValue(const nVornMCPCD100::AttributeValue &left,
                               const nVornMCPCD100::AttributeValue &right)
{
    return left.integerValue == right.integerValue && left.realValue == right.realValue
        && left.booleanValue == right.booleanValue;
}

inline bool SameBound(const std::optional<nVornMCPCD100::AttributeValue> &left,
                      const std::optional<nVornMCPCD100::AttributeValue> &right)
{
    if (left.has_value() != right.has_value())
        return false;
    return !left.has_value() || SameAttributeValue(*left, *right);
}

inline bool operator==(const AxisSetting &left, const AxisSetting &right)
{
    return left.kind == right.kind && SameAttributeValue(left.value, right.value)
        && SameAttributeValue(left.defaultValue, right.defaultValue)
        && SameBound(left.minimum, right.minimum) && SameBound(left.maximum, right.maximum)
        && left.accepted == right.accepted && left.supported == right.supported
        && left.readOnly == right.readOnly && left.scaled == right.scaled
        && left.settableWithoutConfigMode == right.settableWithoutConfigMode
        && left.text == right.text && left.defaultText == right.defaultText
        && left.note == right.note;
}

inline bool operator!=(const AxisSetting &left, const AxisSetting &right)
{
    return !(left == right);
}

#endif
