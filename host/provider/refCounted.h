#ifndef VORNAC_HOST_REFCOUNTED_H
#define VORNAC_HOST_REFCOUNTED_H

#include <vornac/CmxProvider.h>

// Reference counting for the host's COM-style objects: created with one reference, deleted by the
// release of the last one.
template <typename Interface>
class CRefCounted : public Interface
{
public:
    uint32_t VORN_COM_CALL AddRef() override { return ++references; }
    uint32_t VORN_COM_CALL Release() override
    {
        const uint32_t left = --references;
        if (left == 0)
            delete this;
        return left;
    }

protected:
    virtual ~CRefCounted() = default;

private:
    uint32_t references = 1;
};

#endif
