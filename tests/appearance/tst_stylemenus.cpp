#include "support/FileQuery.h"
#include "support/ProgramFixture.h"

#include "appearance/QuestionStyle.h"
#include "contents/frmContents.h"
#include "platform/forms/Label.h"
#include "platform/forms/OptionButton.h"
#include "platform/forms/TextBox.h"
#include "questionwindow/frmMain.h"
#include "settings/Settings.h"

#include <QtTest>

using contents::frmContents;
using forms::form;
using questionwindow::frmMain;
using testsupport::queryValue;

namespace {

enum class Item { Fonts, FontColor, Canvas };

// Font name, bold, italic, size, font colour, canvas colour: what the six
// text-style fields hold, in the window or in the file.
struct Style {
    QString name;
    bool bold;
    bool italic;
    double size;
    int fore;
    int back;
};

Style styleOf(const forms::TextBox& box)
{
    return {box.fontName(), box.fontBold(), box.fontItalic(), box.fontSize(), box.foreColor(), box.backColor()};
}

bool operator==(const Style& a, const Style& b)
{
    return a.name == b.name && a.bold == b.bold && a.italic == b.italic && a.size == b.size && a.fore == b.fore &&
           a.back == b.back;
}

char* toString(const Style& s)
{
    return QTest::toString(QStringLiteral("%1 %2%3 %4pt fore %5 back %6")
                               .arg(s.name, s.bold ? QStringLiteral("bold") : QStringLiteral("regular"),
                                    s.italic ? QStringLiteral(" italic") : QString())
                               .arg(s.size)
                               .arg(s.fore)
                               .arg(s.back));
}

} // namespace

Q_DECLARE_METATYPE(Item)
Q_DECLARE_METATYPE(Style)

// The font, colour and canvas items of the main table of contents: what
// they change on the question window, what they store, and that a cancelled
// dialog changes neither.
class tst_StyleMenus : public QObject {
    Q_OBJECT

    std::unique_ptr<testsupport::ProgramFixture> fixture;

    QStringList storedFields() const
    {
        QStringList fields;
        for (const char* field : {"fontmain", "fontbold", "fontItal", "fontsize", "fontcolor", "backcolor"})
            fields << queryValue(fixture->databasePath(), QStringLiteral("SELECT \"%1\" FROM Table11").arg(field))
                          .toString();
        return fields;
    }
    // A style of the user's own, stored before the question window loads.
    void storeStartingStyle()
    {
        settings::saveScreenFont(QStringLiteral("DejaVu Sans"), false, true, 11);
        settings::saveFontColor(128);
        settings::saveCanvasColor(65535);
    }
    static void run(Item item)
    {
        auto& contents = form<frmContents>();
        switch (item) {
        case Item::Fonts: contents.mnuChangeFonts->trigger(); break;
        case Item::FontColor: contents.mnuChangeFontColor->trigger(); break;
        case Item::Canvas: contents.mnuChangeCanvas->trigger(); break;
        }
    }
    static std::vector<forms::TextBox*> textBoxes(frmMain& w)
    {
        return {w.txtQuestion, w.txtA, w.txtB, w.txtC, w.txtD, w.txtNotes};
    }
    // The look of every control an item may touch, to compare before and after.
    static QStringList lookOf(frmMain& w)
    {
        QStringList look;
        for (forms::TextBox* box : textBoxes(w))
            look << QString::fromLatin1(toString(styleOf(*box)));
        look << QStringLiteral("back %1/%2").arg(w.back->foreColor()).arg(w.back->backColor());
        for (forms::OptionButton* option : {w.optA, w.optB, w.optC, w.optD})
            look << QStringLiteral("option %1/%2").arg(option->foreColor()).arg(option->backColor());
        for (int index = 0; index < 4; ++index)
            look << QStringLiteral("label %1").arg(w.lblA[index]->foreColor());
        return look;
    }
    void verifyNoBoxes() const { QVERIFY2(fixture->boxes.ok(), qPrintable(fixture->boxes.problems())); }

private slots:
    void init() { fixture = std::make_unique<testsupport::ProgramFixture>(); }
    void cleanup() { fixture.reset(); }

    // Each item, with the question window not loaded yet (the item loads
    // it, hidden, and its own values win over the load's), loaded and
    // hidden, and on show.
    void eachItemStylesTheQuestionWindowAndStoresAtOnce_data()
    {
        QTest::addColumn<Item>("item");
        QTest::addColumn<int>("questionWindow"); // 0 not loaded, 1 hidden, 2 shown
        QTest::addColumn<Style>("expected");     // on each of the six text boxes
        QTest::addColumn<QStringList>("fields");
        const char* states[] = {"not loaded", "hidden", "shown"};
        for (int state = 0; state < 3; ++state) {
            QTest::addRow("fonts, window %s", states[state])
                << Item::Fonts << state << Style{"DejaVu Serif", true, false, 14, 128, 65535}
                << QStringList({"DejaVu Serif", "True", "False", "14", "128", "65535"});
            QTest::addRow("font colour, window %s", states[state])
                << Item::FontColor << state << Style{"DejaVu Sans", false, true, 11, 255, 65535}
                << QStringList({"DejaVu Sans", "False", "True", "11", "255", "65535"});
            QTest::addRow("canvas, window %s", states[state])
                << Item::Canvas << state << Style{"DejaVu Sans", false, true, 11, 128, 16711680}
                << QStringList({"DejaVu Sans", "False", "True", "11", "128", "16711680"});
        }
        QTest::newRow("fonts: a fractional size") << Item::Fonts << 1 << Style{"DejaVu Serif", false, true, 10.5, 128, 65535}
                                                  << QStringList({"DejaVu Serif", "False", "True", "10.5", "128", "65535"});
    }
    void eachItemStylesTheQuestionWindowAndStoresAtOnce()
    {
        QFETCH(Item, item);
        QFETCH(int, questionWindow);
        QFETCH(Style, expected);
        QFETCH(QStringList, fields);
        storeStartingStyle();
        if (questionWindow > 0)
            form<frmMain>();
        if (questionWindow == 2)
            form<frmMain>().Show();
        if (item == Item::Fonts)
            fixture->boxes.chooseFont({expected.name, expected.size, expected.bold, expected.italic});
        else
            fixture->boxes.chooseColor(item == Item::FontColor ? expected.fore : expected.back);

        run(item);

        QCOMPARE(storedFields(), fields);
        auto& w = form<frmMain>();
        QCOMPARE(w.isVisible(), questionWindow == 2);
        for (forms::TextBox* box : textBoxes(w))
            QCOMPARE(styleOf(*box), expected);
        // The canvas and the options take both colours, the answer labels the
        // text colour only. The canvas's text colour comes from the item
        // alone: the window's load does not set it.
        if (item == Item::FontColor)
            QCOMPARE(w.back->foreColor(), expected.fore);
        QCOMPARE(w.back->backColor(), expected.back);
        for (forms::OptionButton* option : {w.optA, w.optB, w.optC, w.optD}) {
            QCOMPARE(option->foreColor(), expected.fore);
            QCOMPARE(option->backColor(), expected.back);
        }
        for (int index = 0; index < 4; ++index)
            QCOMPARE(w.lblA[index]->foreColor(), expected.fore);
        verifyNoBoxes();
    }

    // A cancelled dialog leaves window and file as they were, also after a
    // choice accepted earlier in the same run in another item's dialog.
    void aCancelledDialogChangesNothing_data()
    {
        QTest::addColumn<Item>("item");
        QTest::addColumn<bool>("acceptedBefore");
        QTest::newRow("fonts, first use") << Item::Fonts << false;
        QTest::newRow("font colour, first use") << Item::FontColor << false;
        QTest::newRow("canvas, first use") << Item::Canvas << false;
        QTest::newRow("fonts, after a font") << Item::Fonts << true;
        QTest::newRow("font colour, after white canvas") << Item::FontColor << true;
        QTest::newRow("canvas, after a font colour") << Item::Canvas << true;
    }
    void aCancelledDialogChangesNothing()
    {
        QFETCH(Item, item);
        QFETCH(bool, acceptedBefore);
        storeStartingStyle();
        auto& w = form<frmMain>();
        if (acceptedBefore) {
            switch (item) {
            case Item::Fonts:
                fixture->boxes.chooseFont({QStringLiteral("DejaVu Serif"), 16, true, true});
                run(Item::Fonts);
                break;
            case Item::FontColor:
                fixture->boxes.chooseColor(0xFFFFFF);
                run(Item::Canvas);
                break;
            case Item::Canvas:
                fixture->boxes.chooseColor(255);
                run(Item::FontColor);
                break;
            }
        }
        const QStringList fieldsBefore = storedFields();
        const QStringList lookBefore = lookOf(w);

        if (item == Item::Fonts)
            fixture->boxes.cancelFontDialog();
        else
            fixture->boxes.cancelColorDialog();
        run(item);

        QCOMPARE(storedFields(), fieldsBefore);
        QCOMPARE(lookOf(w), lookBefore);
        QVERIFY(!fixture->boxes.shown().isEmpty());
        QCOMPARE(fixture->boxes.shown().last().kind,
                 item == Item::Fonts ? forms::ShownBox::Kind::Font : forms::ShownBox::Kind::Color);
        verifyNoBoxes();
    }

    // A choice that names no face brings the dialog back after a warning,
    // as often as it takes; nothing is applied or stored until a face is
    // chosen, and a cancel on the way changes nothing.
    void aFontWithoutANameIsAskedForAgain_data()
    {
        QTest::addColumn<int>("emptyChoices");
        QTest::addColumn<bool>("thenChosen");
        QTest::newRow("once, then a face") << 1 << true;
        QTest::newRow("three times, then a face") << 3 << true;
        QTest::newRow("once, then cancelled") << 1 << false;
    }
    void aFontWithoutANameIsAskedForAgain()
    {
        QFETCH(int, emptyChoices);
        QFETCH(bool, thenChosen);
        storeStartingStyle();
        auto& w = form<frmMain>();
        const QStringList fieldsBefore = storedFields();
        const QStringList lookBefore = lookOf(w);
        for (int round = 0; round < emptyChoices; ++round)
            fixture->boxes.chooseFont({QString(), 12, true, false}).answer(forms::vbOK);
        if (thenChosen)
            fixture->boxes.chooseFont({QStringLiteral("DejaVu Serif"), 12, true, false});
        else
            fixture->boxes.cancelFontDialog();

        run(Item::Fonts);

        const QList<forms::ShownBox> shown = fixture->boxes.shown();
        QCOMPARE(shown.size(), 2 * emptyChoices + 1);
        for (int round = 0; round < emptyChoices; ++round) {
            const forms::ShownBox& warning = shown.at(2 * round + 1);
            QCOMPARE(warning.kind, forms::ShownBox::Kind::Message);
            QCOMPARE(warning.text, QStringLiteral("Please Choose A Font Name Before Closing."));
            QCOMPARE(warning.icon, int(forms::vbExclamation));
            QCOMPARE(warning.title, QStringLiteral("Brisolt Software"));
        }
        if (thenChosen) {
            QCOMPARE(storedFields(), QStringList({"DejaVu Serif", "True", "False", "12", "128", "65535"}));
            QCOMPARE(styleOf(*w.txtNotes), (Style{"DejaVu Serif", true, false, 12, 128, 65535}));
        } else {
            QCOMPARE(storedFields(), fieldsBefore);
            QCOMPARE(lookOf(w), lookBefore);
        }
        verifyNoBoxes();
    }

    // Each dialog opens on the value its item would change, as stored.
    void theDialogOpensOnTheStoredValue_data()
    {
        QTest::addColumn<Item>("item");
        QTest::addColumn<QString>("opensOn");
        QTest::newRow("fonts") << Item::Fonts << "DejaVu Sans";
        QTest::newRow("font colour") << Item::FontColor << "128";
        QTest::newRow("canvas") << Item::Canvas << "65535";
    }
    void theDialogOpensOnTheStoredValue()
    {
        QFETCH(Item, item);
        QFETCH(QString, opensOn);
        storeStartingStyle();
        if (item == Item::Fonts)
            fixture->boxes.cancelFontDialog();
        else
            fixture->boxes.cancelColorDialog();
        run(item);
        QCOMPARE(fixture->boxes.shown().size(), 1);
        QCOMPARE(fixture->boxes.shown().first().defaultText, opensOn);
        verifyNoBoxes();
    }

    // The stored style read back for a dialog: a field that does not read
    // keeps the default font's value.
    void storedScreenFont_data()
    {
        QTest::addColumn<QStringList>("fields");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<double>("size");
        QTest::newRow("as stored") << QStringList({"Arial", "True", "False", "10.5"}) << "Arial" << true << false << 10.5;
        QTest::newRow("words in any case") << QStringList({"Arial", "false", "TRUE", "12"}) << "Arial" << false << true
                                           << 12.0;
        QTest::newRow("placeholders") << QStringList({"txtFont", "txtFontBold", "txtFontItal", "txtFontsize"})
                                      << "txtFont" << false << false << 8.0;
        QTest::newRow("empty") << QStringList({"", "", "", ""}) << "MS Sans Serif" << false << false << 8.0;
        QTest::newRow("no size") << QStringList({"Arial", "True", "True", "0"}) << "Arial" << true << true << 8.0;
        QTest::newRow("negative size") << QStringList({"Arial", "False", "False", "-4"}) << "Arial" << false << false
                                       << 8.0;
    }
    void storedScreenFont()
    {
        QFETCH(QStringList, fields);
        QFETCH(QString, name);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(double, size);
        const settings::ScreenFont font = appearance::storedScreenFont(fields);
        QCOMPARE(font.name, name);
        QCOMPARE(font.bold, bold);
        QCOMPARE(font.italic, italic);
        QCOMPARE(font.size, size);
    }

    void storedColor_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<int>("color");
        QTest::newRow("red") << "255" << 255;
        QTest::newRow("white") << "16777215" << 0xFFFFFF;
        QTest::newRow("blanks around") << " 65535 " << 65535;
        QTest::newRow("placeholder") << "txtFontcolor" << 0;
        QTest::newRow("negative") << "-1" << 0;
        QTest::newRow("past white") << "16777216" << 0;
    }
    void storedColor()
    {
        QFETCH(QString, field);
        QFETCH(int, color);
        QCOMPARE(appearance::storedColor(field), color);
    }
};

QTEST_MAIN(tst_StyleMenus)
#include "tst_stylemenus.moc"
