#ifndef VORNAC_READCACHE_H
#define VORNAC_READCACHE_H

#include <vornac/iMotionConfigurationDatabase.h>

#include <QHash>
#include <QVector>

// Stands between the dialog, or one page, and the host's database. While a read scope is open (a
// page's reload, a settings file's load), every answer asked for again is the one already given:
// nothing writes to the database meanwhile, and hosts may answer across process or network
// boundaries. Outside a scope every call goes straight to the host, but for whether a setting is
// scaled: that is what the setting is (distance-based or not), not what it holds, so it is asked
// once. Writes always go to the host.
class CVornMotionReadCache : public nVornMCPCD100::iMotionConfigurationDatabase
{
public:
    explicit CVornMotionReadCache(nVornMCPCD100::iMotionConfigurationDatabase *host);

    // Keeps the answers for as long as it lives; nested scopes share the outermost one's.
    class Scope
    {
    public:
        explicit Scope(CVornMotionReadCache &cache);
        ~Scope();
        Scope(const Scope &) = delete;
        Scope &operator=(const Scope &) = delete;

    private:
        CVornMotionReadCache &cache;
    };

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

    struct Key
    {
        int question;
        nVornMCPCD100::AttributeId id;
        uint32_t index;
        // The candidate of a check, all three fields.
        qint32 integer;
        double real;
        quint8 boolean;

        bool operator==(const Key &other) const;
    };
    using HashValue = decltype(qHash(0));
    friend HashValue qHash(const Key &key, HashValue seed);

    struct Answer
    {
        int32_t status;
        nVornMCPCD100::AttributeValue value;
        uint8_t adjusted;
    };

    static Key KeyOf(Question question, nVornMCPCD100::AttributeId id, uint32_t index);
    template <typename Ask>
    int32_t Read(const Key &key, nVornMCPCD100::AttributeValue *value, Ask ask);
    template <typename Ask>
    bool Flag(Question question, nVornMCPCD100::AttributeId id, uint32_t index, Ask ask);

    struct TextAnswer
    {
        int32_t status;
        int32_t capacity;
        QVector<char16_t> buffer;
    };

    nVornMCPCD100::iMotionConfigurationDatabase *host;
    int depth = 0;
    QHash<Key, Answer> answers;
    QHash<Key, TextAnswer> texts;
    QHash<Key, bool> scaled;
};

#endif
