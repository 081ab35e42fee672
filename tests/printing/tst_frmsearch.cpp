#include "../platform/print/PageText.h"

#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "contents/frmContents.h"
#include "helpmenu/frmAbout.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Hourglass.h"
#include "platform/print/PrintControl.h"
#include "printing/PreviewDocument.h"
#include "printing/frmPrint.h"
#include "printing/frmSearch.h"
#include "questionwindow/frmMain.h"
#include "widgets/XP_ProgressBar.h"

#include <QAccessible>
#include <QRegularExpression>
#include <QtTest>

using forms::form;
using printing::frmPrint;
using printing::frmSearch;
using testsupport::executeSql;
using testsupport::queryValue;

namespace {

frmSearch& terms() { return form<frmSearch>(); }

const QString notFound = QStringLiteral(" does not appear in your Terminology Library.");
const QString sorryText = QStringLiteral("Sorry The word you typed in is not in your database.  Please try another word.");

QStringList listed(const frmSearch& w)
{
    QStringList entries;
    for (int i = 0; i < w.List1->listCount(); ++i)
        entries << w.List1->list(i);
    return entries;
}

// The numbered entries of the preview's document, as "n) text".
QStringList numberedLines()
{
    const print::PrintControl& document = printing::printDocument();
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\) "));
    QStringList lines;
    for (const QString& line : printtest::documentLines(document.document(), document.layout()))
        if (numbered.match(line).hasMatch())
            lines << line.trimmed();
    return lines;
}

bool previewShown()
{
    return forms::App::current().isLoaded<frmPrint>() && form<frmPrint>().isVisible();
}

} // namespace

// The terminology window: its list, finding as the user types, lookups by
// click, Enter and clipboard, its openers, and its three printouts.
class tst_frmSearch : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QString db() const { return fixture->databasePath(); }
    forms::ScriptedDialogs& boxes() { return fixture->boxes; }

    // A field of the row of a term spelled exactly so.
    QString stored(const char* field, const QString& term) const
    {
        return queryValue(db(), QStringLiteral("SELECT %1 FROM Table7 WHERE Terms = '%2' COLLATE BINARY")
                                    .arg(QLatin1String(field), QString(term).replace(u'\'', QStringLiteral("''"))))
            .toString();
    }
    QString definitionOf(const QString& term) const { return stored("Def", term); }
    int termCount() const
    {
        return queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM Table7 WHERE Terms IS NOT NULL")).toInt();
    }
    QStringList shownTexts() const
    {
        QStringList texts;
        for (const forms::ShownBox& box : fixture->boxes.shown())
            texts << box.text;
        return texts;
    }

    // Opens the window hidden with the marker and clipboard given, then shows it.
    frmSearch& openWith(const QString& marker, const QString& clipboard)
    {
        forms::clipboard::setText(clipboard);
        terms().txtClip->setText(marker);
        terms().Show();
        return terms();
    }

private slots:
    void init()
    {
        fixture = std::make_unique<testsupport::ProgramFixture>();
        // Beside the sample's terms: one that a shorter word begins, one with
        // an apostrophe, a twin of "Wye" in other letter case, a term that
        // breaks a query built by pasting it in, and a row without a term.
        executeSql(db(), "INSERT INTO Table7 (Terms, Def, Chapter) VALUES ('hose line', 'A line of hose.', 'Hose'), "
                         "('Fireman''s carry', 'Over the shoulders.', 'Rescue'), ('wye', 'The small one.', 'Hose'), "
                         "('x'' OR ''1''=''1', 'Odd.', 'Odd'), (NULL, 'No term.', 'Odd')");
        forms::clipboard::clear();
    }
    void cleanup()
    {
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
        fixture.reset();
    }

    void listsEveryTermInOrder();
    void typingFindsTheFirstTermThatBegins_data();
    void typingFindsTheFirstTermThatBegins();
    void clickingEitherTwinShowsItsOwnDefinition();
    void screenReaderHearsTheTermAndItsMeaning();
    void firstKeyIntoTheEmptyBoxIsLowerCase_data();
    void firstKeyIntoTheEmptyBoxIsLowerCase();
    void enter_data();
    void enter();
    void activation_data();
    void activation();
    void browsingOpenersLookUpOnlyOnTheirFirstShowing_data();
    void browsingOpenersLookUpOnlyOnTheirFirstShowing();
    void termsKeyLooksUpTheSelectedText_data();
    void termsKeyLooksUpTheSelectedText();
    void testCounts_data();
    void testCounts();
    void glossaryListsEveryTermAndKeepsTheWindowInSight();
    void leavingATestsPreviewShowsTheWindowAgain();
};

void tst_frmSearch::listsEveryTermInOrder()
{
    const QStringList entries = listed(terms());
    QCOMPARE(int(entries.size()), termCount());
    QVERIFY(entries.size() > 100);
    for (int i = 1; i < entries.size(); ++i)
        QVERIFY2(QString::compare(entries[i - 1], entries[i], Qt::CaseInsensitive) <= 0, qPrintable(entries[i]));
    QVERIFY(entries.contains(QStringLiteral("Fireman's carry")));
    QVERIFY(entries.indexOf(QStringLiteral("Wye")) + 1 == entries.indexOf(QStringLiteral("wye")));
}

void tst_frmSearch::typingFindsTheFirstTermThatBegins_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found");
    QTest::newRow("one letter") << "f" << "Figure eight on a bight";
    QTest::newRow("beginning") << "fog" << "Fog nozzle";
    QTest::newRow("capitals") << "HOSE" << "hose line";
    QTest::newRow("apostrophe") << "fireman'" << "Fireman's carry";
    QTest::newRow("twins: the first") << "wy" << "Wye";
    QTest::newRow("quote trick") << "x' or" << "x' OR '1'='1";
    QTest::newRow("nothing begins so") << "zzz" << "";
}

void tst_frmSearch::typingFindsTheFirstTermThatBegins()
{
    QFETCH(QString, typed);
    QFETCH(QString, found);
    frmSearch& w = openWith(QStringLiteral("Cat"), QString());
    w.Text1->setText(typed);
    QCOMPARE(w.List1->text(), found);
    QCOMPARE(w.lblWord->caption(), found);
    QCOMPARE(w.lblDef->caption(), found.isEmpty() ? QString() : definitionOf(found));
    QVERIFY(found.isEmpty() || !w.lblDef->caption().isEmpty());
}

void tst_frmSearch::clickingEitherTwinShowsItsOwnDefinition()
{
    frmSearch& w = openWith(QStringLiteral("Cat"), QString());
    for (const QString& twin : {QStringLiteral("wye"), QStringLiteral("Wye")}) {
        w.List1->setListIndex(int(listed(w).indexOf(twin)));
        QCOMPARE(w.lblWord->caption(), twin);
        QCOMPARE(w.lblDef->caption(), definitionOf(twin));
        QCOMPARE(w.txtChapter->text(), stored("Chapter", twin));
    }
    QVERIFY(w.lblDef->caption() != QLatin1String("The small one."));
}

// The term and its definition are read out under the names of their roles:
// a screen reader hears the meaning, not only "Definition".
void tst_frmSearch::screenReaderHearsTheTermAndItsMeaning()
{
    frmSearch& w = openWith(QStringLiteral("Cat"), QString());
    QAccessibleInterface* term = QAccessible::queryAccessibleInterface(w.lblWord);
    QAccessibleInterface* meaning = QAccessible::queryAccessibleInterface(w.lblDef);
    QVERIFY(term && meaning);
    for (const QString& typed : {QStringLiteral("wye"), QStringLiteral("Fireman's carry"), QStringLiteral("zzz")}) {
        w.Text1->setText(typed);
        const QString found = w.List1->text();
        QCOMPARE(term->text(QAccessible::Name), QStringLiteral("Term"));
        QCOMPARE(term->text(QAccessible::Description), found);
        QCOMPARE(meaning->text(QAccessible::Name), QStringLiteral("Definition"));
        QCOMPARE(meaning->text(QAccessible::Description), found.isEmpty() ? QString() : definitionOf(found));
    }
}

void tst_frmSearch::firstKeyIntoTheEmptyBoxIsLowerCase_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("typed");
    QTest::newRow("capital into the empty box") << "" << int('H') << int('h');
    QTest::newRow("capital after a letter") << "h" << int('O') << int('O');
    QTest::newRow("small letter") << "" << int('h') << int('h');
}

void tst_frmSearch::firstKeyIntoTheEmptyBoxIsLowerCase()
{
    QFETCH(QString, before);
    QFETCH(int, key);
    QFETCH(int, typed);
    frmSearch& w = openWith(QStringLiteral("Cat"), QString());
    w.Text1->setText(before);
    w.Text1_KeyPress(key);
    QCOMPARE(key, typed);
}

void tst_frmSearch::enter_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("sorry");
    QTest::addColumn<QString>("word");
    QTest::newRow("as the list spells it") << "Wye" << false << "Wye";
    QTest::newRow("the twin typing does not select") << "wye" << false << "wye";
    QTest::newRow("other letter case") << "WYE" << true << "preset";
    QTest::newRow("only the beginning") << "Fog" << true << "preset";
    QTest::newRow("apostrophe") << "Fireman's carry" << false << "Fireman's carry";
    QTest::newRow("empty box, nothing selected") << "" << false << "";
}

// Enter looks the selected term up when the box spells it exactly;
// otherwise it says the word is not there and changes nothing.
void tst_frmSearch::enter()
{
    QFETCH(QString, typed);
    QFETCH(bool, sorry);
    QFETCH(QString, word);
    frmSearch& w = openWith(QStringLiteral("Cat"), QString());
    w.Text1->setText(typed);
    w.lblWord->setCaption(QStringLiteral("preset"));
    w.lblDef->setCaption(QStringLiteral("preset"));
    if (sorry)
        boxes().answer(forms::vbOK);
    int key = 13;
    w.Text1_KeyPress(key);
    QCOMPARE(key, 0);
    QCOMPARE(shownTexts(), sorry ? QStringList{sorryText} : QStringList());
    QCOMPARE(w.lblWord->caption(), word);
    QCOMPARE(w.lblDef->caption(), word == QLatin1String("preset") ? word : definitionOf(word));
}

void tst_frmSearch::activation_data()
{
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<QString>("caption");
    const QString got = QStringLiteral("Get Meaning");
    const QString design = QStringLiteral("&Get Definifion");
    QTest::newRow("fresh window looks up") << "txtClip" << "Flashover" << "Flashover" << false << got;
    QTest::newRow("key's marker") << "Dog" << "Fireman's carry" << "Fireman's carry" << false << got;
    QTest::newRow("other letter case") << "Dog" << "FLASHOVER" << "FLASHOVER" << false << got;
    QTest::newRow("only a beginning") << "Dog" << "hose" << "hose" << true << design;
    QTest::newRow("quote trick") << "Dog" << "zz' OR '1'='1" << "zz' OR '1'='1" << true << design;
    QTest::newRow("empty clipboard") << "Dog" << "" << "" << false << got;
    QTest::newRow("browsing") << "Cat" << "Flashover" << "preset" << false << got;
    QTest::newRow("marker is case-sensitive") << "cat" << "Overhaul" << "Overhaul" << false << got;
}

void tst_frmSearch::activation()
{
    QFETCH(QString, marker);
    QFETCH(QString, clipboard);
    QFETCH(QString, word);
    QFETCH(bool, notice);
    QFETCH(QString, caption);
    terms().lblWord->setCaption(QStringLiteral("preset"));
    if (notice)
        boxes().answer(forms::vbOK);
    frmSearch& w = openWith(marker, clipboard);
    QCOMPARE(shownTexts(), notice ? QStringList{clipboard + notFound} : QStringList());
    QCOMPARE(w.lblWord->caption(), word);
    if (word != QLatin1String("preset")) {
        QCOMPARE(w.Text1->text(), clipboard);
        QCOMPARE(w.lblDef->caption(), notice ? QString() : w.txtMeaning->text());
        QCOMPARE(w.lblDef->caption().isEmpty(), notice || clipboard.isEmpty());
    }
    QCOMPARE(w.cmdGet->caption(), caption);
    QVERIFY(w.isVisible());
}

void tst_frmSearch::browsingOpenersLookUpOnlyOnTheirFirstShowing_data()
{
    QTest::addColumn<int>("opener");
    QTest::newRow("contents menu") << 0;
    QTest::newRow("question window button") << 1;
}

// A freshly loaded window still holds its design marker while the opening
// shows it, so that showing looks the clipboard up; the marker written
// afterwards keeps later activations from looking up again.
void tst_frmSearch::browsingOpenersLookUpOnlyOnTheirFirstShowing()
{
    QFETCH(int, opener);
    const auto open = [&] {
        if (opener == 0)
            form<contents::frmContents>().mnuTerminology_Click();
        else
            form<questionwindow::frmMain>().cmdTerms_Click();
    };
    forms::clipboard::setText(QStringLiteral("Flashover"));
    open();
    frmSearch& w = terms();
    QCOMPARE(w.txtClip->text(), QStringLiteral("Cat"));
    QCOMPARE(w.lblWord->caption(), QStringLiteral("Flashover"));

    forms::clipboard::setText(QStringLiteral("Overhaul"));
    form<helpmenu::frmAbout>().Show();
    open();
    QVERIFY(w.isVisible());
    QCOMPARE(w.lblWord->caption(), QStringLiteral("Flashover"));
    QCOMPARE(w.cmdGet->caption(), QStringLiteral("Get Meaning"));
}

void tst_frmSearch::termsKeyLooksUpTheSelectedText_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("word");
    QTest::newRow("question") << "Question" << "Halyard";
    QTest::newRow("answer C") << "C" << "Halyard";
    QTest::newRow("notes") << "Notes" << "Halyard";
    QTest::newRow("no field marked") << "" << "";
}

void tst_frmSearch::termsKeyLooksUpTheSelectedText()
{
    QFETCH(QString, field);
    QFETCH(QString, word);
    questionwindow::frmMain& main = form<questionwindow::frmMain>();
    for (forms::TextBox* box : {main.txtQuestion, main.txtA, main.txtB, main.txtC, main.txtD, main.txtNotes}) {
        box->setText(QStringLiteral("Halyard rope"));
        box->setSelStart(0);
        box->setSelLength(7);
    }
    main.txtClip->setText(field);
    forms::clipboard::setText(QStringLiteral("left over"));
    main.tbToolBar_ButtonClick(QStringLiteral("Terms"));
    frmSearch& w = terms();
    QVERIFY(w.isVisible());
    QCOMPARE(w.txtClip->text(), QStringLiteral("Dog"));
    QCOMPARE(forms::clipboard::text(), word);
    QCOMPARE(w.lblWord->caption(), word);
    QCOMPARE(w.lblDef->caption(), word.isEmpty() ? QString() : definitionOf(word));
}

void tst_frmSearch::testCounts_data()
{
    QTest::addColumn<bool>("jeopardy");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("refused");
    QTest::addColumn<int>("questions"); // -1: as many as there are terms
    for (const bool jeopardy : {false, true}) {
        const char* test = jeopardy ? "jeopardy" : "written";
        QTest::addRow("%s, nothing", test) << jeopardy << "" << false << 0;
        QTest::addRow("%s, 0", test) << jeopardy << "0" << false << 0;
        QTest::addRow("%s, -2", test) << jeopardy << "-2" << true << 0;
        QTest::addRow("%s, abc", test) << jeopardy << "abc" << true << 0;
        QTest::addRow("%s, 3", test) << jeopardy << "3" << false << 3;
        QTest::addRow("%s, more than the terms", test) << jeopardy << "5000" << false << -1;
    }
}

// A count that is no positive whole number prints nothing (saying why,
// unless it was cancelled); a count prints that many questions, at most
// every term once, and a key for the same terms in the same order.
void tst_frmSearch::testCounts()
{
    QFETCH(bool, jeopardy);
    QFETCH(QString, answer);
    QFETCH(bool, refused);
    QFETCH(int, questions);
    frmSearch& w = openWith(QStringLiteral("Cat"), QString());
    boxes().answer(answer);
    if (refused)
        boxes().answer(forms::vbOK);
    jeopardy ? w.mnuJeopardy_Click() : w.mnuPrintRandom_Click();

    QCOMPARE(boxes().shown().first().text,
             QStringLiteral("Enter Number Of Questions You Would Like Included In This Terminology."));
    QCOMPARE(boxes().shown().first().title, QStringLiteral("Create Random Test From "));
    QCOMPARE(boxes().shown().size(), refused ? 2 : 1);
    QVERIFY(!forms::hourglassShown());
    QVERIFY(!w.ProgressBar1->isVisible());
    const int expected = questions < 0 ? termCount() : questions;
    QCOMPARE(previewShown(), expected > 0);
    QCOMPARE(w.isVisible(), expected == 0);
    if (expected == 0) {
        QVERIFY(!forms::App::current().isLoaded<frmPrint>()
                || form<frmPrint>().txtRoute->text() != QLatin1String("Terms"));
        return;
    }
    QCOMPARE(form<frmPrint>().txtRoute->text(), QStringLiteral("Terms"));
    QCOMPARE(form<frmPrint>().FXLabel1->caption(), jeopardy ? QStringLiteral("It's Jeopardy! The Answer Is...")
                                                            : QStringLiteral("Print Terminology Test"));

    // Questions and key: numbered 1..n each, for the same terms in order.
    const QStringList lines = numberedLines();
    QCOMPARE(int(lines.size()), 2 * expected);
    const QStringList asked = lines.mid(0, expected);
    const QStringList key = lines.mid(expected);
    QStringList askedTerms;
    for (int i = 0; i < expected; ++i) {
        const QString number = QString::number(i + 1) + QStringLiteral(") ");
        QVERIFY2(asked[i].startsWith(number), qPrintable(asked[i]));
        QVERIFY2(key[i].startsWith(number), qPrintable(key[i]));
        const QString term = jeopardy ? key[i].mid(number.size()).trimmed()
                                      : asked[i].mid(number.size()).chopped(QStringLiteral("  -").size());
        askedTerms << term;
    }
    askedTerms.removeDuplicates();
    QCOMPARE(int(askedTerms.size()), expected);
    if (!jeopardy) {
        for (int i = 0; i < expected && i < 5; ++i)
            QVERIFY2(definitionOf(askedTerms[i]).startsWith(key[i].mid(key[i].indexOf(u')') + 1).trimmed().left(20)),
                     qPrintable(askedTerms[i]));
    }
    // The key starts a page of its own.
    const print::Document& document = printing::printDocument().document();
    QVERIFY(document.pages.size() >= 2);
}

void tst_frmSearch::glossaryListsEveryTermAndKeepsTheWindowInSight()
{
    frmSearch& w = openWith(QStringLiteral("Cat"), QString());
    w.mnuPrintGlossary_Click();
    QVERIFY(previewShown());
    QVERIFY(w.isVisible());
    QCOMPARE(form<frmPrint>().FXLabel1->caption(), QStringLiteral("Print Terminology Glossary"));
    QCOMPARE(form<frmPrint>().txtRoute->text(), QStringLiteral("Terms"));
    QVERIFY(numberedLines().isEmpty());
    const print::PrintControl& document = printing::printDocument();
    const QString text = printtest::documentLines(document.document(), document.layout()).join(u'\n');
    for (const QString& term : {QStringLiteral("Accelerant  -  "), QStringLiteral("Fireman's carry  -  "),
                                QStringLiteral("Wye  -  "), QStringLiteral("wye  -  The small one.")})
        QVERIFY2(text.contains(term), qPrintable(term));
    QVERIFY(text.indexOf(QStringLiteral("Accelerant")) < text.indexOf(QStringLiteral("Wye  -")));
    QVERIFY(!text.contains(QStringLiteral("No term.")));
    for (const print::Page& page : document.document().pages)
        QCOMPARE(page.header, QStringLiteral("Raze Verudev E/RE Drillmate Version 4.1"));
}

void tst_frmSearch::leavingATestsPreviewShowsTheWindowAgain()
{
    frmSearch& w = openWith(QStringLiteral("Cat"), QString());
    boxes().answer(QStringLiteral("2"));
    w.mnuPrintRandom_Click();
    QVERIFY(!w.isVisible());
    boxes().answer(forms::vbNo); // "Save File Before Exit??"
    form<frmPrint>().cmdExit_Click();
    QVERIFY(!forms::App::current().isLoaded<frmPrint>());
    QVERIFY(terms().isVisible());
}

QTEST_MAIN(tst_frmSearch)
#include "tst_frmsearch.moc"
