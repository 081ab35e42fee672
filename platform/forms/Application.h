#pragma once

#include "platform/core/Fault.h"
#include "platform/forms/TerminationSignal.h"

#include <QApplication>

namespace forms {

// The program's QApplication. A window step that fails outside any guard of
// its own would otherwise unwind through Qt's event loop and end the program;
// here it is reported in a message box and the program goes on, with
// whatever the step did before the failure in effect. Programming faults,
// whether they escape an event or a failure regime skips them, reach the
// user the same way while the Application lives.
//
// The program ends in order when the system asks it to (SIGTERM at logout,
// shutdown or a kill): what the windows' boxes hold is stored, as End does.
// When the session manager asks the program to keep its data, the same is
// stored and the program goes on.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // The program's loop, unless the program has ended already: an end that
    // came before the loop ran (a logout while a box of the start was open)
    // asked a loop to quit that was not yet running, and the program would
    // otherwise run on with no one to end it.
    static int exec();

private:
    platform::ScopedFaultHandler faults_;
    TerminationSignal termination_;
};

} // namespace forms
