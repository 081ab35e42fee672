#pragma once

#include "platform/core/RuntimeError.h"

#include <functional>

namespace testsupport {

// The number of the error a step raises, or 0 when it runs through.
inline int errorOf(const std::function<void()>& step)
{
    try {
        step();
    } catch (const platform::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace testsupport
