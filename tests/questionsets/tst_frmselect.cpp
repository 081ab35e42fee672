#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"
#include "support/SetRows.h"

#include "appearance/SkinBackground.h"
#include "contents/frmContents.h"
#include "platform/forms/Qv3dLabel.h"
#include "questionsets/SetLoading.h"
#include "questionsets/frmSelect.h"
#include "questionwindow/frmMain.h"

#include <QDropEvent>
#include <QMimeData>
#include <QtTest>

#include <set>

using forms::ListBox;
using questionsets::frmSelect;
using questionwindow::frmMain;
using testsupport::executeSql;
using testsupport::queryColumn;

using namespace testsupport::sample;

namespace {
const QString vent = QStringLiteral("Ventilation");
const QString plainCaption = QStringLiteral("Random Test - Multiple Chapters");
const QString speaks = QStringLiteral("Brisolt Speaks");
const QString noChapterText = QStringLiteral(
    "You Must Drag At Least One Chapter Over To The Selection Box Before Trying To Generate A Test!");
const QString noRecordsText = QStringLiteral("Sorry,  There are No Records Matching Your Request.");
const QString limitText = QStringLiteral(
    "24 Chapters is the Maximum Number Of Chapters You Can Generate A Multiple Chapter Random Test From.");
const QString promptText = QStringLiteral("Enter Number Of Questions You Would Like Included From This Test.");

// Drops what a drag of `text` carries on a list, as the window system
// delivers a drop. Returns whether the list took it.
bool dropOn(ListBox* list, const QString& text)
{
    std::unique_ptr<QMimeData> mime(forms::Qv3dLabel::titleMimeData(text));
    QWidget* target = list->viewport();
    const QPoint centre = target->rect().center();
    QDragEnterEvent enter(centre, Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(centre), Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

int rowOf(const ListBox* list, const QString& text)
{
    for (int i = 0; i < list->listCount(); ++i) {
        if (list->list(i) == text)
            return i;
    }
    return -1;
}

QStringList entries(const ListBox* list)
{
    QStringList texts;
    for (int i = 0; i < list->listCount(); ++i)
        texts << list->list(i);
    return texts;
}

// A press picks the entry a drag then carries: the entry becomes current and
// is dropped on the other list.
void drag(ListBox* from, ListBox* to, const QString& title)
{
    const int row = rowOf(from, title);
    QVERIFY2(row >= 0, qPrintable(title));
    from->setListIndex(row);
    QVERIFY(dropOn(to, title));
}

using Row = testsupport::SetRow;
using testsupport::rowsOf;
} // namespace

// The multi-chapter test window: choosing chapters by dragging, its options,
// its keys, and the random test it hands the question window.
class tst_frmSelect : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    QString database() const { return fixture->databasePath(); }
    QStringList table4() const
    {
        QStringList titles = queryColumn(database(), QStringLiteral("SELECT Chapter FROM Table4 ORDER BY rowid"));
        titles.removeAll(QString());
        return titles;
    }

    // The question window shown on a chapter, then the menu item that opens
    // the multi-chapter window.
    frmSelect& openSelect()
    {
        frmMain& questions = fixture->showChapter(hose);
        questions.mnuMultiple->trigger();
        return forms::form<frmSelect>();
    }

    void choose(frmSelect& s, const QStringList& titles)
    {
        for (const QString& title : titles)
            drag(s.List1, s.List2, title);
    }

    static QString caption(frmMain& w) { return w.Status->panel("Chapter")->text(); }

    int storedIn(const QStringList& chapters) const { return testsupport::storedIn(database(), chapters); }

    // The question window's set, place and bookkeeping, to show that a step
    // left them alone.
    struct QuestionState {
        QString source;
        QString call;
        QString count;
        QString mark;
        QString caption;
        bool operator==(const QuestionState&) const = default;
    };
    static QuestionState stateOf(frmMain& w)
    {
        return {w.Data1->recordSource(), w.txtCall->text(), w.txtCount->text(), w.txtMark->text(), caption(w)};
    }

    void verifyBox(int index, const QString& text, int style, const QString& title)
    {
        QVERIFY(fixture->boxes.shown().size() > index);
        const forms::ShownBox& box = fixture->boxes.shown().at(index);
        QCOMPARE(box.text, text);
        QCOMPARE(box.icon, style & forms::msgBoxIconMask);
        QCOMPARE(box.title, title);
    }

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void menuOpensTheWindowAsDesigned()
    {
        frmSelect& s = openSelect();
        QVERIFY(s.isVisible());
        QCOMPARE(forms::App::current().activeForm(), &s);
        QCOMPARE(s.caption(), QStringLiteral("Create A Random Test From Multiple Chapters"));
        QCOMPARE(entries(s.List1), table4());
        QCOMPARE(s.List2->listCount(), 0);
        QCOMPARE(s.txtCount->text(), QStringLiteral("0"));
        QCOMPARE(s.txtTitle->text(), QStringLiteral("Enter Test Title Here!"));
        QVERIFY(!s.txtTitle->isEnabled());
        QCOMPARE(s.chkTitle->value(), int(forms::CheckBox::Unchecked));
        QVERIFY(s.optAll->value());
        QVERIFY(!s.opt1->value() && !s.opt2->value());
        QCOMPARE(s.txtNum->text(), QString());
        fixture->verifyNoBoxes();
    }

    // Each activation paints the window by the current skin: its background
    // picture and the colour of its four labels.
    void skinPaintsTheWindow_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QString>("picture");
        QTest::addColumn<int>("labelColor");
        QTest::newRow("Water") << "Water" << "images/water.jpg" << 0xFFFFFF;
        QTest::newRow("Blue Brick") << "Blue Brick" << "images/bluebrick.jpg" << 0xFFFFFF;
        QTest::newRow("Rock") << "Rock" << "images/rock.jpg" << 0xFFFFFF;
        QTest::newRow("Paper") << "Paper" << "images/paper2.jpg" << 0;
        QTest::newRow("Parchment") << "Parchment" << "images/parch1.jpg" << 0;
        QTest::newRow("Nantucket 2") << "Nantucket 2" << "images/nan2.jpg" << 0;
    }
    void skinPaintsTheWindow()
    {
        QFETCH(QString, skin);
        QFETCH(QString, picture);
        QFETCH(int, labelColor);
        forms::form<contents::frmContents>().txtSkin->setText(skin);
        frmSelect& s = openSelect();
        QVERIFY2(s.fxBack->picturePath().endsWith(picture, Qt::CaseInsensitive), qPrintable(s.fxBack->picturePath()));
        QVERIFY(s.fxBack->hasPicture());
        for (forms::Label* label : {s.Label1, s.Label2, s.Label3, s.Label4})
            QCOMPARE(label->foreColor(), labelColor);
    }

    // A name this window does not know, or one that differs in letter case,
    // leaves it painted as it was.
    void unknownSkinKeepsTheLook_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::newRow("the question window's own") << "Electric";
        QTest::newRow("letter case") << "paper";
        QTest::newRow("empty") << "";
    }
    void unknownSkinKeepsTheLook()
    {
        QFETCH(QString, skin);
        auto& settings = *forms::form<contents::frmContents>().txtSkin;
        settings.setText(QStringLiteral("Water"));
        frmSelect& s = openSelect();
        const QString painted = s.fxBack->picturePath();

        settings.setText(skin);
        forms::form<frmMain>().Show();
        s.Show(); // activated again
        QCOMPARE(forms::App::current().activeForm(), &s);
        QCOMPARE(s.fxBack->picturePath(), painted);
        QCOMPARE(s.Label1->foreColor(), 0xFFFFFF);
    }

    // A title without questions names no chapter to draw from; the list
    // leaves it out.
    void emptyTitlesAreNotListed()
    {
        executeSql(database(), "INSERT INTO Table4 (Chapter) VALUES (''), (NULL), ('Pump Operations')");
        frmSelect& s = openSelect();
        QCOMPARE(entries(s.List1), table4());
        QCOMPARE(s.List1->list(s.List1->listCount() - 1), QStringLiteral("Pump Operations"));
    }

    void dragsMoveChaptersBothWays()
    {
        frmSelect& s = openSelect();
        const int available = s.List1->listCount();
        choose(s, {captains, ladders, vent});
        QCOMPARE(entries(s.List2), (QStringList{captains, ladders, vent})); // in the order dropped
        QCOMPARE(s.txtCount->text(), QStringLiteral("3"));
        QCOMPARE(s.List1->listCount(), available - 3);
        QCOMPARE(rowOf(s.List1, captains), -1);

        drag(s.List2, s.List1, ladders);
        QCOMPARE(entries(s.List2), (QStringList{captains, vent}));
        QCOMPARE(s.txtCount->text(), QStringLiteral("2"));
        QCOMPARE(s.List1->list(s.List1->listCount() - 1), ladders); // back at the end
        // Every title is in exactly one list.
        QStringList all = entries(s.List1) + entries(s.List2);
        all.sort();
        QStringList stored = table4();
        stored.sort();
        QCOMPARE(all, stored);
        fixture->verifyNoBoxes();
    }

    // A drop moves the other list's current entry only when it is the text
    // the drag carries.
    void dropsThatMoveNothing_data()
    {
        QTest::addColumn<int>("target");     // 1 or 2: the list dropped on
        QTest::addColumn<int>("current1");   // List1's current row, -1 none
        QTest::addColumn<QString>("carried");
        QTest::newRow("List1 has no current entry") << 2 << -1 << "";
        QTest::newRow("carried text is not the current entry") << 2 << 0 << "Fire Streams";
        QTest::newRow("List1 dropped on itself") << 1 << 0 << "Firefighter Safety and Protective Equipment";
        QTest::newRow("List2 has no current entry") << 1 << 0 << "";
    }
    void dropsThatMoveNothing()
    {
        QFETCH(int, target);
        QFETCH(int, current1);
        QFETCH(QString, carried);
        frmSelect& s = openSelect();
        choose(s, {captains});
        s.List2->setListIndex(-1);
        s.List1->setListIndex(current1);
        const QStringList before1 = entries(s.List1);

        QVERIFY(dropOn(target == 1 ? s.List1 : s.List2, carried));
        QCOMPARE(entries(s.List1), before1);
        QCOMPARE(entries(s.List2), QStringList{captains});
        QCOMPARE(s.txtCount->text(), QStringLiteral("1"));
        fixture->verifyNoBoxes();
    }

    // Entries are known by their text alone: with a title listed twice, a
    // drop of List1 on itself gives back List2's entry of the same text.
    void dropOnItselfGivesBackTheSameTitle()
    {
        executeSql(database(), "INSERT INTO Table4 (Chapter) VALUES ('Fire Hose')");
        frmSelect& s = openSelect();
        drag(s.List1, s.List2, hose); // the first of the two
        s.List2->setListIndex(0);
        s.List1->setListIndex(rowOf(s.List1, hose));
        QVERIFY(dropOn(s.List1, hose));
        QCOMPARE(s.List2->listCount(), 0);
        QCOMPARE(s.txtCount->text(), QStringLiteral("0"));
        QCOMPARE(entries(s.List1).count(hose), 2);
    }

    void atMost24Chapters()
    {
        frmSelect& s = openSelect();
        const QStringList titles = table4();
        QVERIFY(titles.size() > 24);
        choose(s, titles.mid(0, 23));
        QCOMPARE(s.txtCount->text(), QStringLiteral("23"));
        drag(s.List1, s.List2, titles.at(23));
        QCOMPARE(s.txtCount->text(), QStringLiteral("24"));
        fixture->verifyNoBoxes();

        fixture->boxes.answer(forms::vbOK);
        s.List1->setListIndex(rowOf(s.List1, titles.at(24)));
        QVERIFY(dropOn(s.List2, titles.at(24)));
        fixture->verifyNoBoxes();
        verifyBox(0, limitText, forms::vbExclamation, speaks);
        QCOMPARE(s.txtCount->text(), QStringLiteral("24"));
        QCOMPARE(s.List2->listCount(), 24);
        QCOMPARE(rowOf(s.List1, titles.at(24)), s.List1->listIndex()); // still there

        // Giving one back makes room again.
        drag(s.List2, s.List1, titles.at(3));
        drag(s.List1, s.List2, titles.at(24));
        QCOMPARE(s.txtCount->text(), QStringLiteral("24"));
    }

    // "Clear Box" empties the choice and reads the chapter list again.
    void clearBoxRereadsTheChapterList()
    {
        frmSelect& s = openSelect();
        choose(s, {captains, ladders});
        executeSql(database(), "INSERT INTO Table4 (Chapter) VALUES ('Pump Operations')");
        executeSql(database(), "DELETE FROM Table4 WHERE Chapter='Ventilation'");

        s.cmdClear->click();
        QCOMPARE(s.List2->listCount(), 0);
        QCOMPARE(s.txtCount->text(), QStringLiteral("0"));
        QCOMPARE(entries(s.List1), table4());
        QVERIFY(entries(s.List1).contains(QStringLiteral("Pump Operations")));
        QVERIFY(!entries(s.List1).contains(vent));
        fixture->verifyNoBoxes();
    }

    void titleCheckBox()
    {
        frmSelect& s = openSelect();
        QTest::mouseClick(s.chkTitle, Qt::LeftButton);
        QCOMPARE(s.chkTitle->value(), int(forms::CheckBox::Checked));
        QCOMPARE(s.txtTitle->text(), QString());
        QVERIFY(s.txtTitle->isEnabled());
        QTest::keyClicks(s.txtTitle->editor(), QStringLiteral("Station 5 Drill"));
        QCOMPARE(s.txtTitle->text(), QStringLiteral("Station 5 Drill"));

        QTest::mouseClick(s.chkTitle, Qt::LeftButton);
        QCOMPARE(s.txtTitle->text(), QStringLiteral("Enter A Test Title Here!"));
        QVERIFY(!s.txtTitle->isEnabled());

        QTest::mouseClick(s.chkTitle, Qt::LeftButton);
        QCOMPARE(s.txtTitle->text(), QString()); // the earlier title is gone
        QVERIFY(s.txtTitle->isEnabled());
    }

    // After a test the window is only hidden: the menu shows it again as it
    // was left. Cancel and Escape unload it: the next opening starts afresh.
    void choicesLastUntilCancelled_data()
    {
        QTest::addColumn<int>("leave"); // 0 Create Test, 1 Cancel button, 2 Escape key
        QTest::addColumn<bool>("kept");
        QTest::newRow("after a test") << 0 << true;
        QTest::newRow("Cancel") << 1 << false;
        QTest::newRow("Escape") << 2 << false;
    }
    void choicesLastUntilCancelled()
    {
        QFETCH(int, leave);
        QFETCH(bool, kept);
        frmSelect& s = openSelect();
        QVERIFY(QTest::qWaitForWindowActive(&s));
        choose(s, {captains, ladders});
        QTest::mouseClick(s.opt2, Qt::LeftButton);
        QTest::mouseClick(s.chkTitle, Qt::LeftButton);
        QTest::keyClicks(s.txtTitle->editor(), QStringLiteral("Drill"));
        s.txtNum->setText(QStringLiteral("5"));
        switch (leave) {
        case 0: QTest::mouseClick(s.cmdCreate, Qt::LeftButton); break;
        case 1: QTest::mouseClick(s.cmdExit, Qt::LeftButton); break;
        case 2: QTest::keyClick(s.txtNum->editor(), Qt::Key_Escape); break;
        }
        QCOMPARE(forms::App::current().isLoaded<frmSelect>(), kept);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        frmMain& questions = forms::form<frmMain>();
        questions.mnuMultiple_Click();
        frmSelect& again = forms::form<frmSelect>();
        QVERIFY(again.isVisible());
        if (kept) {
            QCOMPARE(entries(again.List2), (QStringList{captains, ladders}));
            QCOMPARE(again.txtCount->text(), QStringLiteral("2"));
            QVERIFY(again.opt2->value());
            QCOMPARE(again.txtTitle->text(), QStringLiteral("Drill"));
            QCOMPARE(again.txtNum->text(), QStringLiteral("5"));
        } else {
            QCOMPARE(again.List2->listCount(), 0);
            QCOMPARE(entries(again.List1), table4());
            QCOMPARE(again.txtCount->text(), QStringLiteral("0"));
            QVERIFY(again.optAll->value());
            QCOMPARE(again.txtTitle->text(), QStringLiteral("Enter Test Title Here!"));
            QCOMPARE(again.txtNum->text(), QString());
        }
        fixture->verifyNoBoxes();
    }

    // Enter in the number box creates the test with the number typed so far;
    // other keys are typed as usual.
    void enterInTheNumberBoxCreatesTheTest()
    {
        frmSelect& s = openSelect();
        choose(s, {hose});
        QTest::keyClicks(s.txtNum->editor(), QStringLiteral("4"));
        QCOMPARE(s.txtNum->text(), QStringLiteral("4"));
        QTest::keyClick(s.txtNum->editor(), Qt::Key_Return);
        frmMain& questions = forms::form<frmMain>();
        QCOMPARE(rowsOf(questions).size(), 4);
        QCOMPARE(s.txtNum->text(), QStringLiteral("4")); // the key typed nothing
        QVERIFY(!s.isVisible());
        fixture->verifyNoBoxes();
    }

    // Without a chosen chapter nothing is asked or drawn, typed number or not.
    void refusedWithoutChapters_data()
    {
        QTest::addColumn<QString>("number");
        QTest::newRow("no number") << "";
        QTest::newRow("number typed") << "10";
    }
    void refusedWithoutChapters()
    {
        QFETCH(QString, number);
        frmSelect& s = openSelect();
        frmMain& questions = forms::form<frmMain>();
        const QuestionState before = stateOf(questions);
        s.txtNum->setText(number);
        fixture->boxes.answer(forms::vbOK);
        s.cmdCreate_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 1);
        verifyBox(0, noChapterText, forms::vbQuestion, speaks);
        QVERIFY(stateOf(questions) == before);
        QVERIFY(s.isVisible());
    }

    // The number of questions: typed into the box, or asked for when the box
    // is empty. Only a positive whole number draws; "" or "0" in answer to
    // the prompt cancels quietly, anything else is refused with a message,
    // and a number larger than the chapters hold gives all their questions.
    void numberOfQuestions_data()
    {
        QTest::addColumn<QString>("typed");    // the number box
        QTest::addColumn<QString>("answered"); // the prompt's answer; null: no prompt
        QTest::addColumn<int>("expected");     // questions drawn; -1 none, the set kept
        QTest::addColumn<bool>("refused");
        const int all = -2; // every question of the chapters
        QTest::newRow("typed 5") << "5" << QString() << 5 << false;
        QTest::newRow("typed with blanks") << " 7 " << QString() << 7 << false;
        QTest::newRow("typed more than there are") << "500" << QString() << all << false;
        QTest::newRow("typed 0") << "0" << QString() << -1 << true;
        QTest::newRow("typed 00") << "00" << QString() << -1 << true;
        QTest::newRow("typed letters") << "ten" << QString() << -1 << true;
        QTest::newRow("typed negative") << "-3" << QString() << -1 << true;
        QTest::newRow("typed query text") << "5 * FROM table1;--" << QString() << -1 << true;
        QTest::newRow("asked: 6") << "" << "6" << 6 << false;
        QTest::newRow("asked: more than there are") << "" << "1000" << all << false;
        QTest::newRow("asked: empty (Cancel)") << "" << "" << -1 << false;
        QTest::newRow("asked: 0") << "" << "0" << -1 << false;
        QTest::newRow("asked: letters") << "" << "many" << -1 << true;
        QTest::newRow("asked: fraction") << "" << "2.5" << -1 << true;
    }
    void numberOfQuestions()
    {
        QFETCH(QString, typed);
        QFETCH(QString, answered);
        QFETCH(int, expected);
        QFETCH(bool, refused);
        frmSelect& s = openSelect();
        frmMain& questions = forms::form<frmMain>();
        const QuestionState before = stateOf(questions);
        const QStringList chosen{captains, ladders};
        choose(s, chosen);
        s.txtNum->setText(typed);
        if (!answered.isNull())
            fixture->boxes.answer(answered);
        if (refused)
            fixture->boxes.answer(forms::vbOK);

        s.cmdCreate_Click();
        fixture->verifyNoBoxes();
        if (!answered.isNull()) {
            const forms::ShownBox& prompt = fixture->boxes.shown().first();
            QCOMPARE(prompt.kind, forms::ShownBox::Kind::Input);
            QCOMPARE(prompt.text, promptText);
            QCOMPARE(prompt.title, QStringLiteral("Brisolt Software "));
            QCOMPARE(prompt.defaultText, QString());
        }
        if (refused)
            QVERIFY(fixture->boxes.shown().last().text.contains(QStringLiteral("is not a number of questions")));
        if (expected == -1) {
            QVERIFY(stateOf(questions) == before);
            QVERIFY(s.isVisible());
            return;
        }
        const int size = expected == -2 ? storedIn(chosen) : expected;
        QCOMPARE(rowsOf(questions).size(), size);
        QCOMPARE(questions.txtCount->text(), QString::number(size));
    }

    // The end state of the question window after a test: shown and active on
    // the drawn set, its first record current, counted and marked, under the
    // set caption; the marker is the one its activation took from the
    // contents window; the multi-chapter window is hidden.
    void testReplacesTheQuestionWindowsSet_data()
    {
        QTest::addColumn<int>("option"); // 1 level 1, 2 level 2, 0 both
        QTest::addColumn<QString>("level");
        QTest::newRow("both levels") << 0 << "";
        QTest::newRow("level 1") << 1 << "1";
        QTest::newRow("level 2") << 2 << "2";
    }
    void testReplacesTheQuestionWindowsSet()
    {
        QFETCH(int, option);
        QFETCH(QString, level);
        frmSelect& s = openSelect();
        // The set was opened by a chapter button of the main table of contents.
        forms::form<contents::frmContents>().txtK->setText(hose);
        forms::form<frmMain>().txtContentsRoute->setText(QStringLiteral("1"));
        const QStringList chosen{captains, ladders, vent};
        choose(s, chosen);
        if (option == 1)
            s.opt1->setValue(true);
        if (option == 2)
            s.opt2->setValue(true);
        s.txtNum->setText(QStringLiteral("12"));
        QTest::mouseClick(s.cmdCreate, Qt::LeftButton);
        fixture->verifyNoBoxes();

        frmMain& questions = forms::form<frmMain>();
        QVERIFY(!s.isVisible());
        QVERIFY(forms::App::current().isLoaded<frmSelect>());
        QVERIFY(questions.isVisible());
        QCOMPARE(forms::App::current().activeForm(), &questions);

        const QList<Row> rows = rowsOf(questions);
        QCOMPARE(rows.size(), 12);
        std::set<int> ids;
        for (const Row& row : rows) {
            QVERIFY2(chosen.contains(row.chapter), qPrintable(row.chapter));
            if (!level.isEmpty())
                QCOMPARE(row.level, level);
            ids.insert(row.id);
        }
        QCOMPARE(int(ids.size()), 12);
        QCOMPARE(questions.txtCount->text(), QStringLiteral("12"));
        QCOMPARE(questions.txtMark->text(), rows.last().call);
        QCOMPARE(questions.txtCall->text(), rows.first().call);
        QCOMPARE(questions.txtQuestion2->text(), questions.txtQuestion->text());
        QCOMPARE(caption(questions), plainCaption);
        QCOMPARE(questions.txtQ->text(), hose);
    }

    // The caption names the test by its title only for the full 24 chapters
    // at one level.
    void captionOfATest_data()
    {
        QTest::addColumn<int>("chapters");
        QTest::addColumn<int>("option"); // 1 level 1, 0 both
        QTest::addColumn<int>("ticks");  // clicks on the title check box
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("24 at level 1, untitled") << 24 << 1 << 0 << "" << "Custom Test Multiple Chapters";
        QTest::newRow("24 at level 1, titled") << 24 << 1 << 1 << "Station 5 Drill" << "Station 5 Drill";
        QTest::newRow("24 at level 1, title ticked off") << 24 << 1 << 2 << "" << "Enter A Test Title Here!";
        QTest::newRow("24 at both levels, titled") << 24 << 0 << 1 << "Station 5 Drill" << plainCaption;
        QTest::newRow("23 at level 1, titled") << 23 << 1 << 1 << "Station 5 Drill" << plainCaption;
    }
    void captionOfATest()
    {
        QFETCH(int, chapters);
        QFETCH(int, option);
        QFETCH(int, ticks);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        frmSelect& s = openSelect();
        choose(s, table4().mid(0, chapters));
        if (option == 1)
            s.opt1->setValue(true);
        for (int tick = 0; tick < ticks; ++tick)
            QTest::mouseClick(s.chkTitle, Qt::LeftButton);
        if (!typed.isEmpty())
            QTest::keyClicks(s.txtTitle->editor(), typed);
        s.txtNum->setText(QStringLiteral("30"));
        s.cmdCreate_Click();
        fixture->verifyNoBoxes();
        frmMain& questions = forms::form<frmMain>();
        QCOMPARE(caption(questions), expected);
        QCOMPARE(rowsOf(questions).size(), 30);
    }

    // Chosen chapters that hold no question at the chosen level: the user is
    // told so, and the question window keeps its set and its place in it
    // rather than receiving an empty set.
    void noMatchingQuestionsKeepsTheSet()
    {
        executeSql(database(), "UPDATE table1 SET FF='1' WHERE Chapter IN ('Captain''s Duties', 'Ground Ladders')");
        frmSelect& s = openSelect();
        frmMain& questions = forms::form<frmMain>();
        testsupport::QuestionWindowFixture::moveTo(questions, 3);
        const QuestionState before = stateOf(questions);
        choose(s, {captains, ladders});
        s.opt2->setValue(true);
        s.txtNum->setText(QStringLiteral("10"));
        fixture->boxes.answer(forms::vbOK);

        s.cmdCreate_Click();
        fixture->verifyNoBoxes();
        QCOMPARE(fixture->boxes.shown().size(), 1);
        verifyBox(0, noRecordsText, forms::vbQuestion, speaks);
        QVERIFY(stateOf(questions) == before);
        QVERIFY(s.isVisible());
        QCOMPARE(s.List2->listCount(), 2);

        // Both levels do hold questions.
        s.optAll->setValue(true);
        s.cmdCreate_Click();
        QCOMPARE(rowsOf(questions).size(), 10);
    }

    // A draw that fails outright (the question table cannot be read) says
    // so and brings the multi-chapter window back with its choices.
    void failedDrawBringsTheWindowBack()
    {
        frmSelect& s = openSelect();
        choose(s, {captains});
        s.txtNum->setText(QStringLiteral("5"));
        QTest::mouseClick(s.cmdCreate, Qt::LeftButton); // hidden now
        QVERIFY(!s.isVisible());
        executeSql(database(), "ALTER TABLE table1 RENAME TO table1_away");

        fixture->boxes.answer(forms::vbOK);
        s.cmdCreate_Click();
        fixture->verifyNoBoxes();
        verifyBox(0, noRecordsText, forms::vbQuestion, speaks);
        QVERIFY(s.isVisible());
        QCOMPARE(entries(s.List2), QStringList{captains});
    }
};

QTEST_MAIN(tst_frmSelect)
#include "tst_frmselect.moc"
