#include "support/ProgramFixture.h"

#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "helpmenu/HelpBinding.h"
#include "helpmenu/frmAbout.h"
#include "helpmenu/frmBrowser.h"
#include "platform/help/HelpViewer.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using forms::form;

namespace {

// The Help menu of each window that has one, found by the window's kind.
forms::Menu* helpItem(const QString& window, const QString& item)
{
    if (window == QLatin1String("frmContents")) {
        auto& w = form<contents::frmContents>();
        return item == QLatin1String("about") ? w.mnuAbout : item == QLatin1String("web") ? w.mnuWeb : w.mnuContents;
    }
    if (window == QLatin1String("frmContents2")) {
        auto& w = form<contents::frmContents2>();
        return item == QLatin1String("about") ? w.mnuAbout : item == QLatin1String("web") ? w.mnuWeb : w.mnuContents;
    }
    auto& w = form<questionwindow::frmMain>();
    return item == QLatin1String("about") ? w.mnuAbout : item == QLatin1String("web") ? w.mnuWebsite : w.mnuContents;
}

} // namespace

// Every window's Help menu reaches the about box, the web links and the help.
class tst_HelpMenus : public QObject {
    Q_OBJECT

private slots:
    void helpMenusOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("item");
        for (const char* window : {"frmContents", "frmContents2", "frmMain"})
            for (const char* item : {"about", "web", "contents"})
                QTest::addRow("%s %s", window, item) << window << item;
    }
    void helpMenusOpenTheirWindows()
    {
        QFETCH(QString, window);
        QFETCH(QString, item);
        testsupport::ProgramFixture program;
        form<contents::frmContents>();
        helpItem(window, item)->trigger();
        if (item == QLatin1String("about")) {
            QVERIFY(form<helpmenu::frmAbout>().isVisible());
        } else if (item == QLatin1String("web")) {
            QVERIFY(form<helpmenu::frmBrowser>().isVisible());
        } else if (window == QLatin1String("frmContents2")) {
            // The bank windows' Contents item carries no action.
            QCOMPARE(helpmenu::helpViewer(), nullptr);
        } else {
            QVERIFY(helpmenu::helpViewer());
            QVERIFY(helpmenu::helpViewer()->isVisible());
        }
        QVERIFY2(program.boxes.ok(), qPrintable(program.boxes.problems()));
    }
};

QTEST_MAIN(tst_HelpMenus)
#include "tst_helpmenus.moc"
