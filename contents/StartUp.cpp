#include "contents/StartUp.h"

#include "contents/frmSplash.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "questiondb/QuestionDatabase.h"

namespace contents {

bool startUp(forms::App& program)
{
    if (const auto problem = questiondb::checkDatabase(program.path())) {
        forms::msgBox(QStringLiteral("The question database cannot be opened, so the program cannot start.\n\n%1\n\n"
                                     "The file has not been changed.")
                          .arg(*problem),
                      forms::vbOKOnly | forms::vbCritical, QStringLiteral("Brisolt Software"));
        return false;
    }
    // The splash is the first window; its timer hands over to the table of contents.
    program.form<frmSplash>().Show();
    return true;
}

} // namespace contents
