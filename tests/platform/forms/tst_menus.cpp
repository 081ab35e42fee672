#include "platform/forms/ControlArray.h"
#include "platform/forms/Menu.h"
#include "platform/forms/TextBox.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>

using namespace forms;

// A window with a View menu like the question window's.
struct MenuWindow {
    MenuWindow()
        : mnuView(new Menu(window.menuBar(), QStringLiteral("&View"))),
          mnuChap(new Menu(mnuView, QStringLiteral("Chapter Name And Question #"))),
          bar(new Menu(mnuView, QStringLiteral("-"))),
          mnuAll(new Menu(mnuView, QStringLiteral("All"))),
          box(new TextBox(&window))
    {
        mnuAll->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
        window.setCentralWidget(box);
    }
    bool shownAndActive()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
    QMainWindow window;
    Menu* mnuView;
    Menu* mnuChap;
    Menu* bar;
    Menu* mnuAll;
    TextBox* box;
};

class MenusTest : public QObject {
    Q_OBJECT

private slots:
    void captionsKeepTheirAccelerators();
    void checkMarkIsTheWindowsToSet();
    void separatorsAreBarsWithoutText();
    void disabledOrHiddenItemsRunNothing_data();
    void disabledOrHiddenItemsRunNothing();
    void shortcutRunsTheItemWhereverTheFocusIs();
    void hiddenItemsShortcutRunsNothing();
    void itemsBecomeSubmenus();
    void titleRunsItsStepWhenItOpens();
    void menuArrayDeliversTheIndex();
};

void MenusTest::captionsKeepTheirAccelerators()
{
    MenuWindow w;
    QCOMPARE(w.mnuView->caption(), QStringLiteral("&View"));
    QCOMPARE(w.mnuView->menu()->title(), QStringLiteral("&View"));
    QVERIFY(w.window.menuBar()->actions().contains(w.mnuView->action()));
    QCOMPARE(w.mnuChap->action()->text(), QStringLiteral("Chapter Name And Question #"));
    QVERIFY(w.bar->isSeparator());
    QCOMPARE(w.bar->caption(), QStringLiteral("-"));
    QCOMPARE(w.mnuView->menu()->actions().size(), 3);

    w.mnuChap->setCaption(QStringLiteral("&Chapter"));
    QCOMPARE(w.mnuChap->caption(), QStringLiteral("&Chapter"));
    QVERIFY(!w.mnuChap->isSeparator());
}

// A separator's text would be drawn beside its bar as a stray "-".
void MenusTest::separatorsAreBarsWithoutText()
{
    MenuWindow w;
    QVERIFY(w.bar->action()->isSeparator());
    QVERIFY(w.bar->action()->text().isEmpty());
    QVERIFY(w.bar->action()->iconText().isEmpty());

    // An item turned into a separator loses its text, and gets it back.
    w.mnuChap->setCaption(QStringLiteral("-"));
    QVERIFY(w.mnuChap->isSeparator());
    QCOMPARE(w.mnuChap->caption(), QStringLiteral("-"));
    QVERIFY(w.mnuChap->action()->text().isEmpty());
    w.mnuChap->setCaption(QStringLiteral("&Chapter"));
    QVERIFY(!w.mnuChap->isSeparator());
    QCOMPARE(w.mnuChap->action()->text(), QStringLiteral("&Chapter"));
}

void MenusTest::checkMarkIsTheWindowsToSet()
{
    MenuWindow w;
    QSignalSpy clicks(w.mnuChap, &Menu::click);
    w.mnuChap->setChecked(true);
    QVERIFY(w.mnuChap->action()->isChecked());

    w.mnuChap->action()->trigger(); // as the user's choice arrives
    QCOMPARE(clicks.count(), 1);
    QVERIFY(w.mnuChap->checked()); // Qt's own toggling is undone
    QVERIFY(w.mnuChap->action()->isChecked());

    w.mnuChap->setChecked(false);
    w.mnuChap->action()->trigger();
    QVERIFY(!w.mnuChap->checked());
    QVERIFY(!w.mnuChap->action()->isChecked());
    QVERIFY(!w.mnuChap->action()->isCheckable()); // no empty box beside it
}

void MenusTest::disabledOrHiddenItemsRunNothing_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("clicks");
    QTest::newRow("enabled and shown") << true << true << 1;
    QTest::newRow("disabled") << false << true << 0;
    QTest::newRow("hidden") << true << false << 0;
}

void MenusTest::disabledOrHiddenItemsRunNothing()
{
    QFETCH(bool, enabled);
    QFETCH(bool, visible);
    QFETCH(int, clicks);
    MenuWindow w;
    w.mnuChap->setEnabled(enabled);
    w.mnuChap->setVisible(visible);
    QCOMPARE(w.mnuChap->enabled(), enabled);
    QCOMPARE(w.mnuChap->visible(), visible);
    QSignalSpy spy(w.mnuChap, &Menu::click);
    w.mnuChap->trigger();
    QCOMPARE(spy.count(), clicks);

    w.mnuChap->setVisible(true); // shown again, the item keeps its own enabled state
    QCOMPARE(w.mnuChap->action()->isEnabled(), enabled);
}

void MenusTest::shortcutRunsTheItemWhereverTheFocusIs()
{
    MenuWindow w;
    QVERIFY(w.shownAndActive());
    QSignalSpy clicks(w.mnuAll, &Menu::click);
    w.box->setText(QStringLiteral("Hydrant"));
    w.box->setFocus();
    QTest::keyClick(w.box->editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(w.box->selLength(), 0); // the box did not take Ctrl+A for itself
}

void MenusTest::hiddenItemsShortcutRunsNothing()
{
    MenuWindow w;
    w.mnuAll->setVisible(false);
    QVERIFY(w.shownAndActive());
    QSignalSpy clicks(w.mnuAll, &Menu::click);
    w.box->setFocus();
    QTest::keyClick(w.box->editor(), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(clicks.count(), 0);
}

void MenusTest::itemsBecomeSubmenus()
{
    MenuWindow w;
    QVERIFY(w.mnuChap->menu() == nullptr);
    auto* sub = new Menu(w.mnuChap, QStringLiteral("Level 1"));
    QVERIFY(w.mnuChap->menu() != nullptr);
    QCOMPARE(w.mnuChap->action()->menu<QMenu*>(), w.mnuChap->menu());
    QVERIFY(w.mnuChap->menu()->actions().contains(sub->action()));

    delete sub; // unloading an item takes it off its menu
    QVERIFY(w.mnuChap->menu()->actions().isEmpty());
}

void MenusTest::titleRunsItsStepWhenItOpens()
{
    MenuWindow w;
    QSignalSpy clicks(w.mnuView, &Menu::click);
    emit w.mnuView->menu()->aboutToShow();
    QCOMPARE(clicks.count(), 1);
    w.mnuView->trigger();
    QCOMPARE(clicks.count(), 2);
}

void MenusTest::menuArrayDeliversTheIndex()
{
    MenuWindow w;
    ControlArray<Menu> mnuStart;
    mnuStart.add(0, new Menu(w.mnuView, QStringLiteral("Start Stop Watch")));
    QList<int> indexes;
    mnuStart.on(&Menu::click, [&](int index) { indexes << index; });
    mnuStart.add(1, new Menu(w.mnuView, QStringLiteral("Stop Stop Watch"))); // joins the step
    mnuStart[1]->trigger();
    mnuStart[0]->trigger();
    QCOMPARE(indexes, QList<int>({1, 0}));
    QCOMPARE(mnuStart[1]->caption(), QStringLiteral("Stop Stop Watch"));
}

QTEST_MAIN(MenusTest)
#include "tst_menus.moc"
