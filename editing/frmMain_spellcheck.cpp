// The toolbar's "Spell Check": the spelling dialog works through the
// question, the notes and the four answers of every record of the set. The
// corrections are stored into each record as the set moves on.

#include "questionwindow/frmMain.h"

#include "editing/BoxText.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Hourglass.h"
#include "platform/spell/SpellChecker.h"

namespace questionwindow {

using forms::bestEffort;

void frmMain::spellCheckSet()
{
    // The count is this run's own: a second run must not report the
    // corrections of the first again.
    bestEffort({
        [&] { VSSpell1->setDialogEnabled(true); },
        [&] { VSSpell1->resetErrorsHandled(); },
        [&] { VSSpell1->clearUnsavedWords(); },
        [&] { Data1->recordset().moveFirst(); },
        [&] { mnuAddNotes_Click(); },
    });

    // An empty set, or none at all, has nothing to check.
    if (Data1->hasRecordset() && Data1->recordset().recordCount() > 0) {
        data::Recordset& records = Data1->recordset();
        forms::TextBox* const fields[] = {txtQuestion, txtNotes, txtA, txtB, txtC, txtD};
        while (!records.eof()) {
            bestEffort({
                [&] { forms::setHourglass(); },
                [&] { VSSpell1->setUserDictionary(forms::App::current().file(QStringLiteral("\\lexo.dct"))); },
            });
            for (forms::TextBox* field : fields) {
                bestEffort({[&] {
                    editing::BoxText text(*field);
                    VSSpell1->checkText(text);
                }});
            }
            bool moved = false;
            bestEffort({[&] {
                records.moveNext();
                moved = true;
            }});
            if (!moved)
                break; // a record that cannot be left ends the walk
        }
    }

    bestEffort({
        [&] { Data1->recordset().moveFirst(); },
        [&] {
            if (txtNotes->text().isEmpty())
                fraNotes->setVisible(false);
        },
    });
    forms::restorePointer();
    if (!VSSpell1->unsavedWords().isEmpty())
        forms::msgBox(QStringLiteral("These words are known until the program ends, but could not be kept in the "
                                     "word list:\n")
                          + VSSpell1->unsavedWords().join(QLatin1Char('\n')),
                      forms::vbOKOnly + forms::vbExclamation);
    if (VSSpell1->errorsHandled() > 0)
        forms::msgBox(QStringLiteral("Done spell checking. ") + QString::number(VSSpell1->errorsHandled())
                      + QStringLiteral(" typing errors handled."),
                      forms::vbOKOnly);
}

} // namespace questionwindow
