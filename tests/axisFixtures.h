#ifndef VORNAC_TESTS_AXISFIXTURES_H
#define VORNAC_TESTS_AXISFIXTURES_H

#include "database/axisDatabase.h"

// Small builders for the settings a test puts into the substitute database.
inline AxisSetting RealSetting(double value, bool settableWithoutConfigMode = true)
{
    AxisSetting setting;
    setting.kind = SettingKind::Real;
    setting.value.realValue = value;
    setting.defaultValue.realValue = value;
    setting.settableWithoutConfigMode = settableWithoutConfigMode;
    return setting;
}

inline AxisSetting IntegerSetting(qint32 value, bool readOnly = false)
{
    AxisSetting setting;
    setting.kind = SettingKind::Integer;
    setting.value.integerValue = value;
    setting.defaultValue.integerValue = value;
    setting.readOnly = readOnly;
    return setting;
}

inline AxisSetting EnumerationSetting(qint32 value, std::vector<int32_t> accepted)
{
    AxisSetting setting;
    setting.kind = SettingKind::Enumeration;
    setting.value.integerValue = value;
    setting.defaultValue.integerValue = value;
    setting.accepted = std::move(accepted);
    return setting;
}

inline AxisSetting StringSetting(const QString &text)
{
    AxisSetting setting;
    setting.kind = SettingKind::String;
    setting.text = text;
    setting.defaultText = text;
    return setting;
}

inline nVornMCPCD100::AttributeValue RealValue(double value)
{
    nVornMCPCD100::AttributeValue attribute = {};
    attribute.realValue = value;
    return attribute;
}

inline nVornMCPCD100::AttributeValue IntegerValue(qint32 value)
{
    nVornMCPCD100::AttributeValue attribute = {};
    attribute.integerValue = value;
    return attribute;
}

// Replaces the stored value of a real setting the database already holds.
inline void SetStoredReal(CAxisDatabase &database, quint32 id, double value, quint32 index = 0)
{
    AxisSetting setting = *database.Setting(id, index);
    setting.value.realValue = value;
    database.SetSetting(id, index, setting);
}

// An axis with only what the dialog itself reads: its type and position loop period.
inline void SetUpAxis(CAxisDatabase &database, qint32 axisType, double loopPeriod)
{
    database.Clear();
    database.SetSetting(0xA30001, 0, EnumerationSetting(axisType, {0xA3006B, 0xA3006C}));
    database.SetSetting(0xA3004B, 0, RealSetting(loopPeriod, false));
}

#endif
