#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/forms/Clipboard.h"
#include "platform/speech/SpeechEngine.h"
#include "questionwindow/frmMain.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QtTest>

using questionwindow::frmMain;
namespace sample = testsupport::sample;

namespace {

forms::TextBox* boxNamed(frmMain& w, const QString& name)
{
    return w.findChild<forms::TextBox*>(name);
}

// Where a click on a box lands: a many-line box's text area.
QWidget* clickArea(forms::TextBox* box)
{
    if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(box->editor()))
        return scrolled->viewport();
    return box->editor();
}

} // namespace

// The edit fields of the question window: the focus they record, what they
// make of typed keys, the answers picked through them, and Cut, Copy and
// Paste on the focused box.
class tst_EditFields : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    frmMain& shownChapter(bool unlocked, const QString& mode = QStringLiteral("Use"))
    {
        fixture->storeSetting(QStringLiteral("State"), mode);
        return fixture->showChapterForEditing(sample::hose, unlocked);
    }

    static void focus(forms::TextBox* box)
    {
        box->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(box->editor()->hasFocus());
    }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    // The box that got the focus last is remembered for spelling and the
    // thesaurus; other controls getting the focus leave it.
    void focusIsRemembered_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QString>("word");
        QTest::newRow("question") << "txtQuestion" << "Q" << "Question";
        QTest::newRow("A") << "txtA" << "A" << "A";
        QTest::newRow("B") << "txtB" << "B" << "B";
        QTest::newRow("C") << "txtC" << "C" << "C";
        QTest::newRow("D") << "txtD" << "D" << "D";
        QTest::newRow("notes") << "txtNotes" << "N" << "Notes";
    }
    void focusIsRemembered()
    {
        QFETCH(QString, box);
        QFETCH(QString, letter);
        QFETCH(QString, word);
        auto& w = shownChapter(false);
        QCOMPARE(w.focusedEditField(), nullptr);
        w.cmdShowNotes_Click(); // the notes box shows on its palette
        focus(boxNamed(w, box));
        QCOMPARE(w.txtFocus->text(), letter);
        QCOMPARE(w.txtClip->text(), word);
        QCOMPARE(w.focusedEditField(), boxNamed(w, box));
        w.cmdNext->setFocus(Qt::OtherFocusReason);
        focus(w.txtLevel);
        QCOMPARE(w.focusedEditField(), boxNamed(w, box));
        QCOMPARE(w.txtClip->text(), word);
    }

    // The first letter typed into an empty box is a capital; text already
    // there keeps the case typed.
    void firstLetterOfAnEmptyBoxIsACapital()
    {
        auto& w = shownChapter(true);
        w.txtQuestion->setText(QString());
        focus(w.txtQuestion);
        QTest::keyClicks(w.txtQuestion->editor(), QStringLiteral("xy"));
        QCOMPARE(w.txtQuestion->text(), QStringLiteral("Xy"));
        focus(w.txtB);
        QTest::keyClick(w.txtB->editor(), Qt::Key_End, Qt::ControlModifier);
        const QString before = w.txtB->text();
        QTest::keyClicks(w.txtB->editor(), QStringLiteral(" xy"));
        QCOMPARE(w.txtB->text(), before + QStringLiteral(" xy"));
    }

    void correctLetterIsACapitalWithoutBlanks()
    {
        auto& w = shownChapter(true);
        w.txtAnswer->setVisible(true);
        w.txtAnswer->setText(QString());
        focus(w.txtAnswer);
        QTest::keyClick(w.txtAnswer->editor(), Qt::Key_B);
        QCOMPARE(w.txtAnswer->text(), QStringLiteral("B"));
        QVERIFY(w.cmdSave->isEnabled() && !w.cmdNext->isEnabled());
        w.txtAnswer->setText(QStringLiteral(" C "));
        focus(w.txtQuestion);
        QCOMPARE(w.txtAnswer->text(), QStringLiteral("C"));
    }

    // Enter in the level and question-number boxes goes on as Tab would.
    void enterMovesOnAsTab_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("question number") << "txtNum";
        QTest::newRow("level") << "txtLevel";
    }
    void enterMovesOnAsTab()
    {
        QFETCH(QString, box);
        auto& w = shownChapter(false);
        forms::TextBox* from = boxNamed(w, box);
        focus(from);
        QTest::keyClick(from->editor(), Qt::Key_Tab);
        QWidget* tabTarget = QApplication::focusWidget();
        QVERIFY(tabTarget && tabTarget != from->editor());
        focus(from);
        QTest::keyClick(from->editor(), Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), tabTarget);
    }

    // A to D in the question-number box pick that answer and check it, once,
    // locked or not; other keys answer nothing.
    void lettersInTheNumberBoxAnswer_data()
    {
        QTest::addColumn<bool>("unlocked");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<char>("key");
        QTest::addColumn<int>("option"); // -1: none
        QTest::newRow("locked, b") << false << "Use" << 'b' << 1;
        QTest::newRow("locked, D") << false << "Use" << 'D' << 3;
        QTest::newRow("locked, 7") << false << "Use" << '7' << -1;
        QTest::newRow("locked, e") << false << "Use" << 'e' << -1;
        QTest::newRow("unlocked, a") << true << "Use" << 'a' << 0;
        QTest::newRow("immediate check, c") << false << "Bypass" << 'c' << 2;
    }
    void lettersInTheNumberBoxAnswer()
    {
        QFETCH(bool, unlocked);
        QFETCH(QString, mode);
        QFETCH(char, key);
        QFETCH(int, option);
        auto& w = shownChapter(unlocked, mode);
        const QString number = w.txtNum->text();
        focus(w.txtNum);
        QTest::keyClick(w.txtNum->editor(), Qt::Key_End);
        QTest::keyClicks(w.txtNum->editor(), QString(QLatin1Char(key)));
        forms::OptionButton* options[] = {w.optA, w.optB, w.optC, w.optD};
        for (int i = 0; i < 4; ++i)
            QCOMPARE(options[i]->value(), i == option);
        QCOMPARE(w.txtTotal->text(), option < 0 ? QStringLiteral("0") : QStringLiteral("1"));
        if (option >= 0)
            QCOMPARE(w.txtSnoop->text(), QString(QLatin1Char(char('A' + option))));
        // Locked, the box keeps its number; unlocked, the capital lands in it.
        QCOMPARE(w.txtNum->text(), unlocked ? number + QString(QLatin1Char(key)).toUpper() : number);
        QCOMPARE(!w.cmdNext->isEnabled(), unlocked);
    }

    // An answer that moves on to the next question takes its letter along:
    // the next question's number stays as stored.
    void answerThatMovesOnLeavesTheNextNumber()
    {
        auto& w = shownChapter(true, QStringLiteral("Turbo"));
        const QStringList calls = fixture->callsOf(sample::hose);
        focus(w.txtNum);
        QTest::keyClick(w.txtNum->editor(), Qt::Key_A);
        QCOMPARE(w.txtCall->text(), calls.at(1));
        QCOMPARE(w.txtTotal->text(), QStringLiteral("1"));
        QCOMPARE(w.txtNum->text(), testsupport::queryValue(fixture->databasePath(),
                                                           QStringLiteral("SELECT QNUM FROM table1 WHERE Call = %1")
                                                               .arg(calls.at(1)))
                                       .toString());
    }

    // Locked, a click on an answer's text picks it as its option would;
    // unlocked, it only places the caret.
    void clickOnAnAnswerText_data()
    {
        QTest::addColumn<bool>("unlocked");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("picked");
        QTest::newRow("locked") << false << "Use" << true;
        QTest::newRow("locked, immediate check") << false << "Bypass" << true;
        QTest::newRow("unlocked") << true << "Use" << false;
    }
    void clickOnAnAnswerText()
    {
        QFETCH(bool, unlocked);
        QFETCH(QString, mode);
        QFETCH(bool, picked);
        auto& w = shownChapter(unlocked, mode);
        const QString snoop = w.txtSnoop->text();
        QTest::mouseClick(clickArea(w.txtC), Qt::LeftButton);
        QCOMPARE(w.optC->value(), picked);
        QCOMPARE(w.txtSnoop->text(), picked ? QStringLiteral("C") : snoop);
        // An immediate check counts the answer once.
        QCOMPARE(w.txtTotal->text(), mode == QLatin1String("Bypass") ? QStringLiteral("1") : QStringLiteral("0"));
        QVERIFY(w.cmdNext->isEnabled());
    }

    // Leaving answer B while unlocked counts as a change; leaving C does not.
    void leavingAnswerBIsAChange()
    {
        auto& w = shownChapter(true);
        focus(w.txtC);
        focus(w.txtD);
        QVERIFY(w.cmdNext->isEnabled());
        focus(w.txtB);
        focus(w.txtD);
        QVERIFY(!w.cmdNext->isEnabled() && w.cmdSave->isEnabled());
    }

    // The typing-error flag: typing in the question and answers A and D
    // colours it while it holds text; leaving a box clears it.
    void typingErrorFlag()
    {
        auto& w = shownChapter(true);
        QCOMPARE(w.txtSpell->text(), QStringLiteral("txtSpell"));
        const int fore = w.txtSpell->foreColor();
        focus(w.txtB);
        QTest::keyClick(w.txtB->editor(), Qt::Key_Z);
        QCOMPARE(w.txtSpell->foreColor(), fore);
        focus(w.txtA);
        QCOMPARE(w.txtSpell->text(), QString()); // leaving B cleared it
        w.txtSpell->setText(QStringLiteral("txtSpell"));
        QTest::keyClick(w.txtA->editor(), Qt::Key_Z);
        QCOMPARE(w.txtSpell->foreColor(), 0xFFFFFF);
        QCOMPARE(w.txtSpell->backColor(), 255);
        focus(w.txtQuestion);
        QCOMPARE(w.txtSpell->text(), QString());
        QCOMPARE(w.txtSpell->foreColor(), 0);
        QCOMPARE(w.txtSpell->backColor(), 0xFFFFFF);
        QTest::keyClick(w.txtQuestion->editor(), Qt::Key_Z);
        QCOMPARE(w.txtSpell->backColor(), 0xFFFFFF);
    }

    // Cut, Copy and Paste through the menu or the toolbar on the focused
    // box; a locked box gives its text but takes no change.
    void clipboardOnTheFocusedBox_data()
    {
        QTest::addColumn<bool>("unlocked");
        QTest::addColumn<bool>("byToolbar");
        QTest::addColumn<QString>("afterCut");
        QTest::addColumn<QString>("afterPaste");
        QTest::newRow("unlocked, menu") << true << false << " lines" << " linesHose";
        QTest::newRow("unlocked, toolbar") << true << true << " lines" << " linesHose";
        QTest::newRow("locked") << false << false << "Hose lines" << "Hose lines";
    }
    void clipboardOnTheFocusedBox()
    {
        QFETCH(bool, unlocked);
        QFETCH(bool, byToolbar);
        QFETCH(QString, afterCut);
        QFETCH(QString, afterPaste);
        auto& w = shownChapter(unlocked);
        const auto run = [&](const char* key, forms::Menu* item) {
            if (byToolbar)
                w.tbToolBar->button(QString::fromLatin1(key))->click();
            else
                item->trigger();
        };
        w.txtQuestion->setText(QStringLiteral("Hose lines"));
        focus(w.txtQuestion);
        w.txtQuestion->setSelStart(0);
        w.txtQuestion->setSelLength(4);
        run("Copy", w.mnuCopy);
        QCOMPARE(forms::clipboard::text(), QStringLiteral("Hose"));
        forms::clipboard::setText(QStringLiteral("other"));
        run("Cut", w.mnuCut);
        QCOMPARE(forms::clipboard::text(), QStringLiteral("Hose"));
        QCOMPARE(w.txtQuestion->text(), afterCut);
        w.txtQuestion->setSelStart(w.txtQuestion->text().size());
        run("Paste", w.mnuPaste);
        QCOMPARE(w.txtQuestion->text(), afterPaste);
        run("Copy", w.mnuCopy); // nothing selected
        QCOMPARE(forms::clipboard::text(), QString());
    }

    void clipboardLeavesOtherControlsAlone()
    {
        auto& w = shownChapter(true);
        forms::clipboard::setText(QStringLiteral("kept"));
        w.cmdNext->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(w.cmdNext->hasFocus());
        const QString question = w.txtQuestion->text();
        w.mnuCut->trigger();
        w.mnuPaste->trigger();
        w.mnuCopy->trigger();
        QCOMPARE(forms::clipboard::text(), QStringLiteral("kept"));
        QCOMPARE(w.txtQuestion->text(), question);
    }
};

QTEST_MAIN(tst_EditFields)
#include "tst_editfields.moc"
