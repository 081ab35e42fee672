// The installer's one step: start the setup programs, record the flag, ask
// for a restart.

#include "questionwindow/frmLoadNuvia.h"

#include "platform/core/RuntimeError.h"
#include "platform/core/Shell.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "settings/Settings.h"

namespace questionwindow {

QStringList speechInstallers(SystemChoice choice)
{
    switch (choice) {
    case SystemChoice::WindowsXP:
        return {QStringLiteral("\\TruVoice.exe"), QStringLiteral("\\SPchapi.exe")};
    case SystemChoice::OlderWindows:
        return {QStringLiteral("\\TruVoice.exe"), QStringLiteral("\\MSagent.exe")};
    case SystemChoice::None:
        break;
    }
    return {};
}

// The two programs run side by side; the flag is set once both have been
// started. One that cannot be started ends the step there with a message,
// so the flag keeps saying the components are missing and the window stays
// open for another try.
void frmLoadNuvia::Command1_Click()
{
    const QString title = QStringLiteral("Brisolt Speaks");
    const QStringList installers = speechInstallers(choice());
    if (installers.isEmpty()) {
        forms::msgBox(QStringLiteral("You must first choose your operating system"),
                      forms::vbOKOnly | forms::vbCritical, title);
        return;
    }
    forms::App& app = forms::App::current();
    for (const QString& installer : installers) {
        try {
            platform::shell(app.file(platform::programPath(installer)));
        } catch (const platform::RuntimeError& error) {
            forms::msgBox(
                QStringLiteral("The speech components could not be installed.\n\n%1").arg(error.description()),
                forms::vbOKOnly | forms::vbCritical, title);
            return;
        }
    }
    try {
        settings::saveAgentInstalled();
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(QStringLiteral("The installation could not be recorded.\n\n%1").arg(error.description()),
                      forms::vbOKOnly | forms::vbCritical, title);
        return;
    }
    Unload();
    forms::msgBox(QStringLiteral("Please Restart This Program - Thank You!"), forms::vbOKOnly | forms::vbCritical,
                  title);
}

} // namespace questionwindow
