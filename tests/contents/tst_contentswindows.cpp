#include "support/ProgramFixture.h"

#include "ContentsTestWindows.h"
#include "contents/ChapterButtons.h"
#include "contents/ContentsClock.h"
#include "platform/forms/Captions.h"
#include "platform/forms/ScreenSize.h"
#include "questionwindow/frmMain.h"

#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QtTest>

using contents::frmContents;
using contents::frmContents2;
using contents::frmContents3;
using contents::frmContentsBank;
using contentstest::chapterButton;
using contentstest::contentsWindow;
using forms::form;
using forms::Qv3dLabel;
using questionwindow::frmMain;

namespace {

Qv3dLabel* windowButton(int bank, const QString& name)
{
    return contentsWindow(bank).findChild<Qv3dLabel*>(name);
}

} // namespace

// The tables of contents as windows: their buttons' looks, moving between
// them, the route marker, the screen size, the clock and how they end the
// program.
class tst_ContentsWindows : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

private slots:
    void init() { fixture = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup() { fixture.reset(); }

    // Held down, a window button goes flat with a blank before its caption;
    // released, it shows its fixed caption, which is not always the design one.
    void windowButtonsHeldDownAndReleased_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("designCaption");
        QTest::addColumn<QString>("releaseCaption");
        QTest::newRow("main: Exit") << 1 << "cmdExit" << "&Exit" << "Exit";
        QTest::newRow("main: The Entire Test") << 1 << "cmdAll" << "The Entire Test" << "The Entire Test";
        QTest::newRow("main: bank 2") << 1 << "cmdTestBank2" << "Test Bank 2" << "Test Bank 2";
        QTest::newRow("main: bank 3") << 1 << "cmdTestBank3" << "Text Bank 3" << "Test bank 3";
        QTest::newRow("II: Exit") << 2 << "cmdExit" << "&Exit" << "Exit";
        QTest::newRow("II: main bank") << 2 << "cmdTestBank2" << "Main Test Bank" << "Main Test Bank";
        QTest::newRow("II: bank 3") << 2 << "cmdTestBank3" << "Text Bank 3" << "Test Bank 3";
        QTest::newRow("III: main bank") << 3 << "cmdTestBank2" << "Main Test Bank" << "Main Test Bank";
        QTest::newRow("III: bank 2") << 3 << "cmdTestBank3" << "Text Bank 2" << "Test Bank 2";
        QTest::newRow("III: The Entire Test") << 3 << "cmdAll" << "The Entire Test" << "The Entire Test";
    }
    void windowButtonsHeldDownAndReleased()
    {
        QFETCH(int, bank);
        QFETCH(QString, button);
        QFETCH(QString, designCaption);
        QFETCH(QString, releaseCaption);
        contentsWindow(bank).Show();
        Qv3dLabel* pressed = windowButton(bank, button);
        QVERIFY(pressed);
        QCOMPARE(pressed->caption(), designCaption);

        QTest::mousePress(pressed, Qt::RightButton);
        QCOMPARE(pressed->caption(), QLatin1Char(' ') + designCaption);
        QCOMPARE(pressed->bevelStyleInner(), 0);
        QTest::mouseRelease(pressed, Qt::RightButton);
        QCOMPARE(pressed->caption(), releaseCaption);
        QCOMPARE(pressed->bevelStyleInner(), 1);
        QVERIFY(!fixture->app.ended());
    }

    // Each window, once active, names itself in the question window's route
    // marker, so the next chapter title comes from the window in front.
    void bankButtonsMoveBetweenTheWindows()
    {
        auto& route = *form<frmMain>().txtContentsRoute;
        form<frmContents>().Show();
        QCOMPARE(route.text(), QStringLiteral("1"));

        QTest::mouseClick(form<frmContents>().cmdTestBank2, Qt::LeftButton);
        QCOMPARE(fixture->app.activeForm(), &form<frmContents2>());
        QCOMPARE(route.text(), QStringLiteral("2"));

        QTest::mouseClick(form<frmContents2>().cmdTestBank3, Qt::LeftButton);
        QCOMPARE(fixture->app.activeForm(), &form<frmContents3>());
        QCOMPARE(route.text(), QStringLiteral("3"));

        QTest::mouseClick(form<frmContents3>().cmdTestBank3, Qt::LeftButton);
        QCOMPARE(fixture->app.activeForm(), &form<frmContents2>());
        QCOMPARE(route.text(), QStringLiteral("2"));

        QTest::mouseClick(form<frmContents2>().cmdTestBank2, Qt::LeftButton);
        QCOMPARE(fixture->app.activeForm(), &form<frmContents>());
        QCOMPARE(route.text(), QStringLiteral("1"));

        QTest::mouseClick(form<frmContents>().cmdTestBank3, Qt::LeftButton);
        QCOMPARE(fixture->app.activeForm(), &form<frmContents3>());
        QCOMPARE(route.text(), QStringLiteral("3"));

        // Every window stays open behind the one in front.
        for (int bank = 1; bank <= 3; ++bank)
            QVERIFY(contentsWindow(bank).isVisible());
    }

    // Coming back to the question window later takes the title pressed last
    // in the window that was in front.
    void questionWindowTakesTheTitleOfTheWindowInFront()
    {
        form<frmContents3>().Show();
        form<frmContents3>().cmd(1)->press(); // Incident Command System
        form<frmContents>().Show();
        form<frmContents>().txtK->setText(QStringLiteral("Fire Hose"));
        form<frmContents3>().Show();
        form<frmMain>().Show();
        QCOMPARE(form<frmMain>().txtQ->text(), QStringLiteral("Incident Command System"));
    }

    void screenSizeTextOfTheRealScreen()
    {
        form<frmContents>().Show();
        const QString text = form<frmContents>().txtRes->text();
        QCOMPARE(text, forms::screenSizeText(QGuiApplication::primaryScreen()->geometry().size()));
        QVERIFY2(QRegularExpression(QStringLiteral("^ \\d+ x \\d+$")).match(text).hasMatch(), qPrintable(text));
    }

    // The clock panel follows the time second by second: it changes when
    // the shown second changes and not on the many ticks in between.
    void clockRewritesThePanelOnlyWhenTheTimeChanges_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("main") << 1;
        QTest::newRow("bank II") << 2;
        QTest::newRow("bank III") << 3;
    }
    void clockRewritesThePanelOnlyWhenTheTimeChanges()
    {
        QFETCH(int, bank);
        auto& window = static_cast<contents::ContentsWindow&>(contentsWindow(bank));
        QVERIFY(window.Timer1->isRunning());
        QCOMPARE(window.Timer1->interval(), contents::clockInterval);
        forms::Panel* panel = window.Status->panel(QStringLiteral("Time"));
        QCOMPARE(panel->toolTipText(), QStringLiteral("Current System Time"));
        QTime now;
        window.setTimeSource([&now] { return now; });
        QString shown = panel->label()->text();
        int changes = 0;
        // Ticks at these times; returns how often the panel's text changed.
        const auto ticks = [&](std::initializer_list<QTime> times) {
            changes = 0;
            for (const QTime& time : times) {
                now = time;
                window.Timer1->fire();
                if (panel->label()->text() != shown) {
                    ++changes;
                    shown = panel->label()->text();
                }
            }
            return changes;
        };

        QVERIFY(ticks({QTime(14, 5, 9, 0)}) <= 1);
        QVERIFY2(shown.contains(QStringLiteral("05:09")), qPrintable(shown));
        QCOMPARE(ticks({QTime(14, 5, 9, 200), QTime(14, 5, 9, 400), QTime(14, 5, 9, 999)}), 0);
        QCOMPARE(ticks({QTime(14, 5, 10, 0), QTime(14, 5, 10, 200), QTime(14, 5, 10, 800)}), 1);
        QVERIFY2(shown.contains(QStringLiteral("05:10")), qPrintable(shown));
        QCOMPARE(ticks({QTime(14, 5, 59, 900), QTime(14, 6, 0, 100), QTime(14, 6, 0, 300)}), 2);
        QVERIFY2(shown.contains(QStringLiteral("06:00")), qPrintable(shown));
    }

    // A window larger than the design shows the design larger: buttons and
    // pictures keep their places relative to the window, their captions grow
    // with them, and the design size gives the design back.
    void controlsGrowWithTheWindow_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("main") << 1;
        QTest::newRow("bank II") << 2;
    }
    void controlsGrowWithTheWindow()
    {
        QFETCH(int, bank);
        auto& window = static_cast<contents::ContentsWindow&>(contentsWindow(bank));
        window.Show();
        auto* canvas = window.findChild<QWidget*>(QStringLiteral("canvas"));
        QVERIFY(canvas);
        const QSize design(1024, 700);
        // At the design size (this screen is smaller, so the window scrolls).
        window.resize(window.size() - canvas->size() + design);
        QTRY_COMPARE(canvas->size(), design);
        const QList<QWidget*> controls = {window.cmd(1), window.cmd(window.chapters->count()), window.cmdAll,
                                          window.cmdExit};
        QList<QRect> designPlaces;
        for (QWidget* control : controls)
            designPlaces << control->geometry();
        const double designPoints = window.cmd(1)->font().pointSizeF();

        window.resize(2048, 1536);
        QTRY_COMPARE(canvas->width(), 2048);
        QTRY_COMPARE(canvas->size(), canvas->parentWidget()->size()); // fills the window: nothing scrolls
        const double x = canvas->width() / double(design.width());
        const double y = canvas->height() / double(design.height());
        QVERIFY(y > 2.0);
        for (int i = 0; i < controls.size(); ++i) {
            const QRect grown = controls[i]->geometry();
            const QRect place = designPlaces[i];
            QVERIFY2(qAbs(grown.left() - place.left() * x) <= 1, qPrintable(controls[i]->objectName()));
            QVERIFY2(qAbs(grown.top() - place.top() * y) <= 1, qPrintable(controls[i]->objectName()));
            QVERIFY2(qAbs(grown.width() - place.width() * x) <= 1, qPrintable(controls[i]->objectName()));
            QVERIFY2(qAbs(grown.height() - place.height() * y) <= 1, qPrintable(controls[i]->objectName()));
        }
        QCOMPARE(window.cmd(1)->font().pointSizeF(), designPoints * std::min(x, y));
        QCOMPARE(window.cmdExit->font().pointSizeF(), designPoints * std::min(x, y));
        QVERIFY(canvas->rect().contains(window.cmdExit->geometry()));

        window.resize(window.size() - canvas->size() + design);
        QTRY_COMPARE(canvas->size(), design);
        for (int i = 0; i < controls.size(); ++i)
            QCOMPARE(controls[i]->geometry(), designPlaces[i]);
        QCOMPARE(window.cmd(1)->font().pointSizeF(), designPoints);
    }

    // Closing any table of contents ends the program, whether or not the
    // speech components are installed: no process is left without a window.
    void closingEndsTheProgram_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<QString>("speechInstalled");
        QTest::newRow("main, installed") << 1 << "Yes";
        QTest::newRow("main, not installed") << 1 << "No";
        QTest::newRow("bank II, not installed") << 2 << "No";
        QTest::newRow("bank III, installed") << 3 << "Yes";
    }
    void closingEndsTheProgram()
    {
        QFETCH(int, bank);
        QFETCH(QString, speechInstalled);
        form<frmContents>().txtAgentInstall->setText(speechInstalled);
        contentsWindow(bank).Show();
        contentsWindow(bank).close();
        QVERIFY(fixture->app.ended());
    }

    void exitEndsTheProgram_data()
    {
        QTest::addColumn<int>("bank");
        QTest::newRow("main") << 1;
        QTest::newRow("bank II") << 2;
        QTest::newRow("bank III") << 3;
    }
    void exitEndsTheProgram()
    {
        QFETCH(int, bank);
        contentsWindow(bank).Show();
        QTest::mouseClick(windowButton(bank, QStringLiteral("cmdExit")), Qt::LeftButton);
        QVERIFY(fixture->app.ended());
    }

    // "&Exit" answers Alt+E wherever the focus is, as a click does.
    void exitsAccessKeyEndsTheProgram_data() { exitEndsTheProgram_data(); }
    void exitsAccessKeyEndsTheProgram()
    {
        QFETCH(int, bank);
        forms::Form& window = contentsWindow(bank);
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        chapterButton(bank, 1)->setFocus();
        QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
        QVERIFY(fixture->app.ended());
    }

    // Released once, Exit shows "Exit" without its marker, and the key goes with it.
    void releasedExitHasNoAccessKey()
    {
        forms::Form& window = contentsWindow(2);
        window.Show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Qv3dLabel* exit = windowButton(2, QStringLiteral("cmdExit"));
        QTest::mouseClick(exit, Qt::RightButton); // held down and released: no click
        QCOMPARE(exit->caption(), QStringLiteral("Exit"));
        QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
        QVERIFY(!fixture->app.ended());
    }

    // End ends the program from the main window; the bank windows' End does nothing.
    void endMenu_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<bool>("ends");
        QTest::newRow("main") << 1 << true;
        QTest::newRow("bank II") << 2 << false;
        QTest::newRow("bank III") << 3 << false;
    }
    void endMenu()
    {
        QFETCH(int, bank);
        QFETCH(bool, ends);
        contentsWindow(bank).Show();
        auto* end = contentsWindow(bank).findChild<forms::Menu*>(QStringLiteral("mnuEnd"));
        QVERIFY(end);
        end->trigger();
        QCOMPARE(fixture->app.ended(), ends);
    }

    // Tab walks every button of the window, each read by its caption.
    void everyButtonIsReachedByTab_data()
    {
        QTest::addColumn<int>("bank");
        QTest::addColumn<int>("buttons");
        QTest::newRow("main") << 1 << 24;
        QTest::newRow("bank II") << 2 << 25;
    }
    void everyButtonIsReachedByTab()
    {
        QFETCH(int, bank);
        QFETCH(int, buttons);
        forms::Form& window = contentsWindow(bank);
        window.Show();
        const QList<Qv3dLabel*> all = window.findChildren<Qv3dLabel*>();
        QCOMPARE(all.size(), buttons);
        QSet<QWidget*> reached;
        QWidget* at = all.first();
        do {
            if (auto* button = qobject_cast<Qv3dLabel*>(at))
                reached.insert(button);
            at = at->nextInFocusChain();
        } while (at && at != all.first());
        for (Qv3dLabel* button : all) {
            QVERIFY2(reached.contains(button), qPrintable(button->objectName()));
            QVERIFY(button->focusPolicy() & Qt::TabFocus);
            QCOMPARE(button->accessibleName(), forms::stripMnemonic(button->caption()).trimmed());
        }
    }
};

QTEST_MAIN(tst_ContentsWindows)
#include "tst_contentswindows.moc"
