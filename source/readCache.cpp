#include "readCache.h"

#include <algorithm>
#include <cstring>

using nVornMCPCD100::AttributeId;
using nVornMCPCD100::AttributeValue;

CVornMotionReadCache::CVornMotionReadCache(nVornMCPCD100::iMotionConfigurationDatabase *host)
    : host(host)
{
}

CVornMotionReadCache::Scope::Scope(CVornMotionReadCache &cache)
    : cache(cache)
{
    ++cache.depth;
}

CVornMotionReadCache::Scope::~Scope()
{
    if (--cache.depth == 0) {
        cache.answers.clear();
        cache.texts.clear();
    }
}

bool CVornMotionReadCache::Key::operator==(const Key &other) const
{
    return question == other.question && id == other.id && index == other.index
           && integer == other.integer && std::memcmp(&real, &other.real, sizeof real) == 0
           && boolean == other.boolean;
}

CVornMotionReadCache::HashValue qHash(const CVornMotionReadCache::Key &key,
                                      CVornMotionReadCache::HashValue seed)
{
    quint64 bits = 0;
    std::memcpy(&bits, &key.real, sizeof bits);
    CVornMotionReadCache::HashValue hash = seed;
    for (const quint64 part : {quint64(key.question), quint64(key.id), quint64(key.index),
                               quint64(quint32(key.integer)), bits, quint64(key.boolean)})
        hash ^= qHash(part) + 0x9e3779b9u + (hash << 6) + (hash >> 2);
    return hash;
}

CVornMotionReadCache::Key CVornMotionReadCache::KeyOf(Question question, AttributeId id,
                                                      uint32_t index)
{
    return {question, id, index, 0, 0.0, 0};
}

// A failed read leaves *value as it was, as the host would; a repeated one does the same.
template <typename Ask>
int32_t CVornMotionReadCache::Read(const Key &key, AttributeValue *value, Ask ask)
{
    if (depth > 0 && value) {
        const auto known = answers.constFind(key);
        if (known != answers.constEnd()) {
            if (known->status >= 0)
                *value = known->value;
            return known->status;
        }
    }
    Answer answer = {0, value ? *value : AttributeValue(), 0};
    answer.status = ask(&answer.value, &answer.adjusted);
    if (value)
        *value = answer.value;
    if (depth > 0 && value)
        answers.insert(key, answer);
    return answer.status;
}

template <typename Ask>
bool CVornMotionReadCache::Flag(Question question, AttributeId id, uint32_t index, Ask ask)
{
    AttributeValue flag = {};
    Read(KeyOf(question, id, index), &flag, [&](AttributeValue *out, uint8_t *) {
        out->booleanValue = ask() ? 1 : 0;
        return 0;
    });
    return flag.booleanValue != 0;
}

int32_t CVornMotionReadCache::GetDeviceType(int32_t *deviceType, int32_t *second)
{
    AttributeValue both = {};
    const int32_t status
        = Read(KeyOf(DeviceType, 0, 0), &both, [this](AttributeValue *out, uint8_t *) {
              int32_t type = 0;
              int32_t other = 0;
              const int32_t asked = host->GetDeviceType(&type, &other);
              out->integerValue = type;
              out->realValue = other;
              return asked;
          });
    if (deviceType)
        *deviceType = both.integerValue;
    if (second)
        *second = int32_t(both.realValue);
    return status;
}

int32_t CVornMotionReadCache::GetAttributeDefault(AttributeId id, uint32_t index,
                                                  AttributeValue *value)
{
    return Read(KeyOf(Default, id, index), value, [&](AttributeValue *out, uint8_t *) {
        return host->GetAttributeDefault(id, index, out);
    });
}

int32_t CVornMotionReadCache::GetAttributeMinimum(AttributeId id, uint32_t index,
                                                  AttributeValue *value)
{
    return Read(KeyOf(Minimum, id, index), value, [&](AttributeValue *out, uint8_t *) {
        return host->GetAttributeMinimum(id, index, out);
    });
}

int32_t CVornMotionReadCache::GetAttributeMaximum(AttributeId id, uint32_t index,
                                                  AttributeValue *value)
{
    return Read(KeyOf(Maximum, id, index), value, [&](AttributeValue *out, uint8_t *) {
        return host->GetAttributeMaximum(id, index, out);
    });
}

int32_t CVornMotionReadCache::GetAttribute(AttributeId id, uint32_t index, AttributeValue *value)
{
    return Read(KeyOf(Value, id, index), value, [&](AttributeValue *out, uint8_t *) {
        return host->GetAttribute(id, index, out);
    });
}

int32_t CVornMotionReadCache::CheckAttributeValue(AttributeId id, uint32_t index,
                                                  AttributeValue *candidate, uint8_t *adjusted)
{
    if (!candidate)
        return host->CheckAttributeValue(id, index, candidate, adjusted);
    const Key key = {
        Check, id, index, candidate->integerValue, candidate->realValue, candidate->booleanValue};
    const auto known = depth > 0 ? answers.constFind(key) : answers.constEnd();
    Answer answer;
    if (known != answers.constEnd()) {
        answer = *known;
    } else {
        answer = {0, *candidate, uint8_t(adjusted ? *adjusted : 0)};
        answer.status = host->CheckAttributeValue(id, index, &answer.value, &answer.adjusted);
        if (depth > 0)
            answers.insert(key, answer);
    }
    *candidate = answer.value;
    if (adjusted)
        *adjusted = answer.adjusted;
    return answer.status;
}

bool CVornMotionReadCache::IsAttributeScaled(AttributeId id, uint32_t index)
{
    const Key key = KeyOf(Scaled, id, index);
    const auto known = scaled.constFind(key);
    if (known != scaled.constEnd())
        return *known;
    const bool answer = host->IsAttributeScaled(id, index);
    scaled.insert(key, answer);
    return answer;
}

bool CVornMotionReadCache::IsAttributeSupported(AttributeId id, uint32_t index)
{
    return Flag(Supported, id, index, [&] {
        return host->IsAttributeSupported(id, index);
    });
}

bool CVornMotionReadCache::IsSettableWithoutConfigMode(AttributeId id, uint32_t index)
{
    return Flag(SettableWithoutConfigMode, id, index, [&] {
        return host->IsSettableWithoutConfigMode(id, index);
    });
}

bool CVornMotionReadCache::IsAttributeReadOnly(AttributeId id, uint32_t index)
{
    return Flag(ReadOnly, id, index, [&] {
        return host->IsAttributeReadOnly(id, index);
    });
}

int32_t CVornMotionReadCache::SetAttribute(AttributeId id, uint32_t index,
                                           const AttributeValue *value)
{
    answers.clear();
    texts.clear();
    return host->SetAttribute(id, index, value);
}

int32_t CVornMotionReadCache::SetAttributeString(AttributeId id, uint32_t index, uint32_t length,
                                                 const char16_t *text)
{
    answers.clear();
    texts.clear();
    return host->SetAttributeString(id, index, length, text);
}

// Repeated with the same capacity, a read gives the same text and the same capacity back.
int32_t CVornMotionReadCache::GetAttributeString(AttributeId id, uint32_t index, int32_t *capacity,
                                                 char16_t *buffer)
{
    if (depth == 0 || !capacity || !buffer || *capacity <= 0)
        return host->GetAttributeString(id, index, capacity, buffer);
    Key key = KeyOf(Text, id, index);
    key.integer = *capacity;
    const auto known = texts.constFind(key);
    if (known != texts.constEnd()) {
        std::copy(known->buffer.cbegin(), known->buffer.cend(), buffer);
        *capacity = known->capacity;
        return known->status;
    }
    const int32_t given = *capacity;
    const int32_t status = host->GetAttributeString(id, index, capacity, buffer);
    texts.insert(key, {status, *capacity, QVector<char16_t>(buffer, buffer + given)});
    return status;
}
