// "Create Test" (also Enter in the number box): the chosen chapters, level and
// number become one random draw that replaces the question window's set, and
// the question window comes to the front with it. The window keeps its
// choices for the next test.

#include "questionsets/frmSelect.h"

#include "platform/data/Engine.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "questiondb/QuestionDatabase.h"
#include "questionsets/CountPrompt.h"
#include "questionsets/MultiChapterTest.h"
#include "questionsets/QuestionSet.h"

#include <memory>

namespace questionsets {

namespace {

constexpr int enterKey = 13;

void sayNoRecords()
{
    forms::msgBox(QStringLiteral("Sorry,  There are No Records Matching Your Request."),
                  forms::vbOKOnly + forms::vbQuestion, QStringLiteral("Brisolt Speaks"));
}

// Whether the draw can find a question at all. Asked first, so that a choice
// that matches nothing leaves the question window as it is, instead of
// handing it an empty set that it would offer to fill with new questions.
bool anyQuestionMatches(const QStringList& chapters, Level level)
{
    data::Database bank = data::Engine().openDatabase(questiondb::databasePath(forms::App::current().path()));
    const std::unique_ptr<data::Recordset> probe = bank.openRecordset(multiChapterProbeQuery(chapters, level));
    return probe->hasCurrentRecord();
}

} // namespace

void frmSelect::txtNum_KeyPress(int& keyAscii)
{
    if (keyAscii != enterKey)
        return;
    keyAscii = 0; // the number box has no use for the key itself
    cmdCreate_Click();
}

void frmSelect::cmdCreate_Click()
{
    const QStringList chapters = chosenChapters();
    if (chapters.isEmpty()) {
        forms::msgBox(QStringLiteral("You Must Drag At Least One Chapter Over To The Selection Box Before Trying To "
                                     "Generate A Test!"),
                      forms::vbOKOnly + forms::vbQuestion, QStringLiteral("Brisolt Speaks"));
        return;
    }
    const std::optional<int> count = numberOfQuestions();
    if (!count)
        return;
    const Level level = chosenLevel(opt1->value(), opt2->value());

    bool found = true;
    bool setTouched = false;
    const bool drawn = forms::leaveOnError([&] {
        found = anyQuestionMatches(chapters, level);
        if (!found)
            return;
        const SetWindow questions = questionWindow();
        setTouched = true;
        questions.set.setCaption(multiChapterCaption(int(chapters.size()), level, txtTitle->text()));
        questions.set.randomRequery(multiChapterTestQuery(*count, chapters, level));
        // Showing the question window from here activates it, and its
        // activation marks the last question of the set just drawn.
        questions.window.Show();
        Hide();
        questions.set.countInPlace();
    });
    if (!drawn)
        recoverFromFailedDraw(setTouched);
    else if (!found)
        sayNoRecords();
}

QStringList frmSelect::chosenChapters() const
{
    QStringList chapters;
    for (int i = 0; i < List2->listCount(); ++i)
        chapters.append(List2->list(i));
    return chapters;
}

// A number typed into the box was meant, so anything but a positive whole
// number there is refused rather than taken as a cancel.
std::optional<int> frmSelect::numberOfQuestions()
{
    const QString typed = txtNum->text();
    if (typed.isEmpty())
        return askQuestionCount(QStringLiteral("Enter Number Of Questions You Would Like Included From This Test."),
                                QStringLiteral("Brisolt Software "));
    const CountAnswer answer = readCountAnswer(typed);
    if (answer.kind == CountAnswer::Count)
        return answer.count;
    refuseCount(typed);
    return std::nullopt;
}

// The draw failed (the question database could not be read): the question
// window, whose set may be gone, is loaded afresh on the whole question
// table, and this window comes back with its choices.
void frmSelect::recoverFromFailedDraw(bool setTouched)
{
    sayNoRecords();
    if (setTouched) {
        questionWindow().window.Unload();
        questionWindow().window.Show();
    }
    Show();
}

} // namespace questionsets
