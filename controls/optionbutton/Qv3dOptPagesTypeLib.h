#pragma once

#include <cstdint>
#include <span>

namespace qv3dopt {

// One member of an enumeration, as the library describes its types.
struct EnumMember {
    std::int32_t value;
    const char* name;
};

// One enumeration of the library: its name and its members in order.
struct TypeDescription {
    const char* name;
    std::span<const EnumMember> members;
};

// The library's own description of its enumerations, in the order the
// library lists them; the General page fills its lists from it.
std::span<const TypeDescription> ownTypeLibrary();

} // namespace qv3dopt
