// The question window's toolbar: every key does its step, pressed with the
// mouse and pressed through the accessible name a screen reader offers.

#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"
#include "support/SpellingAnswers.h"

#include "editing/frmStrips.h"
#include "editing/frmThesaurus.h"
#include "helpmenu/HelpBinding.h"
#include "platform/forms/Clipboard.h"
#include "platform/forms/Frame.h"
#include "platform/forms/TabControl.h"
#include "platform/forms/ToolButton.h"
#include "platform/forms/Toolbar.h"
#include "platform/help/HelpViewer.h"
#include "printing/frmPackage.h"
#include "printing/frmPrint.h"
#include "printing/frmSearch.h"
#include "questionwindow/frmMain.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QTextEdit>
#include <QToolButton>
#include <QtTest>

#include <functional>

using forms::form;
using questionwindow::frmMain;

namespace {

enum class Press { Mouse, Accessible };

} // namespace

Q_DECLARE_METATYPE(Press)

namespace {

// What a key needs before it is pressed, and what it must have done.
struct KeyCase {
    const char* key;
    std::function<void(testsupport::QuestionWindowFixture&, frmMain&)> prepare;
    std::function<void(testsupport::QuestionWindowFixture&, frmMain&)> verify;
};

void selectAllOf(forms::TextBox& box)
{
    box.setFocus();
    box.setSelStart(0);
    box.setSelLength(box.text().size());
}

// A word chosen in answer A, the field the language aids work on.
void chooseWordInAnswerA(frmMain& w)
{
    w.txtA->setText(QStringLiteral("Halyard rope"));
    w.txtA->setFocus();
    w.txtA->setSelStart(0);
    w.txtA->setSelLength(7);
    QApplication::clipboard()->setText(QStringLiteral("left over"));
}

// Answers the spelling run's dialogs, if any, by cancelling them.
std::unique_ptr<testsupport::SpellingAnswers> spelling;

const QList<KeyCase>& keyCases()
{
    using Fixture = testsupport::QuestionWindowFixture;
    static const QList<KeyCase> cases{
        {"New",
         [](Fixture&, frmMain& w) {
             for (forms::TextBox* box : {w.txtIncorrect, w.txtCorrect, w.txtCount, w.txtScore, w.txtTotal})
                 box->setText(QStringLiteral("5"));
             w.txtQuestionNumbers->setText(QStringLiteral(" 12"));
             Fixture::moveTo(w, 2);
         },
         [](Fixture&, frmMain& w) {
             for (forms::TextBox* box : {w.txtIncorrect, w.txtCorrect, w.txtCount, w.txtScore, w.txtTotal})
                 QCOMPARE(box->text(), QStringLiteral("0"));
             QCOMPARE(w.txtQuestionNumbers->text(), QStringLiteral(" 12"));
             QCOMPARE(w.Data1->recordset().absolutePosition(), 0);
         }},
        {"Open",
         [](Fixture& f, frmMain&) { f.boxes.cancelFileDialog(); },
         [](Fixture&, frmMain&) { QVERIFY(!form<printing::frmPrint>().isVisible()); }},
        {"Save", nullptr, [](Fixture&, frmMain&) { QVERIFY(form<printing::frmPackage>().isVisible()); }},
        {"Print", nullptr,
         [](Fixture&, frmMain&) {
             QVERIFY(form<printing::frmPrint>().isVisible());
             QCOMPARE(form<printing::frmPrint>().FXLabel1->caption(), QStringLiteral("Constructed Test Package"));
         }},
        {"Cut",
         [](Fixture&, frmMain& w) {
             w.mnuUnlock_Click();
             w.txtA->setText(QStringLiteral("Fog nozzle"));
             selectAllOf(*w.txtA);
         },
         [](Fixture&, frmMain& w) {
             QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Fog nozzle"));
             QCOMPARE(w.txtA->text(), QString());
         }},
        {"Copy",
         [](Fixture&, frmMain& w) {
             QApplication::clipboard()->clear();
             selectAllOf(*w.txtB);
         },
         [](Fixture&, frmMain& w) { QCOMPARE(QApplication::clipboard()->text(), w.txtB->text()); }},
        {"Paste",
         [](Fixture&, frmMain& w) {
             w.mnuUnlock_Click();
             QApplication::clipboard()->setText(QStringLiteral("Smooth bore"));
             selectAllOf(*w.txtC);
         },
         [](Fixture&, frmMain& w) { QCOMPARE(w.txtC->text(), QStringLiteral("Smooth bore")); }},
        {"Find",
         [](Fixture& f, frmMain&) { f.boxes.answer(QStringLiteral("hydrant")); },
         [](Fixture&, frmMain& w) {
             QCOMPARE(Fixture::setCaptionOf(w), QStringLiteral("Keyword Search"));
             QVERIFY(!Fixture::setCalls(w).isEmpty());
         }},
        {"Camera", nullptr,
         [](Fixture&, frmMain&) {
             QVERIFY(form<editing::frmStrips>().isVisible());
             QCOMPARE(form<editing::frmStrips>().SSTab2->tab(), 0);
         }},
        {"Spell Check",
         [](Fixture&, frmMain& w) {
             spelling = std::make_unique<testsupport::SpellingAnswers>();
             Fixture::moveTo(w, 2);
         },
         [](Fixture&, frmMain& w) {
             // The run went through the set and stands on its first record.
             QCOMPARE(w.Data1->recordset().absolutePosition(), 0);
             spelling.reset();
         }},
        {"Fonts", [](Fixture&, frmMain& w) { chooseWordInAnswerA(w); },
         [](Fixture&, frmMain&) {
             auto& thesaurus = form<editing::frmThesaurus>();
             QVERIFY(thesaurus.isVisible());
             QCOMPARE(thesaurus.txtClip->text(), QStringLiteral("A"));
             QCOMPARE(thesaurus.TextBox->text(), QStringLiteral("Halyard"));
         }},
        {"Help", nullptr,
         [](Fixture&, frmMain&) {
             QVERIFY(helpmenu::helpViewer());
             QVERIFY(helpmenu::helpViewer()->isVisible());
         }},
        {"Notes",
         [](Fixture&, frmMain& w) { w.fraNotes->setVisible(false); },
         [](Fixture&, frmMain& w) { QVERIFY(w.fraNotes->isVisible()); }},
        {"Terms", [](Fixture&, frmMain& w) { chooseWordInAnswerA(w); },
         [](Fixture&, frmMain&) {
             QVERIFY(form<printing::frmSearch>().isVisible());
             QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Halyard"));
             QCOMPARE(form<printing::frmSearch>().txtClip->text(), QStringLiteral("Dog"));
         }},
        {"Unlock",
         [](Fixture&, frmMain& w) { w.tbToolBar->button(QStringLiteral("Lock"))->click(); },
         [](Fixture&, frmMain& w) {
             QVERIFY(w.txtQuestion->locked());
             QVERIFY(w.tbToolBar->button(QStringLiteral("Lock"))->visible());
             QVERIFY(!w.tbToolBar->button(QStringLiteral("Unlock"))->visible());
         }},
        {"Lock", nullptr,
         [](Fixture&, frmMain& w) {
             QVERIFY(!w.txtQuestion->locked());
             QVERIFY(!w.tbToolBar->button(QStringLiteral("Lock"))->visible());
             QVERIFY(w.tbToolBar->button(QStringLiteral("Unlock"))->visible());
         }},
    };
    return cases;
}

// The tool button a user presses for the key.
QToolButton* buttonWidget(frmMain& w, const QString& key)
{
    return qobject_cast<QToolButton*>(w.tbToolBar->widgetForAction(w.tbToolBar->button(key)->action()));
}

// Presses the key through the toolbar's accessible children, found by the
// name they offer, as a screen reader would.
bool pressAccessibly(frmMain& w, const QString& key)
{
    const QString name = w.tbToolBar->button(key)->action()->text();
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.tbToolBar);
    for (int i = 0; bar && i < bar->childCount(); ++i) {
        QAccessibleInterface* child = bar->child(i);
        if (!child || child->text(QAccessible::Name) != name || child->state().invisible)
            continue;
        QAccessibleActionInterface* actions = child->actionInterface();
        if (!actions || !actions->actionNames().contains(QAccessibleActionInterface::pressAction()))
            return false;
        actions->doAction(QAccessibleActionInterface::pressAction());
        return true;
    }
    return false;
}

} // namespace

class tst_Toolbar : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

private slots:
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void eachKeyDoesItsStep_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<Press>("press");
        for (int row = 0; row < keyCases().size(); ++row) {
            const char* key = keyCases().at(row).key;
            QTest::addRow("%s, mouse", key) << row << Press::Mouse;
            QTest::addRow("%s, accessible", key) << row << Press::Accessible;
        }
    }
    void eachKeyDoesItsStep()
    {
        QFETCH(int, row);
        QFETCH(Press, press);
        const KeyCase& c = keyCases().at(row);
        const QString key = QString::fromLatin1(c.key);
        frmMain& w = fixture->showChapter(testsupport::sample::hose);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        if (c.prepare)
            c.prepare(*fixture, w);
        w.activateWindow();
        QApplication::processEvents(); // the toolbar lays out a button shown just now
        if (press == Press::Mouse) {
            QToolButton* button = buttonWidget(w, key);
            QVERIFY2(button && button->isVisible(), c.key);
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            QVERIFY2(pressAccessibly(w, key), c.key);
        }
        fixture->verifyNoBoxes();
        c.verify(*fixture, w);
    }

    // The formatting keys stay hidden; pressed by code they style a focused
    // rich-text box's selection and leave any other box alone.
    void formattingKeysStyleOnlyRichText()
    {
        frmMain& w = fixture->showChapter(testsupport::sample::hose);
        for (const char* key : {"Bold", "Italic", "Underline", "Align Left", "Center", "Align Right"})
            QVERIFY(!w.tbToolBar->button(QString::fromLatin1(key))->visible());

        const QString plain = w.txtQuestion->text();
        w.txtQuestion->setFocus();
        w.tbToolBar_ButtonClick(QStringLiteral("Bold"));
        QCOMPARE(w.txtQuestion->text(), plain);
        QCOMPARE(w.tbToolBar->button(QStringLiteral("Bold"))->value(), 0);

        auto* rich = new QTextEdit(&w);
        rich->setHtml(QStringLiteral("Ventilation"));
        rich->show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        rich->setFocus();
        rich->selectAll();
        w.tbToolBar_ButtonClick(QStringLiteral("Bold"));
        QVERIFY(rich->textCursor().charFormat().fontWeight() > QFont::Normal);
        QCOMPARE(w.tbToolBar->button(QStringLiteral("Bold"))->value(), 1);
        w.tbToolBar_ButtonClick(QStringLiteral("Bold"));
        QCOMPARE(w.tbToolBar->button(QStringLiteral("Bold"))->value(), 0);
        w.tbToolBar_ButtonClick(QStringLiteral("Italic"));
        QVERIFY(rich->textCursor().charFormat().fontItalic());
        w.tbToolBar_ButtonClick(QStringLiteral("Center"));
        QCOMPARE(rich->alignment(), Qt::AlignHCenter);
        w.tbToolBar_ButtonClick(QStringLiteral("Align Right"));
        QCOMPARE(rich->alignment(), Qt::AlignRight);
    }
};

QTEST_MAIN(tst_Toolbar)
#include "tst_toolbar.moc"
