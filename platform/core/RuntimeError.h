#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// The one error type the platform layers raise. A window step decides by its
// failure regime whether an error skips one statement or leaves the step.
// Errors are made from the catalogue in platform/core/Errors.h, which holds
// every number the windows test for with its text.
class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const QString& description)
        : std::runtime_error(description.toStdString()), number_(number), description_(description)
    {}

    int number() const noexcept { return number_; }
    const QString& description() const noexcept { return description_; }

private:
    int number_;
    QString description_;
};

} // namespace platform
