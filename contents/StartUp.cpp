#include "contents/StartUp.h"

#include "contents/frmSplash.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/hosting/ControlLibraries.h"
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
    // A candidate can still study from a bank that cannot be written, but
    // must know before the evening's answers are lost.
    if (const auto reason = questiondb::checkWritable(program.path())) {
        forms::msgBox(QStringLiteral("The question database '%1' cannot be written: %2.\n\n"
                                     "The program starts so that you can study, but your answers, marks and "
                                     "settings are not kept while the database stays read-only.")
                          .arg(questiondb::databasePath(program.path()), *reason),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Brisolt Software"));
        // A logout while the box was open ended the program: no window opens.
        if (program.ended())
            return true;
    }
    // The splash is the first window; its timer hands over to the table of contents.
    frmSplash& splash = program.form<frmSplash>();
    // The windows make their library controls by class id, so the libraries
    // in the folder are registered before any window but the splash opens;
    // the splash is on screen first, so the start is seen at once. One that
    // is missing or broken leaves its place empty; the log says which.
    splash.onScreen = [folder = program.path()] { hosting::registerControlLibraries(folder); };
    splash.Show();
    return true;
}

} // namespace contents
