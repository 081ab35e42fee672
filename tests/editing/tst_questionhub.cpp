// The question hub: the bank options (hosted option buttons) that fill the
// chapter list, the chapter click that proposes the next question number,
// the transport that copies the question shown into the chosen chapter with
// a database number of its own, and the way back to the question that was
// shown when "Transport" was pressed.
#include "support/FileQuery.h"
#include "support/QuestionWindowFixture.h"
#include "support/SampleChapters.h"
#include "support/SkinLabelColours.h"
#include "support/TestContainer.h"

#include "contents/frmContents.h"
#include "contents/frmContentsBank.h"
#include "controls/optionbutton/Qv3doptClasses.h"
#include "editing/frmBank.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Persist.h"
#include "platform/data/Recordset.h"
#include "platform/forms/App.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/Qv3dLabel.h"
#include "platform/hosting/ControlHost.h"
#include "platform/hosting/ControlLibraries.h"
#include "questionwindow/frmMain.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace com;
using editing::frmBank;
using forms::form;
using questionwindow::frmMain;
using testsupport::QuestionWindowFixture;

namespace {

const QString noChapter = QStringLiteral("Select Chapter From List Below");

// The option button as the hub's design keeps it: its caption, BoxSize 13,
// Group 0 and a white fill, the rest as a new button has it.
QByteArray designedOption(Dispatch* button, const QString& caption)
{
    if (Ptr<PersistStream>::query(button)->initNew() != kOk)
        return {};
    putProperty(button, QStringLiteral("Caption"), Variant::string(caption));
    putProperty(button, QStringLiteral("BoxSize"), Variant::i2(13));
    putProperty(button, QStringLiteral("Group"), Variant::i2(0));
    putProperty(button, QStringLiteral("FillColor"), Variant::i4(0xFFFFFF));
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    if (Ptr<PersistStream>::query(button)->save(&stream, true) != kOk)
        return {};
    return stream.data();
}

QStringList listed(const frmBank& hub)
{
    QStringList titles;
    for (int i = 0; i < hub.List1->listCount(); ++i)
        titles << hub.List1->list(i);
    return titles;
}

// The non-empty captions of a bank's chapter buttons, in button order.
QStringList bankTitles(int bank)
{
    const contents::ContentsWindow* window = bank == 1 ? static_cast<contents::ContentsWindow*>(&form<contents::frmContents>())
                                             : bank == 2 ? static_cast<contents::ContentsWindow*>(&form<contents::frmContents2>())
                                                         : static_cast<contents::ContentsWindow*>(&form<contents::frmContents3>());
    QStringList titles;
    for (int number = 1; number <= (bank == 1 ? 20 : 21); ++number) {
        if (!window->cmd(number)->caption().isEmpty())
            titles << window->cmd(number)->caption();
    }
    return titles;
}

void pickChapter(frmBank& hub, const QString& title)
{
    const QStringList titles = listed(hub);
    hub.List1->setListIndex(int(titles.indexOf(title)));
    hub.List1_Click();
}

} // namespace

class tst_QuestionHub : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::TestContainer> container;
    std::unique_ptr<QuestionWindowFixture> fixture;

    // The question window on the chapter's question at `index`, then "Transport".
    frmBank& transportFrom(const QString& chapter, int index)
    {
        frmMain& w = fixture->showChapter(chapter);
        QuestionWindowFixture::moveTo(w, index);
        w.cmdAdd_Click();
        return form<frmBank>();
    }
    QString db() const { return fixture->databasePath(); }

private slots:
    void init()
    {
        container = std::make_unique<testsupport::TestContainer>();
        QVERIFY(hosting::registerControlLibraries(QFileInfo(QStringLiteral(DRILLBOOK_QV3DOPT)).absolutePath())
                    .isEmpty());
        fixture = std::make_unique<QuestionWindowFixture>();
    }
    void cleanup()
    {
        fixture.reset();
        container.reset();
    }

    // The streams kept beside the design are the ones the option buttons
    // write for it; DRILLBOOK_WRITE_DESIGNS=1 writes them anew.
    void keepsTheDesignedOptionButtons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::newRow("bank 1") << "optTestBank1" << "Show Question Bank 1";
        QTest::newRow("bank 2") << "optTestBank2" << "Show Question Bank 2";
        QTest::newRow("bank 3") << "optTestBank3" << "Show Question Bank 3";
        QTest::newRow("all") << "optBoth" << "Show All Question Banks";
    }
    void keepsTheDesignedOptionButtons()
    {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        auto button = container->loader().create<Dispatch>(qv3dopt::controlClass);
        QVERIFY(button);
        const QByteArray designed = designedOption(button.get(), caption);
        QVERIFY(!designed.isEmpty());
        const QString path = QStringLiteral(DRILLBOOK_SOURCE_DIR "/editing/frmBank_%1.bin").arg(name);
        if (qEnvironmentVariableIsSet("DRILLBOOK_WRITE_DESIGNS")) {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            out.write(designed);
        }
        QFile kept(QStringLiteral(":/editing/frmBank_%1.bin").arg(name));
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), designed);

        frmBank& hub = form<frmBank>();
        hosting::ControlHost* host = hub.findChild<hosting::ControlHost*>(name);
        QVERIFY2(host && host->object(), host ? qPrintable(host->problem()) : "no place");
        Variant value;
        QCOMPARE(getProperty(host->object(), QStringLiteral("Caption"), &value), kOk);
        QString text;
        value.toText(&text);
        QCOMPARE(text, caption);
        // Shown unselected, with the design's box and fill.
        for (const auto& [property, designValue] : {std::pair{"Value", "0"}, std::pair{"BoxSize", "13"},
                                                    std::pair{"Group", "0"}, std::pair{"FillColor", "16777215"}}) {
            QCOMPARE(getProperty(host->object(), QString::fromLatin1(property), &value), kOk);
            value.toText(&text);
            QVERIFY2(text == QLatin1String(designValue), property);
        }
    }

    void opensWithBankOnesTitles()
    {
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        QCOMPARE(listed(hub), bankTitles(1));
        QVERIFY(!bankTitles(1).isEmpty());
        QCOMPARE(hub.txtChapter->text(), noChapter);
        QVERIFY(hub.txtNumber->text().isEmpty());
        QCOMPARE(hub.txtQuestion->text(), form<frmMain>().txtQuestion->text());
        QVERIFY(form<frmMain>().cmdAdd->isHidden());
        QVERIFY(!form<frmMain>().cmdReturn->isHidden());
    }

    // A click on a hosted button reaches the hub as that option's Click.
    void aClickOnAnOptionListsItsBank_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QList<int>>("banks");
        QTest::newRow("bank 2") << "optTestBank2" << QList<int>{2};
        QTest::newRow("bank 3") << "optTestBank3" << QList<int>{3};
        QTest::newRow("bank 1") << "optTestBank1" << QList<int>{1};
        QTest::newRow("all banks, in order") << "optBoth" << QList<int>{1, 2, 3};
    }
    void aClickOnAnOptionListsItsBank()
    {
        QFETCH(QString, option);
        QFETCH(QList<int>, banks);
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        hosting::ControlHost* host = hub.findChild<hosting::ControlHost*>(option);
        QVERIFY2(host && host->controlWindow(), host ? qPrintable(host->problem()) : "no place");
        QStringList expected;
        for (int bank : banks)
            expected << bankTitles(bank);
        // Twice: the bank is listed once all the same.
        for (int click = 0; click < 2; ++click) {
            QTest::mouseClick(host->controlWindow(), Qt::LeftButton, {}, QPoint(8, host->height() / 2));
            QCOMPARE(listed(hub), expected);
        }
    }

    // The four options are one group on screen: a click selects one and
    // clears the other three, and an arrow key moves the choice within the
    // group (wrapping round) and lists the bank it lands on.
    void theBankOptionsClearEachOther()
    {
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        hub.show();
        hub.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&hub));
        const QStringList names{"optTestBank1", "optTestBank2", "optTestBank3", "optBoth"};
        QList<hosting::ControlHost*> hosts;
        for (const QString& name : names) {
            hosting::ControlHost* host = hub.findChild<hosting::ControlHost*>(name);
            QVERIFY2(host && host->controlWindow(), host ? qPrintable(host->problem()) : "no place");
            hosts << host;
        }
        auto selected = [&] {
            QStringList on;
            for (int i = 0; i < hosts.size(); ++i) {
                Variant value;
                getProperty(hosts[i]->object(), QStringLiteral("Value"), &value);
                bool ticked = false;
                value.toBool(&ticked);
                if (ticked)
                    on << names[i];
            }
            return on;
        };
        for (int i : {2, 0, 3, 1}) {
            QTest::mouseClick(hosts[i]->controlWindow(), Qt::LeftButton, {}, QPoint(8, hosts[i]->height() / 2));
            QCOMPARE(selected(), QStringList{names[i]});
        }
        // optTestBank2 holds the choice and the focus: Down goes on to bank 3,
        // Up from bank 1 wraps round to all the banks.
        QCOMPARE(QApplication::focusWidget()->parentWidget()->objectName(), names[1]);
        QTest::keyClick(hosts[1]->controlWindow(), Qt::Key_Down);
        QCOMPARE(selected(), QStringList{names[2]});
        QCOMPARE(listed(hub), bankTitles(3));
        hosts[0]->controlWindow()->setFocus();
        QTest::keyClick(hosts[0]->controlWindow(), Qt::Key_Up);
        QCOMPARE(selected(), QStringList{names[3]});
        QStringList all;
        for (int bank : {1, 2, 3})
            all << bankTitles(bank);
        QCOMPARE(listed(hub), all);
    }

    // Each frame's caption can be read whole on its frame, at the design
    // size and when the hub is grown.
    void frameCaptionsFit()
    {
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        hub.show();
        QVERIFY(QTest::qWaitForWindowExposed(&hub));
        for (int grown : {0, 1}) {
            if (grown)
                hub.resize(hub.size() * 3 / 2);
            QApplication::processEvents();
            const QList<forms::Frame*> frames = hub.findChildren<forms::Frame*>();
            QCOMPARE(frames.size(), 5);
            for (const forms::Frame* frame : frames) {
                const int needed = QFontMetrics(frame->font()).horizontalAdvance(frame->caption());
                QVERIFY2(needed + 16 <= frame->width(), qPrintable(frame->caption()));
            }
            QVERIFY2(hub.chkPic->sizeHint().width() <= hub.chkPic->width(),
                     qPrintable(QStringLiteral("%1 wide in %2").arg(hub.chkPic->sizeHint().width()).arg(hub.chkPic->width())));
        }
    }

    // The hub shows the question's whole picture, small enough for its box
    // and in its own proportions.
    void thePictureFitsItsBox()
    {
        // The move buttons' record display loads the third question's picture.
        frmMain& w = fixture->showChapter(testsupport::sample::captains);
        w.cmdFirst_Click();
        w.cmdNext_Click();
        w.cmdNext_Click();
        w.cmdAdd_Click();
        frmBank& hub = form<frmBank>();
        const QPixmap source = w.FXImage1->picture();
        QVERIFY(!source.isNull());
        QVERIFY(source.width() > hub.pic1->width() || source.height() > hub.pic1->height());
        const QPixmap shown = hub.pic1->picture();
        QVERIFY(!shown.isNull());
        QVERIFY2(shown.width() <= hub.pic1->width() && shown.height() <= hub.pic1->height(),
                 qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                .arg(shown.width()).arg(shown.height()).arg(hub.pic1->width()).arg(hub.pic1->height())));
        QVERIFY(shown.width() == hub.pic1->width() || shown.height() == hub.pic1->height());
        QVERIFY(qAbs(double(shown.width()) / shown.height() - double(source.width()) / source.height()) < 0.05);
    }

    // The proposed number follows the chapter's last numbered question in
    // stored order; a title with a quote is a title like any other.
    void aChapterClickProposesTheNextNumber_data()
    {
        QTest::addColumn<QString>("chapter");
        QTest::newRow("plain title") << testsupport::sample::hose;
        QTest::newRow("title with a quote") << testsupport::sample::captains;
        QTest::newRow("ladders") << testsupport::sample::ladders;
    }
    void aChapterClickProposesTheNextNumber()
    {
        QFETCH(QString, chapter);
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        hub.optBoth_Click();
        QVERIFY(listed(hub).contains(chapter));
        const QStringList numbers =
            testsupport::queryColumn(db(), QStringLiteral("SELECT QNUM FROM table1 WHERE Chapter = '%1' ORDER BY rowid")
                                               .arg(QString(chapter).replace(QLatin1Char('\''), QStringLiteral("''"))));
        QVERIFY(!numbers.isEmpty());
        pickChapter(hub, chapter);
        QCOMPARE(hub.txtChapter->text(), chapter);
        QCOMPARE(hub.txtLook->text(), QStringLiteral("Transport"));
        QCOMPARE(hub.txtNumber->text(), QString::number(numbers.last().toLongLong() + 1));
    }

    void aChapterWithoutQuestionsStartsAtOne()
    {
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        hub.List1->addItem(QStringLiteral("Nobody's Chapter"));
        pickChapter(hub, QStringLiteral("Nobody's Chapter"));
        QCOMPARE(hub.txtNumber->text(), QStringLiteral("1"));
    }

    // The copy joins the chosen chapter with the hub's texts, the number in
    // the box and a database number no other question holds, and the
    // question window shows it.
    void transportAppendsOneCopy()
    {
        // The question copied has a value in every field the copy takes.
        const QString source = testsupport::queryValue(db(), QStringLiteral("SELECT ID FROM table1 WHERE Chapter = "
                                                                            "'Fire Hose' ORDER BY rowid LIMIT 1 OFFSET 2"))
                                   .toString();
        testsupport::executeSql(db(), QStringLiteral("UPDATE table1 SET Memo = 'Couplings first.', FF = '2', "
                                                     "d_strip1 = 'truss.jpg', Video = 'drill.mpg' WHERE ID = ")
                                          + source);
        const QString copied = QStringLiteral("Question, A, B, C, D, Answer, Memo, FF, d_strip1, Video");
        const auto original =
            testsupport::RawDatabase(db()).rows(QStringLiteral("SELECT %1 FROM table1 WHERE ID = %2").arg(copied, source));
        QCOMPARE(original.size(), 1);
        for (const QVariant& value : original[0])
            QVERIFY(!value.toString().isEmpty());
        frmBank& hub = transportFrom(testsupport::sample::hose, 2);
        const QString question = hub.txtQuestion->text();
        const int before = testsupport::queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM table1")).toInt();
        const qint64 largest = testsupport::queryValue(db(), QStringLiteral("SELECT MAX(Call) FROM table1")).toLongLong();
        hub.optBoth_Click();
        pickChapter(hub, testsupport::sample::captains);
        hub.txtNumber->setText(QStringLiteral("77"));
        hub.chkPic->setChecked(true); // ticked, but hidden: this question shows no picture
        hub.Command1_Click();

        QCOMPARE(testsupport::queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM table1")).toInt(), before + 1);
        const auto rows = testsupport::RawDatabase(db()).rows(QStringLiteral(
            "SELECT Call, Chapter, QNUM, Question, picbox FROM table1 WHERE Call = %1").arg(largest + 1));
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][1].toString(), testsupport::sample::captains);
        QCOMPARE(rows[0][2].toString(), QStringLiteral("77"));
        QCOMPARE(rows[0][3].toString(), question);
        QCOMPARE(rows[0][4].toString(), QStringLiteral("1"));
        const auto copy =
            testsupport::RawDatabase(db()).rows(QStringLiteral("SELECT %1 FROM table1 WHERE Call = %2").arg(copied).arg(largest + 1));
        QCOMPARE(copy, original);
        QCOMPARE(testsupport::queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM table1 WHERE Call = %1").arg(largest + 1))
                     .toInt(),
                 1);
        frmMain& w = form<frmMain>();
        QCOMPARE(w.txtCall->text(), QString::number(largest + 1));
        QCOMPARE(w.txtChapter->text(), testsupport::sample::captains);
        QVERIFY(fixture->boxes.ok());
    }

    // Exit on the question window closes the hub with it: nothing is left
    // that would load the question window again or copy a question nobody
    // chose.
    void exitClosesTheHub()
    {
        frmBank& hub = transportFrom(testsupport::sample::hose, 2);
        hub.optBoth_Click();
        pickChapter(hub, testsupport::sample::captains);
        const int before = testsupport::queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM table1")).toInt();
        form<frmMain>().cmdExit_Click();
        QVERIFY(!forms::App::current().isLoaded<frmBank>());
        QApplication::processEvents();
        QCOMPARE(testsupport::queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM table1")).toInt(), before);
        QVERIFY(fixture->boxes.ok());
    }

    void transportWithoutAChapterAddsNothing()
    {
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        const int before = testsupport::queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM table1")).toInt();
        fixture->boxes.answer(forms::vbOK);
        hub.Command1_Click();
        QCOMPARE(testsupport::queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM table1")).toInt(), before);
        QCOMPARE(hub.txtLook->text(), QStringLiteral("Transport"));
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QCOMPARE(fixture->boxes.shown().first().title, QStringLiteral("Brisolt"));
    }

    // Back on the question that was shown, not the set's first.
    void cancelAndReturnComeBackToTheRememberedQuestion()
    {
        frmBank& hub = transportFrom(testsupport::sample::hose, 3);
        frmMain& w = form<frmMain>();
        const QString remembered = w.txtReturn2->text();
        QCOMPARE(remembered, w.txtReturn->text());
        QuestionWindowFixture::moveTo(w, 0);
        hub.Command2_Click();
        QCOMPARE(w.txtReturn->text(), remembered);
        QVERIFY(!w.cmdAdd->isHidden());
        QVERIFY(w.cmdReturn->isHidden());

        // After a transport the whole table is shown; Return finds the question in it.
        w.cmdAdd_Click();
        hub.optBoth_Click();
        pickChapter(hub, testsupport::sample::ladders);
        hub.Command1_Click();
        QVERIFY(w.txtReturn->text() != remembered);
        QVERIFY(!w.cmdReturn->isHidden());
        w.cmdReturn_Click();
        QCOMPARE(w.txtReturn->text(), remembered);
        QVERIFY(w.cmdReturn->isHidden());
    }

    // An emptied set offers a new question; while the hub is transporting,
    // the question window reads its cursor again instead of adding one.
    void anEmptySetGivesWayToTheHub_data()
    {
        QTest::addColumn<bool>("transporting");
        QTest::newRow("hub transporting") << true;
        QTest::newRow("hub idle") << false;
    }
    void anEmptySetGivesWayToTheHub()
    {
        QFETCH(bool, transporting);
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        if (transporting) {
            hub.optBoth_Click();
            pickChapter(hub, testsupport::sample::captains);
        }
        frmMain& w = form<frmMain>();
        w.Hide();
        fixture->loadSet(QStringLiteral("SELECT * FROM table1 where  Chapter = 'No Such Chapter'"));
        fixture->boxes.answer(forms::vbYes);
        w.Show();
        const int all = testsupport::queryValue(db(), QStringLiteral("SELECT COUNT(*) FROM table1")).toInt();
        QCOMPARE(w.Data1->recordset().recordCount(), all);
        QCOMPARE(w.Data1->recordset().editMode() == data::Recordset::EditNone, transporting);
        QVERIFY(fixture->boxes.ok());
    }

    // The captions lie on the skin's picture and take its label colour,
    // white on the dark skins.
    void captionsTakeTheSkinsLabelColour_data() { testsupport::addSkinLabelColourRows(); }
    void captionsTakeTheSkinsLabelColour()
    {
        QFETCH(QString, skin);
        QFETCH(int, labelColor);
        form<contents::frmContents>().txtSkin->setText(skin);
        frmBank& hub = transportFrom(testsupport::sample::hose, 0);
        const auto labels = hub.findChildren<forms::Label*>();
        QVERIFY(labels.size() >= 6);
        for (const forms::Label* label : labels)
            QCOMPARE(label->foreColor(), labelColor);
        QCOMPARE(hub.chkPic->foreColor(), labelColor);
    }
};

QTEST_MAIN(tst_QuestionHub)
#include "tst_questionhub.moc"
