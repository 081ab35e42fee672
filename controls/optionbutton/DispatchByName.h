#pragma once

#include "platform/com/Dispatch.h"

#include <cstdint>

namespace qv3dopt {

// Reads and writes another object's properties by name, whatever its class.
// A read that fails gives the fallback (-1 for numbers, FALSE for Booleans),
// which matches no real group or tab index; succeeded tells whether the
// last read or write went through.
class DispatchByName {
public:
    std::int16_t GetDispShort(com::Dispatch* object, const char* name);
    bool GetDispBool(com::Dispatch* object, const char* name);
    std::int32_t GetDispLong(com::Dispatch* object, const char* name);
    void PutDispShort(com::Dispatch* object, const char* name, std::int16_t value);
    void PutDispBool(com::Dispatch* object, const char* name, bool value);
    bool succeeded() const { return com::succeeded(last_); }

private:
    bool read(com::Dispatch* object, const char* name, com::Variant* value);
    void write(com::Dispatch* object, const char* name, const com::Variant& value);

    com::Result last_ = com::kOk;
};

} // namespace qv3dopt
