// Removes chapters one after the other through the chapter palette's own
// "&Delete", answering Yes to its question; the chapter removal's test
// kills it before a random write to the bank (see HelperFaults.h). The
// chapters are "Kill Chapter 1", ... in the order given:
//
//   ready
//   begin <number>
//   acked <number> <database writes so far>
//   done
//
//   helper_chapter_remover <program folder> <first number> <last number>

#include "editing/frmQ.h"
#include "platform/forms/App.h"
#include "platform/forms/Application.h"
#include "platform/forms/ScriptedDialogs.h"
#include "support/HelperFaults.h"

#include <QThread>

#include <cstdio>

int main(int argc, char** argv)
{
    testsupport::armHelperFaults();
    forms::Application application(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: helper_chapter_remover <program folder> <first number> <last number>\n");
        return 2;
    }
    forms::App program(QString::fromLocal8Bit(argv[1]));
    forms::ScriptedDialogs boxes(program.dialogs());
    auto& palette = forms::form<editing::frmQ>();
    palette.Show();
    std::printf("ready\n");
    std::fflush(stdout);
    const int last = QByteArray(argv[3]).toInt();
    for (int number = QByteArray(argv[2]).toInt(); number <= last; ++number) {
        const QString title = QStringLiteral("Kill Chapter %1's").arg(number);
        int index = -1;
        for (int i = 0; i < palette.lstA->listCount(); ++i) {
            if (palette.lstA->list(i) == title)
                index = i;
        }
        if (index < 0) {
            std::fprintf(stderr, "%s is not listed\n", qPrintable(title));
            return 1;
        }
        palette.lstA->setListIndex(index);
        boxes.answer(forms::vbYes);
        std::printf("begin %d\n", number);
        std::fflush(stdout);
        palette.cmdDelete_Click();
        if (!boxes.ok() || palette.lstA->listCount() == 0 || !palette.txtChapter->text().isEmpty()) {
            std::fprintf(stderr, "removal %d failed: %s\n", number, qPrintable(boxes.problems()));
            return 1;
        }
        std::printf("acked %d %lld\n", number, testsupport::databaseWrites());
        std::fflush(stdout);
    }
    std::printf("done\n");
    std::fflush(stdout);
    QThread::sleep(60); // waits to be killed like the others
    return 0;
}
