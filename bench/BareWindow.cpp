// The plain twin of the program's start: a bare Qt program that shows one
// window with a label and runs its loop until it is ended, as the program
// would. Started as a process of its own by bench_startup.

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("Table Of Contents"), &window));
    window.resize(800, 600);
    window.show();
    return QApplication::exec();
}
