#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "EditStates.h"
#include "editing/frmThesaurus.h"
#include "platform/forms/Clipboard.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/thesaurus/ThesaurusControl.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

using editing::frmThesaurus;
using questionwindow::frmMain;
using testsupport::queryValue;

namespace {

const QStringList editBoxes = {"txtQuestion", "txtA", "txtB", "txtC", "txtD", "txtNotes"};

forms::TextBox* boxNamed(frmMain& w, const QString& name)
{
    return w.findChild<forms::TextBox*>(name);
}

bool thesaurusOpen()
{
    return forms::App::current().isLoaded<frmThesaurus>();
}

// Picks `synonym` in the thesaurus's lists as the user does: the meaning
// that lists it, then the synonym itself.
bool pickSynonym(thesaurus::ThesaurusControl& control, const QString& synonym)
{
    for (int row = 0; row < control.meanings().size(); ++row) {
        control.pickMeaning(row);
        if (const qsizetype at = control.synonyms().indexOf(synonym); at >= 0) {
            control.pickSynonym(int(at));
            return true;
        }
    }
    return false;
}

} // namespace

// " BrisoltThesaurus" on the question window: it opens from the toolbar on
// the selection of the edit box that had the focus last, looks the word up,
// and "Replace" writes the chosen word over that box's selection - the box
// the latest opening named - and closes.
class tst_Thesaurus : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    frmMain& shownChapter(bool unlocked)
    {
        return fixture->showChapterForEditing(testsupport::sample::hose, unlocked);
    }

    // The box with this text, focused, with `selected` selected in it.
    static void select(forms::TextBox* box, const QString& text, const QString& selected)
    {
        box->setText(text);
        box->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(box->editor()->hasFocus());
        box->setSelStart(int(text.indexOf(selected)));
        box->setSelLength(int(selected.size()));
    }

    static frmThesaurus& pressThesaurusKey(frmMain& w)
    {
        w.tbToolBar->button(QStringLiteral("Fonts"))->click();
        return forms::form<frmThesaurus>();
    }

    QString stored(const QString& call, const QString& column) const
    {
        return queryValue(fixture->databasePath(),
                          QStringLiteral("SELECT %1 FROM table1 WHERE Call = %2").arg(column, call))
            .toString();
    }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init()
    {
        fixture = std::make_unique<testsupport::QuestionWindowFixture>();
        forms::clipboard::setText(QStringLiteral("left over"));
    }
    void cleanup() { fixture.reset(); }

    void replacesTheSelectionOfTheMarkedField_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("marker");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("synonym");
        QTest::addColumn<QString>("after");
        QTest::newRow("question") << "txtQuestion" << "Question" << "Question" << "The happy crew" << "happy"
                                  << "glad" << "The glad crew";
        QTest::newRow("answer A, capital") << "txtA" << "A" << "A" << "The Happy crew" << "Happy" << "glad"
                                           << "The Glad crew";
        QTest::newRow("answer B, capitals") << "txtB" << "B" << "B" << "The HAPPY crew" << "HAPPY" << "glad"
                                            << "The GLAD crew";
        QTest::newRow("answer C, with a blank") << "txtC" << "C" << "C" << "The happy crew" << "happy "
                                                << "felicitous" << "The felicitous crew";
        QTest::newRow("answer D, apostrophes") << "txtD" << "D" << "D" << "The rock 'n' roll crew"
                                               << "rock 'n' roll" << "rock-and-roll" << "The rock-and-roll crew";
        QTest::newRow("notes, hyphenated") << "txtNotes" << "Notes" << "Memo" << "The well-being crew"
                                           << "well-being" << "welfare" << "The welfare crew";
    }
    void replacesTheSelectionOfTheMarkedField()
    {
        QFETCH(QString, box);
        QFETCH(QString, marker);
        QFETCH(QString, column);
        QFETCH(QString, text);
        QFETCH(QString, selected);
        QFETCH(QString, synonym);
        QFETCH(QString, after);
        frmMain& w = shownChapter(true);
        forms::TextBox* field = boxNamed(w, box);
        select(field, text, selected);
        QCOMPARE(w.txtClip->text(), marker);

        frmThesaurus& t = pressThesaurusKey(w);
        QVERIFY(t.isVisible());
        QCOMPARE(t.caption(), QStringLiteral(" BrisoltThesaurus"));
        QCOMPARE(t.txtClip->text(), marker);
        QCOMPARE(t.TextBox->text(), selected);
        QCOMPARE(t.TextBox->selLength(), int(selected.size()));
        QCOMPARE(forms::clipboard::text(), selected);
        QVERIFY(t.VSThesaurus1->meanings().isEmpty()); // nothing looked up before "Check word:"

        t.cmdCheckword->click();
        QVERIFY(pickSynonym(*t.VSThesaurus1, synonym));
        t.Command1->click();

        QVERIFY(!thesaurusOpen());
        QCOMPARE(field->text(), after);
        for (const QString& other : editBoxes) {
            if (other != box)
                QVERIFY2(!boxNamed(w, other)->text().contains(QLatin1String("crew")), qPrintable(other));
        }
        // The record keeps the word once it is saved or the cursor moves on.
        const QString call = w.txtCall->text();
        if (testsupport::heldForChange(w))
            w.cmdSave->click();
        else
            w.cmdNext->click();
        QCOMPARE(stored(call, column), after);
    }

    // Plurals and past forms are looked up by the form the program's
    // dictionary says they come from, and the synonym takes the selection's
    // place.
    void inflectedWordsFindTheirStem_data()
    {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("synonym");
        QTest::newRow("plural -es") << "inches" << "inch" << "in";
        QTest::newRow("plural -s") << "hoses" << "hose" << "hosepipe";
        QTest::newRow("past form") << "carried" << "carry" << "transport";
    }
    void inflectedWordsFindTheirStem()
    {
        QFETCH(QString, selected);
        QFETCH(QString, shown);
        QFETCH(QString, synonym);
        frmMain& w = shownChapter(true);
        select(w.txtNotes, QStringLiteral("Two ") + selected + QStringLiteral(" more"), selected);
        frmThesaurus& t = pressThesaurusKey(w);
        t.cmdCheckword->click();
        QCOMPARE(t.VSThesaurus1->notice(), QStringLiteral("\"%1\" is not listed; showing \"%2\".").arg(selected, shown));
        QVERIFY2(pickSynonym(*t.VSThesaurus1, synonym), qPrintable(t.VSThesaurus1->meanings().join(u'|')));
        t.Command1->click();
        QCOMPARE(w.txtNotes->text(), QStringLiteral("Two ") + synonym + QStringLiteral(" more"));
    }

    // Nothing selected: the word box opens empty and "Replace" inserts what
    // is typed into it at the caret, without a lookup.
    void withoutASelectionTheWordGoesInAtTheCaret()
    {
        frmMain& w = shownChapter(true);
        select(w.txtB, QStringLiteral("Hose lines"), QString());
        w.txtB->setSelStart(5);
        frmThesaurus& t = pressThesaurusKey(w);
        QCOMPARE(t.TextBox->text(), QString());
        QCOMPARE(forms::clipboard::text(), QString());
        t.TextBox->setText(QStringLiteral("fire "));
        t.Command1->click();
        QVERIFY(!thesaurusOpen());
        QCOMPARE(w.txtB->text(), QStringLiteral("Hose fire lines"));
    }

    // Before any edit box had the focus no field is named: the window opens
    // on an emptied clipboard, and "Replace" changes nothing but closes it.
    void noMarkedFieldChangesNothing()
    {
        frmMain& w = shownChapter(true);
        QCOMPARE(w.txtClip->text(), QString());
        QStringList before;
        for (const QString& box : editBoxes)
            before.append(boxNamed(w, box)->text());
        frmThesaurus& t = pressThesaurusKey(w);
        QVERIFY(t.isVisible());
        QCOMPARE(forms::clipboard::text(), QString());
        QCOMPARE(t.TextBox->text(), QString());
        QCOMPARE(t.txtClip->text(), QStringLiteral("Text1"));
        t.TextBox->setText(QStringLiteral("glad"));
        t.Command1->click();
        QVERIFY(!thesaurusOpen());
        for (int i = 0; i < editBoxes.size(); ++i)
            QCOMPARE(boxNamed(w, editBoxes.at(i))->text(), before.at(i));
    }

    // Pressed again while the window is open, the key names the newly
    // focused field and brings its word along, so the synonym of an old
    // word never lands in the new field.
    void reopeningTakesTheNewFieldAndItsWord()
    {
        frmMain& w = shownChapter(true);
        select(w.txtA, QStringLiteral("A happy crew"), QStringLiteral("happy"));
        frmThesaurus& first = pressThesaurusKey(w);
        first.cmdCheckword->click();
        QVERIFY(pickSynonym(*first.VSThesaurus1, QStringLiteral("glad")));

        select(w.txtC, QStringLiteral("Charged lines"), QStringLiteral("lines"));
        frmThesaurus& again = pressThesaurusKey(w);
        QCOMPARE(&again, &first);
        QCOMPARE(again.txtClip->text(), QStringLiteral("C"));
        QCOMPARE(again.TextBox->text(), QStringLiteral("lines"));
        QVERIFY(again.VSThesaurus1->meanings().isEmpty());
        again.TextBox->setText(QStringLiteral("hoses"));
        again.Command1->click();
        QCOMPARE(w.txtA->text(), QStringLiteral("A happy crew"));
        QCOMPARE(w.txtC->text(), QStringLiteral("Charged hoses"));
    }

    void closeBoxWritesNothing()
    {
        frmMain& w = shownChapter(true);
        select(w.txtD, QStringLiteral("A happy crew"), QStringLiteral("happy"));
        frmThesaurus& t = pressThesaurusKey(w);
        t.cmdCheckword->click();
        QVERIFY(pickSynonym(*t.VSThesaurus1, QStringLiteral("glad")));
        QVERIFY(t.close());
        QVERIFY(!thesaurusOpen());
        QCOMPARE(w.txtD->text(), QStringLiteral("A happy crew"));
    }

    // Locked questions take no change from the thesaurus, as from Paste; the
    // user is told, and the word stays on offer.
    void lockedQuestionTakesNoReplacement()
    {
        frmMain& w = shownChapter(false);
        const QString question = w.txtQuestion->text();
        w.txtQuestion->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(w.txtQuestion->editor()->hasFocus());
        w.txtQuestion->setSelStart(0);
        w.txtQuestion->setSelLength(3);
        frmThesaurus& t = pressThesaurusKey(w);
        QCOMPARE(t.TextBox->text(), question.left(3));
        t.TextBox->setText(QStringLiteral("glad"));
        fixture->boxes.answer(forms::vbOK);
        t.Command1->click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().last().text,
                 QStringLiteral("The questions are locked. Unlock them to replace the word."));
        QVERIFY(thesaurusOpen());
        QCOMPARE(t.TextBox->text(), QStringLiteral("glad"));
        QCOMPARE(w.txtQuestion->text(), question);
    }
};

QTEST_MAIN(tst_Thesaurus)
#include "tst_thesaurus.moc"
