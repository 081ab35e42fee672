#include "support/ProgramFixture.h"

#include "platform/forms/CommandButton.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/Menu.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/Timer.h"
#include "platform/speech/CharacterControl.h"
#include "platform/speech/SpeechEngine.h"
#include "questionwindow/frmMain.h"
#include "questionwindow/frmSpeak.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QtTest>

#include <initializer_list>

#include <memory>

using questionwindow::frmSpeak;

namespace {

const QString copyFirst = QStringLiteral("Please copy text to clipboard before clicking the read button");

// What the clipboard holds before Read: text, a picture or nothing.
enum class Content { Nothing, Text, Picture, TextAndHtml };

void putOnClipboard(Content content, const QString& text)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    switch (content) {
    case Content::Nothing:
        break;
    case Content::Text:
        clipboard->setText(text);
        break;
    case Content::Picture: {
        QImage picture(16, 16, QImage::Format_RGB32);
        picture.fill(Qt::red);
        clipboard->setImage(picture);
        break;
    }
    case Content::TextAndHtml: {
        auto* data = new QMimeData;
        data->setText(text);
        data->setHtml(QStringLiteral("<b>") + text + QStringLiteral("</b>"));
        clipboard->setMimeData(data);
        break;
    }
    }
}

QStringList requestsOf(frmSpeak& reader) { return reader.Agent1->requests().lines(); }

} // namespace

class tst_ClipboardReader : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> program;

    frmSpeak& openReader()
    {
        frmSpeak& reader = program->app.form<frmSpeak>();
        reader.Show();
        return reader;
    }

private slots:
    void initTestCase() { speech::SpeechEngine::forApplication().setPace(speech::Pace::Instant); }
    void init() { program = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup()
    {
        QVERIFY2(program->boxes.ok(), qPrintable(program->boxes.problems()));
        program.reset();
        QGuiApplication::clipboard()->clear();
    }

    void readerSpeech_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("empty") << "" << copyFirst;
        QTest::newRow("text") << "Ladders" << "Ladders";
        QTest::newRow("a blank is text") << " " << " ";
    }
    void readerSpeech()
    {
        QFETCH(QString, box);
        QFETCH(QString, spoken);
        QCOMPARE(questionwindow::readerSpeech(box), spoken);
    }

    // The window opens as a fixed topmost tool window whose character is
    // loaded but not shown; the marker starts at its design text.
    void opensAsATopmostToolWindow()
    {
        frmSpeak& reader = openReader();
        QCOMPARE(reader.windowTitle(), QStringLiteral("Nuvia Reads"));
        QVERIFY(reader.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(reader.windowFlags() & Qt::Tool);
        QVERIFY(reader.Agent1->isLoaded(QStringLiteral("merlin")));
        QVERIFY(!reader.Agent1->character(QStringLiteral("merlin")).visible());
        QCOMPARE(reader.Text1->text(), QStringLiteral("Text1"));
        QCOMPARE(reader.Timer1->interval(), 4000);
        QVERIFY(reader.Timer1->enabled());
        QVERIFY(requestsOf(reader).isEmpty());
        // Only the row of buttons is inside the client area, each button whole.
        const QRect client = reader.centralWidget()->rect();
        for (QWidget* seen : std::initializer_list<QWidget*>{reader.cmdSpeak, reader.cmdStop, reader.cmdHide,
                                                             reader.Command1})
            QVERIFY2(client.contains(seen->geometry()), qPrintable(seen->objectName()));
        for (QWidget* unseen : {static_cast<QWidget*>(reader.cmdPause), static_cast<QWidget*>(reader.txtSpeak)})
            QVERIFY(!client.intersects(unseen->geometry()));
    }

    void read_data()
    {
        QTest::addColumn<int>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("spoken");
        const QString longText = QStringLiteral("The nozzle reaction grows with the pressure. ").repeated(2000);
        QTest::newRow("empty clipboard") << int(Content::Nothing) << "" << "" << copyFirst;
        QTest::newRow("plain text") << int(Content::Text) << "Size up the fire." << "Size up the fire."
                                    << "Size up the fire.";
        QTest::newRow("lines and a quote") << int(Content::Text) << "First line\nO'Brien's \"second\" line <b>"
                                           << "First line\nO'Brien's \"second\" line <b>"
                                           << "First line\nO'Brien's \"second\" line <b>";
        QTest::newRow("long text, all of it") << int(Content::Text) << longText << longText << longText;
        QTest::newRow("picture") << int(Content::Picture) << "" << "" << copyFirst;
        QTest::newRow("text with its formatting") << int(Content::TextAndHtml) << "Overhaul" << "Overhaul"
                                                  << "Overhaul";
    }
    // The box takes exactly the clipboard's text; the character is shown with
    // its balloon down and speaks the text or asks for some.
    void read()
    {
        QFETCH(int, content);
        QFETCH(QString, text);
        QFETCH(QString, box);
        QFETCH(QString, spoken);
        frmSpeak& reader = openReader();
        reader.txtSpeak->setText(QStringLiteral("left over from before"));
        putOnClipboard(Content(content), text);

        QTest::mouseClick(reader.cmdSpeak, Qt::LeftButton);

        QCOMPARE(reader.txtSpeak->text(), box);
        const QStringList expected{QStringLiteral("show"), QStringLiteral("balloonStyle 0x0220000E"),
                                   QStringLiteral("speak ") + spoken};
        QCOMPARE(requestsOf(reader), expected);
        QVERIFY(reader.Agent1->character(QStringLiteral("merlin")).visible());
        QCOMPARE(reader.Agent1->character(QStringLiteral("merlin")).balloonStyle() & 1, 0);
    }

    // A second reading waits behind the first; Stop drops both.
    void readingsQueueAndStopDropsThem()
    {
        frmSpeak& reader = openReader();
        speech::Character& merlin = reader.Agent1->character(QStringLiteral("merlin"));
        putOnClipboard(Content::Text, QStringLiteral("First text"));
        reader.cmdSpeak_Click();
        putOnClipboard(Content::Text, QStringLiteral("Second text"));
        reader.cmdSpeak_Click();
        QCOMPARE(reader.Agent1->requests().spokenTexts(),
                 QStringList({QStringLiteral("First text"), QStringLiteral("Second text")}));
        QVERIFY(merlin.isBusy());

        reader.cmdStop_Click();
        QCOMPARE(requestsOf(reader).last(), QStringLiteral("stopAll"));
        QVERIFY(!merlin.isBusy());
    }

    void hideAndPauseAsk()
    {
        frmSpeak& reader = openReader();
        speech::Character& merlin = reader.Agent1->character(QStringLiteral("merlin"));
        putOnClipboard(Content::Text, QStringLiteral("Hose loads"));
        reader.cmdSpeak_Click();
        reader.cmdPause_Click();
        QVERIFY(merlin.isPaused());
        reader.cmdHide_Click();
        QCOMPARE(requestsOf(reader).mid(3), QStringList({QStringLiteral("pause"), QStringLiteral("hide")}));
        // Hiding stops nothing: the reading is still there.
        QVERIFY(merlin.isBusy());
    }

    // Exit stops and hides the character at once; the window goes on the
    // timer's next tick. Opened again before that, it is the same marked
    // window, and the tick still closes it; the next opening is fresh.
    void exitClosesOnTheNextTick()
    {
        frmSpeak& reader = openReader();
        putOnClipboard(Content::Text, QStringLiteral("Salvage"));
        reader.cmdSpeak_Click();
        QTest::mouseClick(reader.Command1, Qt::LeftButton);
        QCOMPARE(requestsOf(reader).mid(3), QStringList({QStringLiteral("stop"), QStringLiteral("hide")}));
        QVERIFY(!reader.Agent1->character(QStringLiteral("merlin")).isBusy());
        QCOMPARE(reader.Text1->text(), QStringLiteral("Hide"));
        QVERIFY(program->app.isLoaded<frmSpeak>());

        frmSpeak& again = openReader();
        QCOMPARE(&again, &reader);
        QCOMPARE(again.Text1->text(), QStringLiteral("Hide"));

        again.Timer1->fire();
        QVERIFY(!program->app.isLoaded<frmSpeak>());
        QCoreApplication::processEvents();
        frmSpeak& fresh = openReader();
        QCOMPARE(fresh.Text1->text(), QStringLiteral("Text1"));
        QVERIFY(requestsOf(fresh).isEmpty());
    }

    void aTickWithoutExitKeepsTheWindow()
    {
        frmSpeak& reader = openReader();
        reader.Timer1->fire();
        QVERIFY(program->app.isLoaded<frmSpeak>());
        QVERIFY(reader.isVisible());
    }

    // Without its character file the reader says so, is not put on top, and
    // its buttons do nothing; Exit still closes it.
    void missingCharacterFile()
    {
        QVERIFY(QFile::remove(program->folder.filePath(QStringLiteral("chars/merlin.acs"))));
        program->boxes.answer(forms::vbOK);
        frmSpeak& reader = openReader();
        QCOMPARE(program->boxes.shown().size(), 1);
        const forms::ShownBox& box = program->boxes.shown().first();
        QVERIFY2(box.text.contains(QStringLiteral("merlin.acs")), qPrintable(box.text));
        QCOMPARE(box.icon, int(forms::vbCritical));
        QVERIFY(!(reader.windowFlags() & Qt::WindowStaysOnTopHint));

        putOnClipboard(Content::Text, QStringLiteral("Nobody reads this"));
        for (forms::CommandButton* button : {reader.cmdSpeak, reader.cmdStop, reader.cmdHide, reader.cmdPause})
            QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(requestsOf(reader).isEmpty());

        QTest::mouseClick(reader.Command1, Qt::LeftButton);
        reader.Timer1->fire();
        QVERIFY(!program->app.isLoaded<frmSpeak>());
    }

    // The question window's Nuvia menu opens the reader, whose character is
    // not the question window's.
    void theNuviaMenuOpensTheReader()
    {
        auto& question = program->app.form<questionwindow::frmMain>();
        emit question.mnuBot->click();
        QVERIFY(program->app.isLoaded<frmSpeak>());
        frmSpeak& reader = program->app.form<frmSpeak>();
        QVERIFY(reader.isVisible());
        QVERIFY(reader.Agent1 != question.Agent1);
        putOnClipboard(Content::Text, QStringLiteral("Own character"));
        reader.cmdSpeak_Click();
        reader.Command1_Click();
        QVERIFY(question.Agent1->requests().spokenTexts().isEmpty());
    }
};

QTEST_MAIN(tst_ClipboardReader)
#include "tst_clipboardreader.moc"
