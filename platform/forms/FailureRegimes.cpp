#include "platform/forms/FailureRegimes.h"

#include "platform/core/RuntimeError.h"

namespace forms {

namespace {
// Runs one statement; on failure fills number and description.
bool runStatement(const Statement& statement, int& number, QString& description)
{
    try {
        statement();
        return true;
    } catch (const platform::RuntimeError& error) {
        number = error.number();
        description = error.description();
    } catch (const std::exception& error) {
        number = 0;
        description = QString::fromLocal8Bit(error.what());
    }
    return false;
}
} // namespace

Failures bestEffort(std::initializer_list<Statement> statements)
{
    Failures failures;
    for (const Statement& statement : statements) {
        if (!runStatement(statement, failures.lastNumber, failures.lastDescription))
            ++failures.count;
    }
    if (failures.count == 0) {
        failures.lastNumber = 0;
        failures.lastDescription.clear();
    }
    return failures;
}

bool leaveOnError(const Statement& step, int* errorNumber)
{
    int number = 0;
    QString description;
    const bool completed = runStatement(step, number, description);
    if (errorNumber)
        *errorNumber = completed ? 0 : number;
    return completed;
}

bool testOr(bool valueOnFailure, const std::function<bool()>& test)
{
    bool result = valueOnFailure;
    int number = 0;
    QString description;
    runStatement([&] { result = test(); }, number, description);
    return result;
}

} // namespace forms
