// A running program with one window on the question database of the given
// program folder; the window's box bound to the first question's pick holds
// a pick not yet stored. Says "ready" once it waits in its event loop. The
// termination test ends it as the system would, by SIGTERM.
//
//   helper_marks_window <program folder> <pick>

#include "platform/forms/App.h"
#include "platform/forms/Application.h"
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
    if (argc != 3) {
        std::fprintf(stderr, "usage: helper_marks_window <program folder> <pick>\n");
        return 2;
    }
    forms::App program(QString::fromLocal8Bit(argv[1]));
    forms::form<MarksForm>().txtSnoop->setText(QString::fromLocal8Bit(argv[2]));
    QTimer::singleShot(0, [] {
        std::printf("ready\n");
        std::fflush(stdout);
    });
    return forms::Application::exec();
}
