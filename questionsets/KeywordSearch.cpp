// The keyword search: the questions whose long-text fields hold a word or
// phrase the user types become the question set.

#include "questionsets/SetMenus.h"

#include "platform/data/Engine.h"
#include "platform/forms/App.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Hourglass.h"
#include "questiondb/QuestionDatabase.h"
#include "questionsets/KeywordQuery.h"
#include "questionsets/QuestionSet.h"

#include <QCoreApplication>
#include <QEventLoop>

namespace questionsets {

namespace {

// The question table's memo fields in the table's order, read from its field
// list through the engine, so a field added to the bank is searched too.
// The first search on a bank also builds the index that makes the searches
// fast; a bank that cannot be written is searched by reading every row. On a
// large bank the build takes seconds: the busy pointer shows, the progress
// is told and the windows stay painted.
QStringList searchedFields(const std::function<void(int)>& progress)
{
    const data::Engine engine;
    data::Database bank = engine.openDatabase(questiondb::databasePath(forms::App::current().path()));
    {
        const forms::Hourglass busy;
        bank.indexLongTexts(QStringLiteral("Table1"), [&](int percent) {
            progress(percent);
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

bool searchKeywords(QuestionSet& set, const std::function<void(int)>& progress)
{
    // "Yes" to searching again starts over with a new prompt.
    for (;;) {
        set.setCaption(QStringLiteral("Keyword Search"));
        const QString keyword = forms::inputBox(QStringLiteral("Enter Keyword To Search Question Banks."),
                                                QStringLiteral("Search Question Banks For Keywords"));
        if (cancelsKeywordSearch(keyword))
            return true;

        // Without a field to search nothing can match: the empty source gives
        // the empty set and the miss question below.
        set.setQuery(keywordQuery(searchedFields(progress), keyword));
        set.displayRecord();
        if (!set.emptySetTest()) {
            // The answers must know the new set's last question, and the
            // count box shows how many questions were found.
            set.countStep();
            set.markStep();
            return true;
        }
        const int again = forms::msgBox(keywordMissText(keyword), forms::vbYesNo + forms::vbQuestion,
                                        QStringLiteral("Brisolt Speaks"));
        if (again != forms::vbYes)
            return false;
    }
}

} // namespace questionsets
