#include "contents/StartUp.h"
#include "platform/forms/App.h"
#include "platform/forms/Application.h"
#include "platform/media/Backend.h"

int main(int argc, char* argv[])
{
    media::chooseBackend();
    forms::Application application(argc, argv);
    forms::Application::setApplicationName(QStringLiteral("drillbook"));
    forms::App program(forms::Application::applicationDirPath());
    if (!contents::startUp(program))
        return 1;
    return forms::Application::exec();
}
