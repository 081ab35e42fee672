#pragma once

#include <QApplication>

namespace forms {

// The program's QApplication. A window step that fails outside any guard of
// its own would otherwise unwind through Qt's event loop and end the program;
// here it is reported in a message box and the program goes on, with
// whatever the step did before the failure in effect.
class Application : public QApplication {
    Q_OBJECT
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace forms
