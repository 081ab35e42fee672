#pragma once

#include "platform/core/RuntimeError.h"

namespace forms {

// The error numbers the windows test for when a control refuses a request.
namespace errors {
constexpr int invalidProcedureCall = 5;
constexpr int controlArrayElementMissing = 340;
constexpr int controlArrayElementLoaded = 360;
constexpr int invalidPropertyValue = 380;
constexpr int indexOutOfBounds = 35600;
constexpr int elementNotFound = 35601;
constexpr int keyNotUnique = 35602;
} // namespace errors

[[noreturn]] void throwInvalidPropertyValue();
[[noreturn]] void throwInvalidProcedureCall();

} // namespace forms
