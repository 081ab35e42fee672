#include "contents/StartUp.h"
#include "platform/forms/App.h"
#include "platform/forms/Application.h"

int main(int argc, char* argv[])
{
    forms::Application application(argc, argv);
    forms::Application::setApplicationName(QStringLiteral("drillbook"));
    forms::App program(forms::Application::applicationDirPath());
    if (!contents::startUp(program))
        return 1;
    return forms::Application::exec();
}
