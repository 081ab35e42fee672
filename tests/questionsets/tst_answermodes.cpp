#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"

#include "contents/frmContents.h"
#include "platform/forms/Panel.h"
#include "platform/speech/CharacterControl.h"
#include "platform/speech/SpeechEngine.h"
#include "questionsets/SetLoading.h"
#include "questionwindow/frmMain.h"

#include <QLabel>
#include <QtTest>

#include <functional>

using forms::form;
using questionwindow::frmMain;
using testsupport::queryValue;

namespace {

using Handler = void (frmMain::*)();

// The controls a mode arranges, in the order of the expected-state texts
// below: '1' shown (or on), '0' hidden (or off), '-' left as it was.
struct Control {
    const char* name;
    std::function<int(frmMain&)> state; // 1 on, 0 off, -1 mixed

    std::function<void(frmMain&, bool)> set;
};

void setShown(const QList<QWidget*>& controls, bool on)
{
    for (QWidget* control : controls)
        control->setVisible(on);
}

int shownState(const QList<QWidget*>& controls)
{
    int shown = 0;
    for (QWidget* control : controls)
        shown += control->isHidden() ? 0 : 1;
    return shown == controls.size() ? 1 : shown == 0 ? 0 : -1;
}

Control shownControl(const char* name, std::function<QList<QWidget*>(frmMain&)> controls)
{
    return {name, [controls](frmMain& w) { return shownState(controls(w)); },
            [controls](frmMain& w, bool on) { setShown(controls(w), on); }};
}

Control enabledControl(const char* name, std::function<QWidget*(frmMain&)> control)
{
    return {name, [control](frmMain& w) { return control(w)->isEnabled() ? 1 : 0; },
            [control](frmMain& w, bool on) { control(w)->setEnabled(on); }};
}

Control menuItem(const char* name, forms::Menu* frmMain::*item)
{
    return {name, [item](frmMain& w) { return (w.*item)->enabled() ? 1 : 0; },
            [item](frmMain& w, bool on) { (w.*item)->setEnabled(on); }};
}

QList<Control> controls()
{
    return {
        enabledControl("cmdNuvia on", [](frmMain& w) { return w.cmdNuvia; }),
        enabledControl("cmdReadAll on", [](frmMain& w) { return w.cmdReadAll; }),
        shownControl("cmdAnswer shown", [](frmMain& w) { return QList<QWidget*>{w.cmdAnswer}; }),
        shownControl("cmdScore shown", [](frmMain& w) { return QList<QWidget*>{w.cmdScore}; }),
        shownControl("cmdCheat shown", [](frmMain& w) { return QList<QWidget*>{w.cmdCheat}; }),
        enabledControl("cmdAdd on", [](frmMain& w) { return w.cmdAdd; }),
        shownControl("fraSpeed shown", [](frmMain& w) { return QList<QWidget*>{w.fraSpeed}; }),
        shownControl("fraTurbo shown", [](frmMain& w) { return QList<QWidget*>{w.fraTurbo}; }),
        shownControl("Slider1 shown", [](frmMain& w) { return QList<QWidget*>{w.Slider1}; }),
        shownControl("score boxes shown",
                     [](frmMain& w) { return QList<QWidget*>{w.txtCorrect, w.txtIncorrect, w.txtTotal, w.txtScore}; }),
        shownControl("answer choices shown",
                     [](frmMain& w) {
                         return QList<QWidget*>{w.txtA, w.txtB, w.txtC, w.txtD, w.optA, w.optB, w.optC, w.optD,
                                                w.lblA[0], w.lblA[1], w.lblA[2], w.lblA[3]};
                     }),
        menuItem("mnuUse on", &frmMain::mnuUse),
        menuItem("mnuBypass on", &frmMain::mnuBypass),
        menuItem("mnuSpeed on", &frmMain::mnuSpeed),
        menuItem("mnuTell on", &frmMain::mnuTell),
        menuItem("mnuFlash on", &frmMain::mnuFlash),
        menuItem("mnuReadNuvia on", &frmMain::mnuReadNuvia),
    };
}

} // namespace

Q_DECLARE_METATYPE(Handler)

// The five answer modes: what each stores, shows and arranges.
class tst_AnswerModes : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    frmMain& window() { return fixture->loadSet(questionsets::chapterQuery(QStringLiteral("Fire Hose"))); }
    QString storedWord() { return queryValue(fixture->databasePath(), "SELECT State FROM Table11").toString(); }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void modes_data()
    {
        QTest::addColumn<Handler>("handler");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<QString>("expected"); // one character per entry of controls()
        QTest::newRow("Use Answer Button")
            << &frmMain::mnuUse_Click << "U" << "Use" << "Using Answer Button" << "11100100011011111";
        QTest::newRow("Bypass Answer Button")
            << &frmMain::mnuBypass_Click << "DU" << "Bypass" << "Bypassing Answer Button" << "11000100011101111";
        QTest::newRow("Turbo Answer")
            << &frmMain::mnuSpeed_Click << "S" << "Turbo" << "Turbo Answer" << "000000-1-1-110111";
        QTest::newRow("Don't Tell Me How I'm Doing")
            << &frmMain::mnuTell_Click << "D" << "Dont" << "Hiding Score" << "0001-00000111101-";
        QTest::newRow("Flash Card Mode")
            << &frmMain::mnuFlash_Click << "F" << "Flash" << "Flash Card Mode" << "11100100010111101";
    }
    // Each mode is tried from two starting arrangements, everything shown
    // and on, then everything hidden and off, so that the controls a mode
    // leaves alone show up as left alone.
    void modes()
    {
        QFETCH(Handler, handler);
        QFETCH(QString, code);
        QFETCH(QString, word);
        QFETCH(QString, panel);
        QFETCH(QString, expected);
        auto& w = window();
        const QList<Control> table = controls();
        QCOMPARE(expected.size(), table.size());
        for (bool before : {true, false}) {
            for (const Control& control : table)
                control.set(w, before);
            w.cmdNuvia->setVisible(!before);
            w.cmdNuviaStop->setVisible(true);

            (w.*handler)();

            for (int i = 0; i < table.size(); ++i) {
                const int want = expected[i] == '-' ? int(before) : expected[i] == '1' ? 1 : 0;
                QVERIFY2(table[i].state(w) == want,
                         qPrintable(QStringLiteral("%1, starting from %2").arg(table[i].name).arg(before)));
            }
            QVERIFY(!w.cmdNuvia->isHidden());
            QVERIFY(w.cmdNuviaStop->isHidden());
            QCOMPARE(w.txtBe->text(), code);
            QCOMPARE(w.Status->panel("State")->text(), panel);
            QCOMPARE(form<contents::frmContents>().txtState->text(), word);
            QCOMPARE(storedWord(), word); // saved at once
        }
        QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems()));
    }

    // Choosing a mode leaves the score board, the marks and the records alone.
    void modeChangesNoScoreOrRecord()
    {
        auto& w = window();
        w.txtCorrect->setText("3");
        w.txtX->setText("Y");
        const QString call = w.txtCall->text();
        for (Handler handler : {&frmMain::mnuUse_Click, &frmMain::mnuBypass_Click, &frmMain::mnuSpeed_Click,
                                &frmMain::mnuTell_Click, &frmMain::mnuFlash_Click})
            (w.*handler)();
        QCOMPARE(w.txtCorrect->text(), QStringLiteral("3"));
        QCOMPARE(w.txtX->text(), QStringLiteral("Y"));
        QCOMPARE(w.txtCall->text(), call);
    }

    void silencingTheCharacter_data()
    {
        QTest::addColumn<Handler>("handler");
        QTest::addColumn<QStringList>("requests");
        QTest::newRow("Use") << &frmMain::mnuUse_Click << QStringList{};
        QTest::newRow("Bypass") << &frmMain::mnuBypass_Click << QStringList{};
        QTest::newRow("Turbo") << &frmMain::mnuSpeed_Click << QStringList{"stop", "hide"};
        QTest::newRow("Don't Tell") << &frmMain::mnuTell_Click << QStringList{"stop", "hide"};
        QTest::newRow("Flash") << &frmMain::mnuFlash_Click << QStringList{};
    }
    void silencingTheCharacter()
    {
        QFETCH(Handler, handler);
        QFETCH(QStringList, requests);
        fixture->withCharacter();
        auto& w = window();
        QVERIFY(w.Agent1->isLoaded("merlin"));
        w.Agent1->requests().clear();
        (w.*handler)();
        QCOMPARE(w.Agent1->requests().lines(), requests);
    }

    // Without speech components the mode still changes completely.
    void modesWithoutCharacter()
    {
        fixture->withoutCharacter();
        auto& w = window();
        QVERIFY(!w.Agent1->isLoaded("merlin"));
        w.mnuSpeed_Click();
        QCOMPARE(w.txtBe->text(), QStringLiteral("S"));
        QVERIFY(!w.mnuSpeed->enabled());
        QVERIFY(!w.fraTurbo->isHidden());
        w.mnuTell_Click();
        QCOMPARE(w.txtBe->text(), QStringLiteral("D"));
        QVERIFY(!w.cmdScore->isHidden());
    }

    // A click on the mode panel returns to "Use Answer Button", also while
    // that mode is active; the other panels do nothing.
    void statusPanelClick_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("code");
        for (int panel = 1; panel <= 4; ++panel)
            QTest::addRow("panel %d", panel) << panel << "F";
        QTest::newRow("panel 5, the mode") << 5 << "U";
    }
    void statusPanelClick()
    {
        QFETCH(int, panel);
        QFETCH(QString, code);
        auto& w = window();
        w.Show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.mnuFlash_Click();
        QLabel* label = w.Status->panel(panel)->label();
        QTest::mouseClick(label, Qt::LeftButton);
        QCOMPARE(w.txtBe->text(), code);
        QCOMPARE(storedWord(), code == "U" ? QStringLiteral("Use") : QStringLiteral("Flash"));
        if (panel == 5) {
            QTest::mouseClick(label, Qt::LeftButton);
            QCOMPARE(w.txtBe->text(), QStringLiteral("U"));
            QVERIFY(!w.mnuUse->enabled());
        }
    }
};

QTEST_MAIN(tst_AnswerModes)
#include "tst_answermodes.moc"
