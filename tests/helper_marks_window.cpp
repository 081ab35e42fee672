// A running program with one window on the question database of the given
// program folder; the window's box bound to the first question's pick holds
// a pick not yet stored. Says "ready" once it waits in its event loop, or,
// given "box", once it waits for the answer to a box shown before its event
// loop runs, as the start shows one about a bank it cannot write. The
// termination test ends it as the system would, by SIGTERM.
//
//   helper_marks_window <program folder> <pick> [box]

#include "platform/forms/App.h"
#include "platform/forms/Application.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/WindowKit.h"
#include "questiondb/Cursors.h"

#include <QTimer>

#include <cstdio>

namespace {

class MarksForm : public forms::Form {
public:
    MarksForm()
    {
        static const forms::CursorDesign<MarksForm> cursors[] = {{&MarksForm::Data1, "Data1", "Access"}};
        forms::buildCursors(*this, cursors);
        static const forms::HiddenBoxDesign<MarksForm> boxes[] = {
            {&MarksForm::txtSnoop, "txtSnoop", "", &MarksForm::Data1, "Snoop"},
        };
        forms::buildHiddenBoxes(*this, boxes);
    }
    data::DataControl* Data1;
    forms::TextBox* txtSnoop;

protected:
    void Form_Load() override { questiondb::openCursor(*Data1, QStringLiteral("Table1")); }
};

} // namespace

int main(int argc, char** argv)
{
    forms::Application application(argc, argv);
    const bool box = argc == 4 && qstrcmp(argv[3], "box") == 0;
    if (argc != 3 && !box) {
        std::fprintf(stderr, "usage: helper_marks_window <program folder> <pick> [box]\n");
        return 2;
    }
    forms::App program(QString::fromLocal8Bit(argv[1]));
    forms::form<MarksForm>().txtSnoop->setText(QString::fromLocal8Bit(argv[2]));
    QTimer::singleShot(0, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    if (box)
        forms::msgBox(QStringLiteral("The question database cannot be written."), forms::vbOKOnly | forms::vbExclamation,
                      QStringLiteral("Brisolt Software"));
    return forms::Application::exec();
}
