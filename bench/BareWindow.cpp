// The plain twin of the program's start: a bare Qt program that shows one
// window with a label and runs its loop until it is ended, as the program
// would. Started as a process of its own by bench_startup.

#include "BareWindow.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    benchsupport::fillBareWindow(window);
    window.show();
    return QApplication::exec();
}
