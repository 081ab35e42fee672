#pragma once

#include "platform/com/Dispatch.h"
#include "platform/com/Result.h"

#include <QString>

#include <exception>
#include <new>

namespace com {

// Raised inside a control library by a member that refuses its call; the
// library's own dispatch catches it and hands it to the caller as a result
// and an ErrorInfo, so it never leaves the library.
struct AutomationError {
    Result code = kFailed;
    QString description;
    int helpContext = 0;
};

// Runs a step of a library's outward call and turns anything it raises into
// a result: no exception leaves through an interface or an export.
template <class Step>
Result guarded(Step&& step, ErrorInfo* info = nullptr) noexcept
{
    auto fill = [info](Result code, const QString& description, int helpContext) {
        if (info) {
            info->code = code;
            info->description = description;
            info->helpContext = helpContext;
        }
        return code;
    };
    try {
        return step();
    } catch (const AutomationError& error) {
        // A refused value or call reaches the container as an exception it
        // can read; a plain conversion failure keeps its own result.
        if ((std::uint32_t(error.code) & 0xFFFF0000u) == 0x800A0000u) {
            fill(error.code, error.description, error.helpContext);
            return kException;
        }
        return fill(error.code, error.description, error.helpContext);
    } catch (const std::bad_alloc&) {
        return fill(kOutOfMemory, QStringLiteral("Out of memory"), 0);
    } catch (const std::exception& error) {
        return fill(kFailed, QString::fromLocal8Bit(error.what()), 0);
    } catch (...) {
        return fill(kUnexpected, QString(), 0);
    }
}

} // namespace com
