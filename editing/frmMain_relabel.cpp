// Re-labelling a chapter and renumbering the questions of the set shown: one
// field rewritten in many questions in one pass and one transaction, so the
// bank holds the whole change or none of it. The pass moves the window's
// progress bar and keeps the window painted while it runs.

#include "questionwindow/frmMain.h"

#include "editing/BlockPass.h"
#include "platform/core/RuntimeError.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/FailureRegimes.h"
#include "platform/forms/Hourglass.h"
#include "widgets/XP_ProgressBar.h"

#include <algorithm>
#include <vector>

namespace questionwindow {

namespace {

const QString speaks = QStringLiteral("Brisolt Speaks");

// The set has a first record to start from and come back to.
bool hasRecords(frmMain& w)
{
    return w.Data1->hasRecordset() && w.Data1->recordset().recordCount() > 0;
}

// Runs the pass, the changes waiting in the record shown stored first as a
// move to the first record stores them, with the window's progress bar
// showing how far it got. A failure leaves every question as it was and is
// told; the window ends on the first record either way, as after a finished
// pass.
bool rewriteQuestions(frmMain& w, const std::function<std::vector<qint64>()>& listKeys,
                      const std::function<void(std::span<const qint64>, qint64)>& writeBlock,
                      const QString& failureText)
{
    data::Recordset& records = w.Data1->recordset();
    w.Data1->storePending(data::ValidateAction::MoveFirst);
    bool done = false;
    try {
        const forms::Hourglass busy;
        editing::runPass(records, listKeys, writeBlock, [&](int percent) { w.ProgressBar1->setValue(percent); });
        done = true;
    } catch (const platform::RuntimeError& error) {
        forms::msgBox(failureText.arg(error.description()), forms::vbOKOnly + forms::vbExclamation, speaks);
    }
    // Shows the first record as the file now holds it.
    forms::bestEffort({[&] { records.moveFirst(); }});
    return done;
}

// `field` of the set's records becomes 1, 2, 3, ... in the set's order.
void numberSet(frmMain& w, const QString& field, const QString& numbers)
{
    data::Recordset& records = w.Data1->recordset();
    rewriteQuestions(
        w, [&] { return records.keys(); },
        [&](std::span<const qint64> block, qint64 done) { records.numberRows(block, field, done + 1); },
        QStringLiteral("The questions were not renumbered: %1 Their ") + numbers + QStringLiteral(" are unchanged."));
}

} // namespace

// The chapter of the record shown takes the new title: every question of the
// bank filed under that chapter, and no other. The set shown may hold other
// chapters' questions too (the whole bank, a search, a review), or only some
// of the chapter's (a level, a random test), yet the question asked speaks of
// "this chapter".
void frmMain::mnuRelabel_Click()
{
    if (!Data1->hasRecordset() || Data1->recordset().currentKey() < 0)
        return; // no stored question shown: no chapter to rename
    const QVariant chapter = Data1->recordset().field(QStringLiteral("Chapter")).value();

    const int answer = forms::msgBox(
        QStringLiteral("This utility will change the title of all the questions in this chapter to a different chapter "
                       "title. This procedure can not be undone. Are you sure you want to do this?"),
        forms::vbYesNo + forms::vbCritical, QStringLiteral("Brisolt Software"));
    if (answer == forms::vbNo)
        return;
    const QString title =
        forms::inputBox(QStringLiteral("Enter Your New Title For This Chapter."), QStringLiteral("Rename Question "));
    if (title.isEmpty() || title == QLatin1String("0"))
        return;

    data::Recordset& records = Data1->recordset();
    const bool renamed = rewriteQuestions(
        *this, [&] { return records.tableKeysWhere(QStringLiteral("Chapter"), chapter); },
        [&](std::span<const qint64> block, qint64) { records.writeRows(block, QStringLiteral("Chapter"), title); },
        QStringLiteral("The chapter title was not changed: %1 The questions keep their old title."));
    if (!renamed)
        return;
    forms::msgBox(QStringLiteral("You now need to edit the table of contents button caption to reflect the changes "
                                 "you have made to this chapter.\nDo this on the Table Of Contents Page under the "
                                 "Options menu."),
                  forms::vbOKOnly + forms::vbInformation, speaks);
}

// Database numbers tell every question of the bank apart, so they are
// numbered only over a set that holds the whole bank: numbering a part of it
// from 1 would give its questions the numbers of others.
void frmMain::mnuRenumber_Click()
{
    if (!hasRecords(*this))
        return;
    data::Recordset& records = Data1->recordset();
    if (!records.holdsWholeTable()) {
        forms::msgBox(QStringLiteral("Database numbers can only be renumbered while the entire test is shown, so that "
                                     "no two questions share a number."),
                      forms::vbOKOnly + forms::vbInformation, speaks);
        return;
    }
    numberSet(*this, QStringLiteral("Call"), QStringLiteral("database numbers"));
}

// Question numbers tell a chapter's questions apart, so they are numbered
// only over a set that holds exactly one chapter: numbering a part of it
// would repeat numbers its other questions keep, and a set of several
// chapters (the whole bank after a transport, a review) would run one
// sequence through all of them.
void frmMain::mnuReNumChap_Click()
{
    if (!hasRecords(*this))
        return;
    data::Recordset& records = Data1->recordset();
    std::vector<qint64> shown = records.keys();
    const QVariant title = records.valueAt(0, QStringLiteral("Chapter"));
    const std::vector<qint64> chapter = records.tableKeysWhere(QStringLiteral("Chapter"), title);
    std::sort(shown.begin(), shown.end());
    if (shown != chapter) {
        forms::msgBox(QStringLiteral("Question numbers can only be renumbered while one whole chapter is shown, so "
                                     "that no two questions of a chapter share a number."),
                      forms::vbOKOnly + forms::vbInformation, speaks);
        return;
    }
    numberSet(*this, QStringLiteral("QNUM"), QStringLiteral("question numbers"));
}

} // namespace questionwindow
