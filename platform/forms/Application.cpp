#include "platform/forms/Application.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/Dialogs.h"

namespace forms {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::RuntimeError& error) {
        if (Dialogs::current())
            msgBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.description()),
                   vbOKOnly | vbCritical);
    } catch (const std::exception& error) {
        if (Dialogs::current())
            msgBox(QString::fromLocal8Bit(error.what()), vbOKOnly | vbCritical);
    }
    return true;
}

} // namespace forms
