#include "contents/StartUp.h"

#include "contents/frmContents.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "questiondb/QuestionDatabase.h"

namespace contents {

bool startUp(forms::App& program)
{
    if (const auto problem = questiondb::checkDatabase(program.path())) {
        forms::msgBox(*problem, forms::vbOKOnly | forms::vbCritical, QStringLiteral("Brisolt Software"));
        return false;
    }
    program.form<frmContents>().Show();
    return true;
}

} // namespace contents
