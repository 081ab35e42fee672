#include "platform/forms/Errors.h"

namespace forms {

void throwInvalidPropertyValue()
{
    throw platform::RuntimeError(errors::invalidPropertyValue, QStringLiteral("Invalid property value"));
}

void throwInvalidProcedureCall()
{
    throw platform::RuntimeError(errors::invalidProcedureCall,
                                 QStringLiteral("Invalid procedure call or argument"));
}

} // namespace forms
