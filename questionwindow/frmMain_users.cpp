// The question window's way to the users window, whose OK writes the chosen
// user's last name into the user box.

#include "questionwindow/frmMain.h"

#include "platform/forms/App.h"
#include "printing/QuestionWindowCalls.h"
#include "printing/frmID.h"

namespace questionwindow {

void frmMain::mnuUser_Click()
{
    forms::form<printing::frmID>().Show();
}

} // namespace questionwindow

void printing::showQuestionWindowUser(const QString& lastName)
{
    forms::form<questionwindow::frmMain>().txtUser->setText(lastName);
}

void printing::refreshQuestionWindowUsers()
{
    if (forms::App::current().isLoaded<questionwindow::frmMain>())
        forms::form<questionwindow::frmMain>().Data4->refresh();
}
