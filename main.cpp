#include "contents/StartUp.h"
#include "platform/forms/App.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("drillbook"));
    forms::App program(QApplication::applicationDirPath());
    if (!contents::startUp(program))
        return 1;
    return QApplication::exec();
}
