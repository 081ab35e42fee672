#pragma once

#include "platform/com/Unknown.h"

namespace com {

// Makes the objects of one class. A locked server stays loaded even while
// it has no objects.
struct ClassFactory : Unknown {
    static constexpr Guid iid{0x00000001, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};

    // Aggregation is not offered: a non-null outer is refused.
    virtual Result createInstance(Unknown* outer, const Guid& iid, void** out) = 0;
    virtual Result lockServer(bool lock) = 0;

protected:
    ~ClassFactory() = default;
};

// The entry points every control library exports, by these names.
extern "C" {
using GetClassObjectEntry = Result (*)(const Guid* clsid, const Guid* iid, void** out);
using CanUnloadNowEntry = Result (*)();
using RegisterServerEntry = Result (*)();
}

} // namespace com
