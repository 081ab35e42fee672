// Renumbers the database numbers of the whole bank without end, through the
// question window's own "Re-Number Database Number"; the renumbering tests
// kill it before a random write to the bank (see HelperFaults.h). The bank is
// shown in stored order on even sequence numbers and newest first on odd
// ones, so each pass writes numbers that the one before did not:
//
//   ready
//   begin <sequence>
//   acked <sequence> <database writes so far>
//
//   helper_bank_renumberer <program folder> <first sequence number>

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
        std::fprintf(stderr, "usage: helper_bank_renumberer <program folder> <first sequence number>\n");
        return 2;
    }
    forms::App program(QString::fromLocal8Bit(argv[1]));
    forms::ScriptedDialogs boxes(program.dialogs());
    auto& window = forms::form<questionwindow::frmMain>();
    std::printf("ready\n");
    std::fflush(stdout);
    for (long long sequence = QByteArray(argv[2]).toLongLong();; ++sequence) {
        window.questionSet().setQuery(sequence % 2 ? QStringLiteral("SELECT * FROM table1 ORDER BY ID DESC")
                                                    : QStringLiteral("table1 "));
        std::printf("begin %lld\n", sequence);
        std::fflush(stdout);
        window.mnuRenumber_Click();
        if (!boxes.ok() || window.txtCall->text() != QLatin1String("1")) {
            std::fprintf(stderr, "pass %lld failed: %s\n", sequence, qPrintable(boxes.problems()));
            return 1;
        }
        std::printf("acked %lld %lld\n", sequence, testsupport::databaseWrites());
        std::fflush(stdout);
    }
}
