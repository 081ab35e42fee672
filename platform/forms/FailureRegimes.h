#pragma once

#include <QString>

#include <functional>
#include <initializer_list>
#include <source_location>

namespace forms {

using Statement = std::function<void()>;

// What failed in a best-effort step: how many statements, and the last
// error's number (0 for a failure that carried none) and text.
struct Failures {
    int count = 0;
    int lastNumber = 0;
    QString lastDescription;
    explicit operator bool() const { return count > 0; }
};

// The regimes below skip the errors steps expect (platform::RuntimeError).
// Any other exception is a programming fault: it goes to platform::reportFault
// with the step's place in the source, and then counts as a failed statement
// all the same, so the program goes on.

// Runs every statement in order; one that fails is skipped and the next one runs.
//   bestEffort({ [&] { txtCount->setText("0"); },
//                [&] { Data1->recordset().moveFirst(); } });
Failures bestEffort(std::initializer_list<Statement> statements,
                    std::source_location where = std::source_location::current());

// Runs the step until its first failure; true when it ran to the end.
// errorNumber, when given, receives the failure's number (0 when none).
bool leaveOnError(const Statement& step, int* errorNumber = nullptr,
                  std::source_location where = std::source_location::current());

// A condition tested under best effort: when the test itself fails the
// statement after it - the branch it guards - runs, so this gives
// valueOnFailure (true to run the branch).
//   if (testOr(true, [&] { return rs.eof(); })) { ... }
bool testOr(bool valueOnFailure, const std::function<bool()>& test,
            std::source_location where = std::source_location::current());

} // namespace forms
