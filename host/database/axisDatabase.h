#ifndef VORNAC_HOST_AXISDATABASE_H
#define VORNAC_HOST_AXISDATABASE_H

#include "axisSetting.h"

#include <vornac/iMotionConfigurationDatabase.h>

#include <QString>
#include <QVector>

#include <cstdint>
#include <map>
#include <utility>

// In-memory stand-in for the host's axis configuration database, filled from a profile and
// answering the module through the interface. It records every write the module commits so the
// demo host can show what a real controller would have received.
class CAxisDatabase : public nVornMCPCD100::iMotionConfigurationDatabase
{
public:
    typedef std::pair<nVornMCPCD100::AttributeId, uint32_t> Key;

    enum Status : int32_t
    {
        StatusOk = 0,
        StatusNotFound = -1,     // unknown or unsupported (attribute, index)
        StatusWrongKind = -2,    // the operation does not apply to the setting's kind
        StatusBufferTooSmall = -3,
        StatusInvalidArgument = -4,
        StatusRefused = -5       // read-only, or the value is not acceptable
    };

    struct WriteRecord
    {
        nVornMCPCD100::AttributeId id;
        uint32_t index;
        QString text;
    };

    CAxisDatabase() = default;
    CAxisDatabase(const CAxisDatabase &other) = default;
    CAxisDatabase &operator=(const CAxisDatabase &other) = default;
    virtual ~CAxisDatabase() = default;

    // Adds or replaces an entry; the value fields and texts foreign to its kind are cleared.
    void SetSetting(nVornMCPCD100::AttributeId id, uint32_t index, const AxisSetting &setting);
    // Null when there is no such entry.
    const AxisSetting *Setting(nVornMCPCD100::AttributeId id, uint32_t index) const;
    const std::map<Key, AxisSetting> &Settings() const;

    void SetDeviceType(int32_t deviceType, int32_t second);
    std::pair<int32_t, int32_t> DeviceType() const;

    void SetDescription(const QString &description);
    QString Description() const;

    // Forgets settings, device type, description and write log.
    void Clear();

    const QVector<WriteRecord> &WriteLog() const;
    void ClearWriteLog();

    // Texts as a user reads them: "0xA3006C", "0.0001", "-5", "true", "\"mm\"".
    static QString IdentifierText(uint32_t id, int minimumDigits = 1);
    static QString RealText(double value);
    static QString ValueText(SettingKind kind, const nVornMCPCD100::AttributeValue &value);
    static QString QuotedText(const QString &text);

    // The module's side. An unsupported entry reads, checks and writes like an absent one; the
    // flag queries still answer from the entry, and for an absent one as for a plain setting.
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
    enum class Stored
    {
        Value,
        Default,
        Minimum,
        Maximum
    };

    // Judged on the field of the setting's kind only.
    static bool IsAcceptable(const AxisSetting &setting,
                             const nVornMCPCD100::AttributeValue &candidate);
    // Null for unknown and unsupported entries: the module must see them as absent.
    AxisSetting *SupportedSetting(nVornMCPCD100::AttributeId id, uint32_t index);
    int32_t ReadValue(nVornMCPCD100::AttributeId id, uint32_t index,
                      nVornMCPCD100::AttributeValue *value, Stored which);

    std::map<Key, AxisSetting> m_settings;
    int32_t m_deviceType = 0;
    int32_t m_deviceTypeSecond = 0;
    QString m_description;
    QVector<WriteRecord> m_writeLog;
};

#endif
