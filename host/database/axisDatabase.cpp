#include "axisDatabase.h"

#include <QLocale>

#include <algorithm>
#include <cmath>
#include <cstring>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

namespace {

// Guards the QString allocation against a nonsensical length; no axis text comes near it.
const uint32_t kMaxStringLength = 1u << 20;

AttributeValue Normalized(SettingKind kind, const AttributeValue &value)
{
    AttributeValue result = {};
    switch (kind) {
    case SettingKind::Integer:
    case SettingKind::Enumeration:
        result.integerValue = value.integerValue;
        break;
    case SettingKind::Real:
        result.realValue = value.realValue;
        break;
    case SettingKind::Boolean:
        result.booleanValue = value.booleanValue;
        break;
    case SettingKind::String:
        break;
    }
    return result;
}

bool Contains(const std::vector<int32_t> &values, int32_t value)
{
    return std::find(values.begin(), values.end(), value) != values.end();
}

} // namespace

void CAxisDatabase::SetSetting(AttributeId id, uint32_t index, const AxisSetting &setting)
{
    AxisSetting stored = setting;
    stored.value = Normalized(setting.kind, setting.value);
    stored.defaultValue = Normalized(setting.kind, setting.defaultValue);
    if (stored.minimum)
        stored.minimum = Normalized(setting.kind, *stored.minimum);
    if (stored.maximum)
        stored.maximum = Normalized(setting.kind, *stored.maximum);
    if (setting.kind != SettingKind::String) {
        stored.text.clear();
        stored.defaultText.clear();
    }
    m_settings[Key(id, index)] = stored;
}

const AxisSetting *CAxisDatabase::Setting(AttributeId id, uint32_t index) const
{
    const auto found = m_settings.find(Key(id, index));
    return found == m_settings.end() ? nullptr : &found->second;
}

const std::map<CAxisDatabase::Key, AxisSetting> &CAxisDatabase::Settings() const
{
    return m_settings;
}

void CAxisDatabase::SetDeviceType(int32_t deviceType, int32_t second)
{
    m_deviceType = deviceType;
    m_deviceTypeSecond = second;
}

std::pair<int32_t, int32_t> CAxisDatabase::DeviceType() const
{
    return std::make_pair(m_deviceType, m_deviceTypeSecond);
}

void CAxisDatabase::SetDescription(const QString &description)
{
    m_description = description;
}

QString CAxisDatabase::Description() const
{
    return m_description;
}

void CAxisDatabase::Clear()
{
    m_settings.clear();
    m_deviceType = 0;
    m_deviceTypeSecond = 0;
    m_description.clear();
    m_writeLog.clear();
}

const QVector<CAxisDatabase::WriteRecord> &CAxisDatabase::WriteLog() const
{
    return m_writeLog;
}

void CAxisDatabase::ClearWriteLog()
{
    m_writeLog.clear();
}

QString CAxisDatabase::IdentifierText(uint32_t id, int minimumDigits)
{
    const QString digits = QString::number(id, 16).toUpper();
    return QStringLiteral("0x") + digits.rightJustified(minimumDigits, QLatin1Char('0'));
}

QString CAxisDatabase::RealText(double value)
{
    if (std::isnan(value))
        return QStringLiteral("nan");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("inf") : QStringLiteral("-inf");
    // Shortest digits that read back to the same double. Plain decimals over the range where
    // JavaScript uses them too, so 0.0001 does not turn into Qt 6's "1e-04".
    const QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    const int exponentAt = text.indexOf(QLatin1Char('e'));
    if (exponentAt < 0)
        return text;
    const int exponent = text.mid(exponentAt + 1).toInt();
    if (exponent >= -6 && exponent < 21)
        return QString::number(value, 'f', QLocale::FloatingPointShortest);
    return text.left(exponentAt) + QLatin1Char('e') + QString::number(exponent);
}

QString CAxisDatabase::ValueText(SettingKind kind, const AttributeValue &value)
{
    switch (kind) {
    case SettingKind::Integer:
        return QString::number(value.integerValue);
    case SettingKind::Enumeration:
        return IdentifierText(static_cast<uint32_t>(value.integerValue));
    case SettingKind::Real:
        return RealText(value.realValue);
    case SettingKind::Boolean:
        return value.booleanValue ? QStringLiteral("true") : QStringLiteral("false");
    case SettingKind::String:
        break;
    }
    return QString();
}

QString CAxisDatabase::QuotedText(const QString &text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

int32_t CAxisDatabase::GetDeviceType(int32_t *deviceType, int32_t *second)
{
    if (deviceType)
        *deviceType = m_deviceType;
    if (second)
        *second = m_deviceTypeSecond;
    return StatusOk;
}

int32_t CAxisDatabase::GetAttributeDefault(AttributeId id, uint32_t index, AttributeValue *value)
{
    return ReadValue(id, index, value, Stored::Default);
}

int32_t CAxisDatabase::GetAttributeMinimum(AttributeId id, uint32_t index, AttributeValue *value)
{
    return ReadValue(id, index, value, Stored::Minimum);
}

int32_t CAxisDatabase::GetAttributeMaximum(AttributeId id, uint32_t index, AttributeValue *value)
{
    return ReadValue(id, index, value, Stored::Maximum);
}

int32_t CAxisDatabase::SetAttribute(AttributeId id, uint32_t index, const AttributeValue *value)
{
    AxisSetting *setting = SupportedSetting(id, index);
    if (!setting)
        return StatusNotFound;
    if (!value)
        return StatusInvalidArgument;
    if (setting->kind == SettingKind::String)
        return StatusWrongKind;
    if (setting->readOnly || !IsAcceptable(*setting, *value))
        return StatusRefused;
    setting->value = Normalized(setting->kind, *value);
    m_writeLog.append({id, index, ValueText(setting->kind, setting->value)});
    return StatusOk;
}

int32_t CAxisDatabase::GetAttribute(AttributeId id, uint32_t index, AttributeValue *value)
{
    return ReadValue(id, index, value, Stored::Value);
}

int32_t CAxisDatabase::CheckAttributeValue(AttributeId id, uint32_t index,
                                           AttributeValue *candidate, uint8_t *adjusted)
{
    const AxisSetting *setting = SupportedSetting(id, index);
    if (!setting)
        return StatusNotFound;
    if (!candidate)
        return StatusInvalidArgument;
    if (setting->kind == SettingKind::String)
        return StatusWrongKind;
    if (adjusted)
        *adjusted = 0;
    return IsAcceptable(*setting, *candidate) ? StatusOk : StatusRefused;
}

bool CAxisDatabase::IsAttributeScaled(AttributeId id, uint32_t index)
{
    const AxisSetting *setting = Setting(id, index);
    return setting && setting->scaled;
}

bool CAxisDatabase::IsAttributeSupported(AttributeId id, uint32_t index)
{
    return SupportedSetting(id, index) != nullptr;
}

bool CAxisDatabase::IsSettableWithoutConfigMode(AttributeId id, uint32_t index)
{
    const AxisSetting *setting = Setting(id, index);
    return !setting || setting->settableWithoutConfigMode;
}

bool CAxisDatabase::IsAttributeReadOnly(AttributeId id, uint32_t index)
{
    const AxisSetting *setting = Setting(id, index);
    return setting && setting->readOnly;
}

int32_t CAxisDatabase::SetAttributeString(AttributeId id, uint32_t index, uint32_t length,
                                          const char16_t *text)
{
    AxisSetting *setting = SupportedSetting(id, index);
    if (!setting)
        return StatusNotFound;
    if (!text || length > kMaxStringLength)
        return StatusInvalidArgument;
    if (setting->kind != SettingKind::String)
        return StatusWrongKind;
    if (setting->readOnly)
        return StatusRefused;
    // Taken unit for unit: QString::fromUtf16 would swallow a leading byte order mark.
    setting->text = QString(reinterpret_cast<const QChar *>(text), static_cast<int>(length));
    m_writeLog.append({id, index, QuotedText(setting->text)});
    return StatusOk;
}

int32_t CAxisDatabase::GetAttributeString(AttributeId id, uint32_t index, int32_t *capacity,
                                          char16_t *buffer)
{
    const AxisSetting *setting = SupportedSetting(id, index);
    if (!setting)
        return StatusNotFound;
    if (!capacity || !buffer || *capacity <= 0)
        return StatusInvalidArgument;
    if (setting->kind != SettingKind::String)
        return StatusWrongKind;
    const int32_t length = static_cast<int32_t>(setting->text.size());
    const int32_t room = *capacity;
    const int32_t copied = std::min(length, room - 1);
    std::memcpy(buffer, setting->text.utf16(), static_cast<size_t>(copied) * sizeof(char16_t));
    buffer[copied] = 0;
    if (copied < length) {
        *capacity = length + 1;
        return StatusBufferTooSmall;
    }
    *capacity = length;
    return StatusOk;
}

bool CAxisDatabase::IsAcceptable(const AxisSetting &setting, const AttributeValue &candidate)
{
    switch (setting.kind) {
    case SettingKind::Integer: {
        const int32_t value = candidate.integerValue;
        if (setting.minimum && value < setting.minimum->integerValue)
            return false;
        if (setting.maximum && value > setting.maximum->integerValue)
            return false;
        return setting.accepted.empty() || Contains(setting.accepted, value);
    }
    case SettingKind::Enumeration:
        return Contains(setting.accepted, candidate.integerValue);
    case SettingKind::Real: {
        const double value = candidate.realValue;
        if (!std::isfinite(value))
            return false;
        if (setting.minimum && value < setting.minimum->realValue)
            return false;
        return !setting.maximum || value <= setting.maximum->realValue;
    }
    case SettingKind::Boolean:
        return candidate.booleanValue <= 1;
    case SettingKind::String:
        break;
    }
    return false;
}

AxisSetting *CAxisDatabase::SupportedSetting(AttributeId id, uint32_t index)
{
    const auto found = m_settings.find(Key(id, index));
    if (found == m_settings.end() || !found->second.supported)
        return nullptr;
    return &found->second;
}

int32_t CAxisDatabase::ReadValue(AttributeId id, uint32_t index, AttributeValue *value,
                                 Stored which)
{
    const AxisSetting *setting = SupportedSetting(id, index);
    if (!setting)
        return StatusNotFound;
    if (!value)
        return StatusInvalidArgument;
    if (setting->kind == SettingKind::String)
        return StatusWrongKind;
    const std::optional<AttributeValue> *bound = nullptr;
    switch (which) {
    case Stored::Value:
        *value = setting->value;
        return StatusOk;
    case Stored::Default:
        *value = setting->defaultValue;
        return StatusOk;
    case Stored::Minimum:
        bound = &setting->minimum;
        break;
    case Stored::Maximum:
        bound = &setting->maximum;
        break;
    }
    const SettingKind kind = setting->kind;
    const bool bounded = kind == SettingKind::Integer || kind == SettingKind::Real;
    if (!bound || !bound->has_value() || !bounded)
        return StatusNotFound;
    *value = **bound;
    return StatusOk;
}
