// The saved session: one snapshot of the question set and its score board,
// kept in the saved-session table so a study run can go on later.

#include "questionsets/SetMenus.h"

#include "platform/core/RuntimeError.h"
#include "platform/data/DataControl.h"
#include "platform/data/Transaction.h"
#include "platform/forms/FailureRegimes.h"
#include "questionsets/QuestionSet.h"
#include "questionsets/SessionRules.h"
#include "settings/Markers.h"

#include <vector>

namespace questionsets {

namespace {

// The question fields a saved row keeps, each from the set's field of the
// same name; the record's key, picked letter, picture and video are not kept.
const char* const keptFields[] = {"Call", "Answer",  "QNUM", "Question", "A",    "B",  "C",       "D",
                                  "E",    "Chapter", "X",    "Memo",     "Page", "FF", "Elephant"};

} // namespace

void replaceSavedSession(QuestionSet& set, data::DataControl& session, const SessionCounters& counters)
{
    std::vector<data::Recordset::CopiedColumn> columns;
    for (const char* field : keptFields)
        columns.push_back({QString::fromLatin1(field), std::nullopt});
    columns.push_back({QStringLiteral("Clone"), QVariant(QString(markers::savedSessionRow))});
    columns.push_back({QStringLiteral("Right"), QVariant(counters.right)});
    columns.push_back({QStringLiteral("Wrong"), QVariant(counters.wrong)});
    columns.push_back({QStringLiteral("Score"), QVariant(counters.score)});
    columns.push_back({QStringLiteral("Total"), QVariant(counters.total)});

    data::Recordset& records = set.cursor().recordset();
    const bool empty = records.recordCount() == 0;
    // Leaving the record on screen stores its marks, so the saved copy has them.
    if (!empty)
        records.moveFirst();
    data::Recordset& saved = session.recordset();
    try {
        data::Transaction saving(saved);
        saved.removeAll();
        if (!empty)
            records.copyRowsInto(savedSessionSource(), columns);
        saving.commit();
    } catch (const platform::RuntimeError&) {
        // The session cursor forgot rows the rolled-back removal never took.
        forms::bestEffort({[&] { session.refresh(); }});
        throw;
    }
    // The cursor stands on the new session's first row, where a later load
    // finds the counters.
    session.refresh();
}

} // namespace questionsets
