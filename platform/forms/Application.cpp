#include "platform/forms/Application.h"

#include "platform/core/RuntimeError.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"

#include <QSessionManager>

namespace forms {

namespace {
void showFault(const QString& where, const QString& what)
{
    if (Dialogs::current())
        msgBox(QStringLiteral("Internal error in %1:\n\n%2").arg(where, what), vbOKOnly | vbCritical);
}
} // namespace

Application::Application(int& argc, char** argv) : QApplication(argc, argv), faults_(showFault)
{
    connect(&termination_, &TerminationSignal::received, this, [] {
        if (App::exists())
            App::current().end();
        else
            QCoreApplication::quit();
    });
#ifndef QT_NO_SESSIONMANAGER
    connect(this, &QGuiApplication::commitDataRequest, this, [](QSessionManager&) {
        if (App::exists())
            App::current().storePendingEdits();
    });
#endif
}

int Application::exec()
{
    if (App::exists() && App::current().ended())
        return 0;
    return QApplication::exec();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    // Taken before the event: the handler may delete the receiver.
    const char* receiverClass = receiver ? receiver->metaObject()->className() : "no receiver";
    const int eventType = event ? int(event->type()) : 0;
    try {
        return QApplication::notify(receiver, event);
    } catch (const platform::RuntimeError& error) {
        if (Dialogs::current())
            msgBox(QStringLiteral("Run-time error '%1':\n\n%2").arg(error.number()).arg(error.description()),
                   vbOKOnly | vbCritical);
    } catch (...) {
        platform::reportCurrentException(
            QStringLiteral("event %1 for %2").arg(eventType).arg(QLatin1String(receiverClass)));
    }
    return true;
}

} // namespace forms
