#pragma once

#include <cstdint>

namespace com {

// The outcome of every call between a container and a control library: 0 or
// a positive value is success, a value with the top bit set a failure. The
// numbers are the ones containers and controls have always exchanged, so a
// control's error reaches its container unchanged.
using Result = std::int32_t;

constexpr Result result(std::uint32_t bits)
{
    return static_cast<Result>(bits);
}

inline constexpr Result kOk = 0;
inline constexpr Result kFalse = 1;
inline constexpr Result kNotImplemented = result(0x80004001);
inline constexpr Result kNoInterface = result(0x80004002);
inline constexpr Result kNullPointer = result(0x80004003);
inline constexpr Result kFailed = result(0x80004005);
inline constexpr Result kUnexpected = result(0x8000FFFF);
inline constexpr Result kOutOfMemory = result(0x8007000E);
inline constexpr Result kInvalidArgument = result(0x80070057);
inline constexpr Result kMemberNotFound = result(0x80020003);
inline constexpr Result kTypeMismatch = result(0x80020005);
inline constexpr Result kUnknownName = result(0x80020006);
inline constexpr Result kException = result(0x80020009);
inline constexpr Result kOverflow = result(0x8002000A);
inline constexpr Result kBadArgumentCount = result(0x8002000E);
inline constexpr Result kAggregationRefused = result(0x80040110);
inline constexpr Result kClassUnavailable = result(0x80040111);
inline constexpr Result kClassNotRegistered = result(0x80040154);
inline constexpr Result kNoConnection = result(0x80040200);
inline constexpr Result kAdviseLimit = result(0x80040201);
inline constexpr Result kRegistrationFailed = result(0x80040201);
inline constexpr Result kLibraryNotLoaded = result(0x8007007E);
inline constexpr Result kEntryPointMissing = result(0x8007007F);

constexpr bool succeeded(Result r)
{
    return r >= 0;
}
constexpr bool failed(Result r)
{
    return r < 0;
}

// Automation errors a control raises with a number of its own.
constexpr Result automationError(int number)
{
    return result(0x800A0000u | std::uint32_t(number & 0xFFFF));
}

} // namespace com
