#include "editing/EditStates.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "contents/frmContents.h"
#include "questionwindow/frmMain.h"
#include "settings/Markers.h"

#include <QtTest>

using contents::frmContents;
using forms::form;
using questionwindow::frmMain;
using testsupport::heldForChange;
using testsupport::movesFree;
namespace sample = testsupport::sample;

namespace {

// What the lock and the edit-pending state show, read from the window.
struct LockView {
    bool unlocked;        // "Lock Questions" enabled
    bool boxesOpen;       // the ten edit boxes take typing
    bool recordButtons;   // Save, New, Delete all enabled
    bool formatKeys;      // the six format keys enabled
    bool unlockingKeyShown; // the toolbar key keyed "Lock"
};

LockView lockView(const frmMain& w)
{
    bool open = true;
    for (const forms::TextBox* box : {w.txtChapter, w.txtQuestion, w.txtAnswer, w.txtCall, w.txtA, w.txtB, w.txtC,
                                      w.txtD, w.txtNotes, w.txtNum})
        open = open && !box->locked();
    bool format = true;
    for (const char* key : {"Bold", "Italic", "Underline", "Align Left", "Center", "Align Right"})
        format = format && w.tbToolBar->button(QString::fromLatin1(key))->enabled();
    return {w.mnuLock->enabled(), open,
            w.cmdSave->isEnabled() && w.cmdNew->isEnabled() && w.cmdDelete->isEnabled(), format,
            w.tbToolBar->button(QStringLiteral("Lock"))->visible()};
}

void verifyLocked(const frmMain& w)
{
    const LockView view = lockView(w);
    QVERIFY(!view.unlocked);
    QVERIFY(w.mnuUnlock->enabled());
    for (const forms::TextBox* box : {w.txtChapter, w.txtQuestion, w.txtAnswer, w.txtCall, w.txtA, w.txtB, w.txtC,
                                      w.txtD, w.txtNotes, w.txtNum})
        QVERIFY2(box->locked(), qPrintable(box->objectName()));
    QVERIFY(!w.cmdSave->isEnabled() && !w.cmdNew->isEnabled() && !w.cmdDelete->isEnabled());
    for (const char* key : {"Bold", "Italic", "Underline", "Align Left", "Center", "Align Right"})
        QVERIFY(!w.tbToolBar->button(QString::fromLatin1(key))->enabled());
    QVERIFY(view.unlockingKeyShown);
    QVERIFY(!w.tbToolBar->button(QStringLiteral("Unlock"))->visible());
    QVERIFY(w.txtLevel->locked());
}

void verifyUnlocked(const frmMain& w)
{
    const LockView view = lockView(w);
    QVERIFY(view.unlocked);
    QVERIFY(!w.mnuUnlock->enabled());
    QVERIFY(view.boxesOpen);
    QVERIFY(view.recordButtons);
    QVERIFY(view.formatKeys);
    QVERIFY(!view.unlockingKeyShown);
    QVERIFY(w.tbToolBar->button(QStringLiteral("Unlock"))->visible());
    QVERIFY(w.txtLevel->locked()); // the lock never opens the level
}

} // namespace

// The edit lock of the question window and the edit-pending state that
// holds the window while a record is being changed.
class tst_EditLock : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    frmMain& shownChapter()
    {
        auto& w = fixture->openChapter(sample::hose);
        w.Show();
        return w;
    }

    // The three ways to unlock and the two to lock, as the user takes them.
    static void unlockBy(frmMain& w, const QString& way)
    {
        if (way == QLatin1String("menu"))
            w.mnuUnlock->trigger();
        else if (way == QLatin1String("toolbar"))
            w.tbToolBar->button(QStringLiteral("Lock"))->click();
        else
            emit w.txtCall->dblClick();
    }
    static void lockBy(frmMain& w, const QString& way)
    {
        if (way == QLatin1String("menu"))
            w.mnuLock->trigger();
        else
            w.tbToolBar->button(QStringLiteral("Unlock"))->click();
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void startsLocked()
    {
        auto& w = shownChapter();
        verifyLocked(w);
        QVERIFY(movesFree(w));
    }

    void unlockAndLockAgain_data()
    {
        QTest::addColumn<QString>("unlockWay");
        QTest::addColumn<QString>("lockWay");
        QTest::newRow("menu, menu") << "menu" << "menu";
        QTest::newRow("toolbar, toolbar") << "toolbar" << "toolbar";
        QTest::newRow("database number, menu") << "number" << "menu";
        QTest::newRow("menu, toolbar") << "menu" << "toolbar";
    }
    void unlockAndLockAgain()
    {
        QFETCH(QString, unlockWay);
        QFETCH(QString, lockWay);
        auto& w = shownChapter();
        for (int times = 0; times < 2; ++times) {
            unlockBy(w, unlockWay);
            verifyUnlocked(w);
            QCOMPARE(w.Status->panel(markers::chapterPanel)->text(), QStringLiteral("Questions Unlocked"));
        }
        QVERIFY(movesFree(w)); // unlocking alone changes no record
        lockBy(w, lockWay);
        lockBy(w, QStringLiteral("menu"));
        verifyLocked(w);
        QCOMPARE(w.Status->panel(markers::chapterPanel)->text(), QStringLiteral("Questions Locked"));
        QVERIFY(fixture->boxes.ok());
    }

    // Typing is a change only where the box takes it.
    void typingHoldsTheWindowUntilSave()
    {
        auto& w = shownChapter();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        const QString question = w.txtQuestion->text();
        w.txtQuestion->setFocus();
        QTest::keyClick(w.txtQuestion->editor(), Qt::Key_X);
        QCOMPARE(w.txtQuestion->text(), question);
        QVERIFY(movesFree(w));

        w.mnuUnlock->trigger();
        QTest::keyClick(w.txtQuestion->editor(), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClick(w.txtQuestion->editor(), Qt::Key_X);
        QCOMPARE(w.txtQuestion->text(), question + QLatin1Char('x'));
        QVERIFY(heldForChange(w));
        QVERIFY(!w.tbToolBar->button(QStringLiteral("Unlock"))->enabled());

        w.cmdSave->click();
        QVERIFY(movesFree(w));
        QVERIFY(w.cmdNew->isEnabled() && w.cmdDelete->isEnabled() && !w.cmdSave->isEnabled());
        QVERIFY(w.tbToolBar->button(QStringLiteral("Unlock"))->enabled());
        QVERIFY(fixture->boxes.ok());
    }

    // Locking in the middle of a change keeps the window held: the change
    // waits for the user to unlock and save it.
    void lockingDuringAChangeKeepsTheWindowHeld()
    {
        auto& w = shownChapter();
        w.mnuUnlock->trigger();
        w.LockStuff();
        QVERIFY(!w.tbToolBar->button(QStringLiteral("Unlock"))->enabled());
        w.tbToolBar->button(QStringLiteral("Unlock"))->click(); // disabled: nothing
        QVERIFY(w.mnuLock->enabled());
        w.mnuLock->trigger();
        QVERIFY(!w.mnuLock->enabled());
        QVERIFY(!w.cmdSave->isEnabled());
        QVERIFY(!w.cmdNext->isEnabled() && !w.cmdExit->isEnabled());
        w.mnuUnlock->trigger();
        w.cmdSave->click();
        QVERIFY(movesFree(w));
    }

    // The whole bank: the toolbar refuses, the menu and the database
    // number's double click unlock, and the double click leaves its marker
    // until the window is activated again.
    void wholeBankRefusesOnlyTheToolbar()
    {
        auto& w = fixture->openCountedSet(QStringLiteral("table1 "));
        w.Show();
        form<frmContents>().txtK->setText(markers::wholeBank);
        w.txtContentsRoute->setText(markers::mainContentsRoute);
        w.txtQ->setText(markers::wholeBank);

        fixture->boxes.answer(forms::vbOK);
        w.tbToolBar->button(QStringLiteral("Lock"))->click();
        QVERIFY(fixture->boxes.ok());
        const forms::ShownBox refusal = fixture->boxes.shown().value(0);
        QCOMPARE(refusal.text, QStringLiteral("Sorry, you can not unlock questions whicle taking the entire test.  Go "
                                              "to the Table Of Contents Window and select a specific chapter in order "
                                              "to unlock the questions."));
        QCOMPARE(refusal.title, QStringLiteral("Brisolt Speaks"));
        QCOMPARE(refusal.icon, int(forms::vbCritical));
        verifyLocked(w);

        w.mnuUnlock->trigger();
        verifyUnlocked(w);
        QCOMPARE(w.txtQ->text(), markers::wholeBank);
        w.mnuLock->trigger();

        emit w.txtCall->dblClick();
        verifyUnlocked(w);
        QCOMPARE(w.txtQ->text(), QStringLiteral("Unlock"));
        form<frmContents>().Show();
        w.Show();
        QCOMPARE(w.txtQ->text(), markers::wholeBank);
    }
};

QTEST_MAIN(tst_EditLock)
#include "tst_editlock.moc"
