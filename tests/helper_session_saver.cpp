// Saves the question window's session without end, through the window's own
// "Save This Session", answering Yes to its question; the saved-session test
// kills it before a random write to the bank (see HelperFaults.h). Sets of
// two sizes take turns, and each save's sequence number is its score board's
// right answers:
//
//   ready
//   begin <sequence> <chapter>
//   acked <sequence> <database writes so far>
//
//   helper_session_saver <program folder> <first sequence number>

#include "platform/forms/App.h"
#include "platform/forms/Application.h"
#include "platform/forms/ScriptedDialogs.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"
#include "support/HelperFaults.h"

#include <cstdio>

int main(int argc, char** argv)
{
    testsupport::armHelperFaults();
    forms::Application application(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: helper_session_saver <program folder> <first sequence number>\n");
        return 2;
    }
    forms::App program(QString::fromLocal8Bit(argv[1]));
    forms::ScriptedDialogs boxes(program.dialogs());
    auto& window = forms::form<questionwindow::frmMain>();
    std::printf("ready\n");
    std::fflush(stdout);
    for (long long sequence = QByteArray(argv[2]).toLongLong();; ++sequence) {
        const char* chapter = sequence % 2 ? "Fire Hose" : "Forcible Entry";
        window.questionSet().setQuery(questionsets::chapterQuery(QString::fromLatin1(chapter)));
        window.txtCorrect->setText(QString::number(sequence));
        window.questionSet().setCaption(QString());
        boxes.answer(forms::vbYes);
        std::printf("begin %lld %s\n", sequence, chapter);
        std::fflush(stdout);
        window.mnuSaveThisSession_Click();
        if (!boxes.ok() || window.Status->panel(QStringLiteral("Chapter"))->text() != QLatin1String("Session Has Been Saved")) {
            std::fprintf(stderr, "save %lld failed: %s\n", sequence, qPrintable(boxes.problems()));
            return 1;
        }
        std::printf("acked %lld %lld\n", sequence, testsupport::databaseWrites());
        std::fflush(stdout);
    }
}
