// The keyword search: the questions whose long-text fields hold a word or
// phrase the user types become the question set.

#include "platform/data/Engine.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "questiondb/QuestionDatabase.h"
#include "questionsets/KeywordQuery.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"
#include "widgets/XP_ProgressBar.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace questionwindow {

namespace {

// The question table's memo fields in the table's order, read from its field
// list through the engine, so a field added to the bank is searched too.
// The first search on a bank also builds the index that makes the searches
// fast; a bank that cannot be written is searched by reading every row. On a
// large bank the build takes seconds: the busy pointer shows, the window's
// progress bar says how far it got and the window stays painted.
QStringList searchedFields(frmMain& w)
{
    const data::Engine engine;
    data::Database bank = engine.openDatabase(questiondb::databasePath(forms::App::current().path()));
    {
        const forms::Hourglass busy;
        bank.indexLongTexts(QStringLiteral("Table1"), [&](int percent) {
            w.ProgressBar1->setValue(percent);
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        });
    }
    const auto fieldList = bank.openRecordset(QStringLiteral("SELECT * FROM Table1 WHERE False"));
    QStringList fields;
    for (const data::Field& field : fieldList->fields()) {
        if (field.type() == data::MemoType)
            fields.append(field.name());
    }
    fieldList->close();
    bank.close();
    return fields;
}

} // namespace

void frmMain::mnuKwed_Click()
{
    using namespace questionsets;
    // "Yes" to searching again starts over with a new prompt.
    for (;;) {
        questionSet().setCaption(QStringLiteral("Keyword Search"));
        const QString keyword = forms::inputBox(QStringLiteral("Enter Keyword To Search Question Banks."),
                                                QStringLiteral("Search Question Banks For Keywords"));
        if (cancelsKeywordSearch(keyword))
            return;

        // Without a field to search nothing can match: the empty source gives
        // the empty set and the miss question below.
        questionSet().setQuery(keywordQuery(searchedFields(*this), keyword));
        recordDisplay();
        if (!questionSet().emptySetTest()) {
            // The answers must know the new set's last question, and the
            // count box shows how many questions were found.
            questionSet().countStep();
            questionSet().markStep();
            return;
        }
        const int again = forms::msgBox(keywordMissText(keyword), forms::vbYesNo + forms::vbQuestion,
                                        QStringLiteral("Brisolt Speaks"));
        if (again != forms::vbYes) {
            Unload();
            return;
        }
    }
}

} // namespace questionwindow
