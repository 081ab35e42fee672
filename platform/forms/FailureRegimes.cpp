#include "platform/forms/FailureRegimes.h"

#include "platform/core/Fault.h"
#include "platform/core/RuntimeError.h"

#include <QFileInfo>

namespace forms {

namespace {
// "frmMain_load.cpp:66": enough to find the step without the build's paths.
QString placeOf(const std::source_location& where)
{
    return QStringLiteral("%1:%2").arg(QFileInfo(QString::fromUtf8(where.file_name())).fileName()).arg(where.line());
}

// Runs one statement; on failure fills number and description.
bool runStatement(const Statement& statement, const std::source_location& where, int& number, QString& description)
{
    try {
        statement();
        return true;
    } catch (const platform::RuntimeError& error) {
        number = error.number();
        description = error.description();
    } catch (...) {
        number = 0;
        description = platform::reportCurrentException(placeOf(where));
    }
    return false;
}
} // namespace

Failures bestEffort(std::initializer_list<Statement> statements, std::source_location where)
{
    Failures failures;
    for (const Statement& statement : statements) {
        if (!runStatement(statement, where, failures.lastNumber, failures.lastDescription))
            ++failures.count;
    }
    if (failures.count == 0) {
        failures.lastNumber = 0;
        failures.lastDescription.clear();
    }
    return failures;
}

bool leaveOnError(const Statement& step, int* errorNumber, std::source_location where)
{
    int number = 0;
    QString description;
    const bool completed = runStatement(step, where, number, description);
    if (errorNumber)
        *errorNumber = completed ? 0 : number;
    return completed;
}

bool testOr(bool valueOnFailure, const std::function<bool()>& test, std::source_location where)
{
    bool result = valueOnFailure;
    int number = 0;
    QString description;
    runStatement([&] { result = test(); }, where, number, description);
    return result;
}

} // namespace forms
