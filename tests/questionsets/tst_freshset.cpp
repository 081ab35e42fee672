#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"

#include "platform/forms/App.h"
#include "platform/speech/SpeechEngine.h"
#include "questionsets/frmSelect.h"
#include "questionwindow/frmMain.h"

#include <QtTest>

#include <functional>

using questionwindow::frmMain;
using testsupport::executeSql;

using namespace testsupport::sample;

namespace {

enum class SetMenu {
    LevelOne,
    LevelTwo,
    Drill,
    ChapterReview,
    AllReview,
    KeywordSearch,
    LastSession,
    MultiChapterTest,
    Randomize,
    EntireTest,
};

bool shown(const QWidget* control) { return !control->isHidden(); }

} // namespace

Q_DECLARE_METATYPE(SetMenu)

// A question answered in one set, then a set menu: the new set's first
// question is shown unanswered, and answering it counts, whichever menu
// brought the set.
class tst_FreshSet : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::QuestionWindowFixture> fixture;

    static forms::OptionButton* rightOption(frmMain& w)
    {
        forms::OptionButton* options[] = {w.optA, w.optB, w.optC, w.optD};
        const int index = QStringLiteral("ABCD").indexOf(w.txtAnswer->text());
        return index >= 0 && w.txtAnswer->text().size() == 1 ? options[index] : nullptr;
    }
    static forms::OptionButton* wrongOption(frmMain& w)
    {
        return rightOption(w) == w.optA ? w.optB : w.optA;
    }

    // Runs the menu, with the boxes it asks answered.
    void choose(frmMain& w, SetMenu menu)
    {
        switch (menu) {
        case SetMenu::LevelOne: w.mnuFF1->trigger(); break;
        case SetMenu::LevelTwo: w.mnuFF2->trigger(); break;
        case SetMenu::Drill: w.mnuElephant1->trigger(); break;
        case SetMenu::ChapterReview: w.mnuX->trigger(); break;
        case SetMenu::AllReview: w.mnuX2->trigger(); break;
        case SetMenu::KeywordSearch:
            fixture->boxes.answer(QStringLiteral("hose"));
            w.mnuKwed_Click();
            break;
        case SetMenu::LastSession: w.mnuLastSession_Click(); break;
        case SetMenu::MultiChapterTest: {
            w.mnuMultiple->trigger();
            auto& select = forms::form<questionsets::frmSelect>();
            select.List2->addItem(ladders);
            select.txtNum->setText(QStringLiteral("5"));
            select.cmdCreate_Click();
            break;
        }
        case SetMenu::Randomize: w.mnuRand_Click(); break;
        case SetMenu::EntireTest:
            fixture->boxes.answer(QStringLiteral("5"));
            w.mnuEntire_Click();
            break;
        }
    }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init() { fixture = std::make_unique<testsupport::QuestionWindowFixture>(); }
    void cleanup() { fixture.reset(); }

    void newSetStartsUnanswered_data()
    {
        QTest::addColumn<SetMenu>("menu");
        QTest::newRow("Level 1") << SetMenu::LevelOne;
        QTest::newRow("Level 2") << SetMenu::LevelTwo;
        QTest::newRow("drill set") << SetMenu::Drill;
        QTest::newRow("chapter review") << SetMenu::ChapterReview;
        QTest::newRow("review of all chapters") << SetMenu::AllReview;
        QTest::newRow("keyword search") << SetMenu::KeywordSearch;
        QTest::newRow("Load Session") << SetMenu::LastSession;
        QTest::newRow("multi-chapter test") << SetMenu::MultiChapterTest;
        QTest::newRow("Randomize") << SetMenu::Randomize;
        QTest::newRow("entire test") << SetMenu::EntireTest;
    }
    void newSetStartsUnanswered()
    {
        QFETCH(SetMenu, menu);
        // Every question of the chapter answered wrongly before, so that the
        // drill and review sets hold questions.
        executeSql(fixture->databasePath(), QStringLiteral("UPDATE table1 SET x='Y', Elephant='X' WHERE Chapter=")
                                                + QStringLiteral("'Fire Hose'"));
        auto& w = fixture->openChapter(hose);
        w.mnuUse_Click();
        if (menu == SetMenu::LastSession) {
            fixture->boxes.answer(forms::vbYes);
            w.mnuSaveThisSession_Click();
        }

        wrongOption(w)->setValue(true);
        w.cmdAnswer_Click();
        QVERIFY(shown(w.txtSA));

        choose(w, menu);
        fixture->verifyNoBoxes();
        QVERIFY(w.Data1->recordset().recordCount() > 0);
        QVERIFY2(rightOption(w), qPrintable(w.txtAnswer->text()));
        for (const forms::OptionButton* option : {w.optA, w.optB, w.optC, w.optD})
            QVERIFY2(!option->value(), qPrintable(option->objectName()));
        QVERIFY(!shown(w.txtSA));
        QVERIFY(!shown(w.txtAnswer));

        const int total = w.txtTotal->text().toInt();
        const int correct = w.txtCorrect->text().toInt();
        rightOption(w)->setValue(true);
        w.cmdAnswer_Click();
        QCOMPARE(w.txtSA->text(), QStringLiteral("Correct"));
        QCOMPARE(w.txtTotal->text().toInt(), total + 1);
        QCOMPARE(w.txtCorrect->text().toInt(), correct + 1);
        fixture->verifyNoBoxes();
    }
};

QTEST_MAIN(tst_FreshSet)
#include "tst_freshset.moc"
