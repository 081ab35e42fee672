#include "platform/core/RuntimeError.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/FlatButton.h"
#include "platform/forms/Frame.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"

#include <QAccessible>
#include <QSignalSpy>
#include <QTest>

using namespace forms;

class AppearanceTest : public QObject {
    Q_OBJECT

private slots:
    void colourValues_data();
    void colourValues();
    void refusedColourKeepsTheOldOne_data();
    void refusedColourKeepsTheOldOne();
    void fonts();
    void refusedFontValuesKeepTheDesign();
    void accessibleNamesFollowCaptions_data();
    void accessibleNamesFollowCaptions();
    void labelShowsItsCaptionAsTyped();
    void labelsTellAScreenReaderWhatTheyShowAndDo_data();
    void labelsTellAScreenReaderWhatTheyShowAndDo();
};

void AppearanceTest::colourValues_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("color");
    QTest::newRow("black") << 0 << QColor(0, 0, 0);
    QTest::newRow("white") << 16777215 << QColor(255, 255, 255);
    QTest::newRow("red") << 255 << QColor(255, 0, 0);
    QTest::newRow("bright green") << 65280 << QColor(0, 255, 0);
    QTest::newRow("mid green") << 49152 << QColor(0, 192, 0);
    QTest::newRow("blue") << 16711680 << QColor(0, 0, 255);
}

void AppearanceTest::colourValues()
{
    QFETCH(int, value);
    QFETCH(QColor, color);
    QCOMPARE(colorFromValue(value), color);
    QCOMPARE(valueFromColor(color), value);

    TextBox box;
    box.setForeColor(value);
    box.setBackColor(16777215 - value);
    QCOMPARE(box.foreColor(), value);
    QCOMPARE(box.backColor(), 16777215 - value);
    QCOMPARE(box.editor()->palette().color(QPalette::Text), color); // the typing area shows it

    Label label;
    label.setForeColor(value);
    QCOMPARE(label.palette().color(QPalette::WindowText), color);
}

void AppearanceTest::refusedColourKeepsTheOldOne_data()
{
    QTest::addColumn<int>("value");
    QTest::newRow("negative") << -1;
    QTest::newRow("past 24 bits") << 16777216;
}

void AppearanceTest::refusedColourKeepsTheOldOne()
{
    QFETCH(int, value);
    Label label;
    label.setForeColor(255);
    try {
        label.setForeColor(value);
        QFAIL("the colour was taken");
    } catch (const platform::RuntimeError& error) {
        QCOMPARE(error.number(), 380);
    }
    QCOMPARE(label.foreColor(), 255);
}

void AppearanceTest::fonts()
{
    TextBox box;
    box.setFontName(QStringLiteral("DejaVu Serif"));
    box.setFontSize(14);
    box.setFontBold(true);
    box.setFontItalic(true);
    box.setFontUnderline(true);
    QCOMPARE(box.fontName(), QStringLiteral("DejaVu Serif"));
    QCOMPARE(box.fontSize(), 14.0);
    QVERIFY(box.fontBold() && box.fontItalic() && box.fontUnderline());
    QCOMPARE(box.editor()->font().pointSizeF(), 14.0);
    box.setFontBold(false);
    QVERIFY(!box.editor()->font().bold());
}

void AppearanceTest::refusedFontValuesKeepTheDesign()
{
    Label label;
    label.setFontName(QStringLiteral("DejaVu Sans"));
    label.setFontSize(10);
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, label.setFontName(QString()));
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, label.setFontName(QStringLiteral("  ")));
    QVERIFY_THROWS_EXCEPTION(platform::RuntimeError, label.setFontSize(0));
    QCOMPARE(label.fontName(), QStringLiteral("DejaVu Sans"));
    QCOMPARE(label.fontSize(), 10.0);
}

void AppearanceTest::accessibleNamesFollowCaptions_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "Terminology" << "Terminology";
    QTest::newRow("accelerator") << "&Next" << "Next";
    QTest::newRow("ampersand") << "Save && E&xit" << "Save & Exit";
    QTest::newRow("trailing ampersand") << "Rock &" << "Rock ";
}

void AppearanceTest::accessibleNamesFollowCaptions()
{
    QFETCH(QString, caption);
    QFETCH(QString, name);
    CommandButton button(nullptr, caption);
    QCOMPARE(button.accessibleName(), name);
    Frame frame(nullptr, QStringLiteral("Notes"));
    frame.setCaption(caption);
    QCOMPARE(frame.accessibleName(), name); // follows a new caption

    button.setAccessibleName(QStringLiteral("Go to the next question"));
    button.setCaption(QStringLiteral("&Back"));
    QCOMPARE(button.accessibleName(), QStringLiteral("Go to the next question")); // the window's own name stays
}

void AppearanceTest::labelShowsItsCaptionAsTyped()
{
    Label label(nullptr, QStringLiteral("<b>Question #</b> & more"));
    QCOMPARE(label.caption(), QStringLiteral("<b>Question #</b> & more"));
    QCOMPARE(label.textFormat(), Qt::PlainText);
    QSignalSpy clicks(&label, &Label::click);
    label.resize(100, 30);
    QTest::mouseClick(&label, Qt::LeftButton);
    QCOMPARE(clicks.count(), 1);
}

// What a screen reader is told of a label: its text, under the name of its
// role when the window gave it one; and, for a label the program answers
// clicks on, a button it can press.
void AppearanceTest::labelsTellAScreenReaderWhatTheyShowAndDo_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("ownName"); // the window's name for its role, or none
    QTest::addColumn<int>("role");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("description");
    QTest::addColumn<bool>("pressable");

    QTest::newRow("plain caption") << "label" << "" << int(QAccessible::StaticText) << "Flashover" << "" << false;
    QTest::newRow("named for its role") << "label" << "Definition" << int(QAccessible::StaticText) << "Definition"
                                        << "Flashover" << false;
    QTest::newRow("clicked label") << "clicked" << "" << int(QAccessible::Button) << "Flashover" << "" << true;
    QTest::newRow("clicked swatch") << "clicked" << "Text colour" << int(QAccessible::Button) << "Text colour"
                                    << "Flashover" << true;
    QTest::newRow("flat button") << "flat" << "" << int(QAccessible::Button) << "Flashover" << "" << true;
    QTest::newRow("disabled flat button") << "disabled" << "" << int(QAccessible::Button) << "Flashover" << ""
                                          << false;
}

void AppearanceTest::labelsTellAScreenReaderWhatTheyShowAndDo()
{
    QFETCH(QString, kind);
    QFETCH(QString, ownName);
    QFETCH(int, role);
    QFETCH(QString, name);
    QFETCH(QString, description);
    QFETCH(bool, pressable);

    QWidget window;
    Label* label = kind == QLatin1String("label") || kind == QLatin1String("clicked") ? new Label(&window)
                                                                                       : new FlatButton(&window);
    int clicks = 0;
    if (kind != QLatin1String("label"))
        QObject::connect(label, &Label::click, &window, [&clicks] { ++clicks; });
    if (!ownName.isEmpty())
        label->setAccessibleName(ownName);
    label->setCaption(QStringLiteral("Flashover"));
    label->setEnabled(kind != QLatin1String("disabled"));

    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(label);
    QVERIFY(reader);
    QCOMPARE(int(reader->role()), role);
    QCOMPARE(reader->text(QAccessible::Name), name);
    QCOMPARE(reader->text(QAccessible::Description), description);
    // A new text is told as it appears.
    if (!description.isEmpty()) {
        label->setCaption(QStringLiteral("Backdraft"));
        QCOMPARE(reader->text(QAccessible::Description), QStringLiteral("Backdraft"));
    }
    QAccessibleActionInterface* actions = reader->actionInterface();
    const bool offered = actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction());
    QCOMPARE(offered, pressable);
    if (actions)
        actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicks, 0); // the reader is answered before the press runs
    QCoreApplication::processEvents();
    QCOMPARE(clicks, pressable ? 1 : 0);
}

QTEST_MAIN(AppearanceTest)
#include "tst_appearance.moc"
