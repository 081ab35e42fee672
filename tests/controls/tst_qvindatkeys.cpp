// The date-input control in use: typing a date, moving and selecting with
// the keys and the mouse, the clipboard, the focus, the caret and the
// scrolled text, as a container hosting it sees them.
#include "controls/base/KeyCodes.h"
#include "controls/dateinput/QvindatClasses.h"
#include "controls/runtime/Beep.h"
#include "platform/com/Registration.h"
#include "support/TestContainer.h"

#include <QApplication>
#include <QClipboard>
#include <QDate>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace com;
using testsupport::TestContainer;
using testsupport::TestSite;

namespace {

constexpr DispId kKeyDown = -602;
constexpr DispId kKeyPress = -603;
constexpr DispId kKeyUp = -604;

// Presses the keys of a script: plain characters are typed, and {Name} or
// {Shift+Name}/{Ctrl+Name} press one named key.
void press(QWidget* window, const QString& script)
{
    static const std::pair<const char*, Qt::Key> named[] = {
        {"Left", Qt::Key_Left}, {"Right", Qt::Key_Right},         {"Home", Qt::Key_Home},
        {"End", Qt::Key_End},   {"Up", Qt::Key_Up},               {"Down", Qt::Key_Down},
        {"Del", Qt::Key_Delete}, {"Ins", Qt::Key_Insert},         {"Back", Qt::Key_Backspace},
        {"C", Qt::Key_C},       {"V", Qt::Key_V},                 {"X", Qt::Key_X},
    };
    for (qsizetype i = 0; i < script.size(); ++i) {
        if (script[i] != QLatin1Char('{')) {
            QTest::keyClick(window, script[i].toLatin1());
            continue;
        }
        const qsizetype close = script.indexOf(QLatin1Char('}'), i);
        QString name = script.mid(i + 1, close - i - 1);
        i = close;
        Qt::KeyboardModifiers modifiers;
        if (name.startsWith(QLatin1String("Shift+"))) {
            modifiers = Qt::ShiftModifier;
            name = name.mid(6);
        } else if (name.startsWith(QLatin1String("Ctrl+"))) {
            modifiers = Qt::ControlModifier;
            name = name.mid(5);
        }
        const auto it = std::find_if(std::begin(named), std::end(named),
                                     [&](const auto& n) { return name == QLatin1String(n.first); });
        QVERIFY2(it != std::end(named), qPrintable(name));
        QTest::keyClick(window, it->second, modifiers);
    }
}

QString today(const char* pattern) { return QDate::currentDate().toString(QString::fromLatin1(pattern)); }

} // namespace

class tst_QvindatKeys : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void typing_data();
    void typing();
    void caretKeysSelect_data();
    void caretKeysSelect();
    void theEventsOfTypingADate();
    void keyPressMayChangeOrDropTheCharacter();
    void readOnlyTakesNoTyping();
    void steppingKeepsTheCenturyOfCurrentYear();
    void aSetTextLeavesTheCaretInATypableField();
    void typingAfterUndoIntoAnotherFormat();
    void clipboard();
    void focusSelectThenTyping();
    void leavingTheControl();
    void mousePlacesTheCaretAndSelects();
    void mouseEvents();
    void autoHScrollKeepsTheCaretInView();
    void caretBelongsToTheFocusedControl();

private:
    Variant get(const char* name);
    void put(const char* name, const Variant& value);
    void focus();
    // A picture of the control's window as it is shown.
    QImage picture() { return window_->grab().toImage(); }
    // With DRILLBOOK_SHOTS set, the picture is kept in that folder, and the
    // window stays as it is for a moment so the screen can be captured too.
    void shot(const char* name);

    std::unique_ptr<TestContainer> container_;
    Ptr<Dispatch> control_;
    Ptr<TestSite> site_;
    std::unique_ptr<QWidget> form_;
    QWidget* window_ = nullptr;
    QWidget* other_ = nullptr;
    int beeps_ = 0;
};

void tst_QvindatKeys::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)), kOk);
    control_ = container_->create(qvindat::controlClass, qvindat::eventsInterface);
    QVERIFY(control_);
    site_ = make<TestSite>();
    Ptr<Control>::query(control_.get())->setSite(site_.get());
    form_ = std::make_unique<QWidget>();
    form_->resize(240, 80);
    other_ = new QWidget(form_.get());
    other_->setFocusPolicy(Qt::StrongFocus);
    other_->setGeometry(10, 50, 20, 20);
    QCOMPARE(Ptr<Control>::query(control_.get())->createWindow(form_.get(), QRect(10, 10, 160, 24), &window_), kOk);
    form_->show();
    form_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    beeps_ = 0;
    qvrun::setBeepHandler([this] { ++beeps_; });
    put("Text", Variant::string(QStringLiteral("04/17/2001")));
    container_->clearEvents();
}

void tst_QvindatKeys::cleanup()
{
    qvrun::setBeepHandler({});
    if (auto hosted = Ptr<Control>::query(control_.get())) {
        hosted->destroyWindow();
        hosted->setSite(nullptr);
    }
    form_.reset();
    control_.reset();
    container_.reset();
}

Variant tst_QvindatKeys::get(const char* name)
{
    return testsupport::propertyOf(control_.get(), name);
}

void tst_QvindatKeys::put(const char* name, const Variant& value)
{
    QCOMPARE(putProperty(control_.get(), QString::fromLatin1(name), value), kOk);
}

void tst_QvindatKeys::focus()
{
    window_->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(window_->hasFocus());
}

void tst_QvindatKeys::shot(const char* name)
{
    if (qEnvironmentVariableIsEmpty("DRILLBOOK_SHOTS"))
        return;
    picture().scaled(window_->size() * 3).save(qEnvironmentVariable("DRILLBOOK_SHOTS") + QLatin1Char('/')
                                               + QLatin1String(name) + QStringLiteral(".png"));
    QTest::qWait(1500);
}

void tst_QvindatKeys::typing_data()
{
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("caret");
    QTest::addColumn<int>("beeps");

    QTest::newRow("a whole date") << 0 << "04/17/2001" << "12252003" << "12/25/2003" << 10 << 0;
    QTest::newRow("1 waits for the second digit") << 0 << "04/17/2001" << "1" << "14/17/2001" << 1 << 0;
    QTest::newRow("3 cannot start a month") << 0 << "04/17/2001" << "3" << "04/17/2001" << 0 << 1;
    QTest::newRow("3 after 1 is refused") << 0 << "04/17/2001" << "13" << "14/17/2001" << 1 << 1;
    QTest::newRow("12 moves on to the day") << 0 << "04/17/2001" << "12" << "12/17/2001" << 3 << 0;
    QTest::newRow("the separator jumps to the next field")
        << 0 << "04/17/2001" << "/25" << "04/25/2001" << 6 << 1;
    QTest::newRow("the separator in the last field stays") << 0 << "04/17/2001" << "{End}/" << "04/17/2001" << 10 << 1;
    QTest::newRow("a day past February's is refused") << 0 << "02/10/2001" << "{Right}{Right}3" << "02/10/2001" << 3 << 1;
    QTest::newRow("the 29th of February takes a leap year")
        << 0 << "02/10/2001" << "{Right}{Right}29" << "02/29/2000" << 6 << 0;
    QTest::newRow("a digit above 1 is a whole one-digit month") << 4 << "12/17/2001" << "5" << "5/17/01" << 2 << 0;
    QTest::newRow("a month name is found by its beginning")
        << 2 << "01/05/2001" << "Jun" << "June 5, 2001" << 3 << 0;
    QTest::newRow("no month name begins so") << 2 << "01/05/2001" << "Q" << "January 5, 2001" << 0 << 1;
    QTest::newRow("Backspace moves like Left and deletes nothing")
        << 0 << "04/17/2001" << "{Right}{Right}{Back}" << "04/17/2001" << 1 << 0;
    QTest::newRow("Right passes the separator") << 0 << "04/17/2001" << "{Right}{Right}" << "04/17/2001" << 3 << 0;
    QTest::newRow("Up steps the field at the caret") << 0 << "04/17/2001" << "{Right}{Right}{Up}" << "04/18/2001" << 3
                                                     << 0;
    QTest::newRow("Delete of a digit that leaves no date is undone")
        << 0 << "04/17/2001" << "{Del}" << "04/17/2001" << 0 << 0;
    QTest::newRow("Delete of a day's second digit leaves the first as the day")
        << 0 << "04/17/2001" << "{Right}{Right}{Right}{Del}" << "04/01/2001" << 4 << 0;
    QTest::newRow("a letter is refused") << 0 << "04/17/2001" << "a" << "04/17/2001" << 0 << 1;
    QTest::newRow("nothing is typed past the end") << 0 << "04/17/2001" << "{End}5" << "04/17/2001" << 10 << 1;
}

void tst_QvindatKeys::typing()
{
    QFETCH(int, format);
    QFETCH(QString, text);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(int, caret);
    QFETCH(int, beeps);

    put("Text", Variant::string(text));
    put("DateFormat", Variant::i2(std::int16_t(format)));
    put("SelStart", Variant::i4(0));
    focus();
    beeps_ = 0;
    press(window_, keys);
    QCOMPARE(get("Text"), Variant::string(shown));
    QCOMPARE(get("SelStart"), Variant::i4(caret));
    QCOMPARE(beeps_, beeps);
}

void tst_QvindatKeys::caretKeysSelect_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("selText");

    QTest::newRow("Shift+Right") << "{Shift+Right}{Shift+Right}{Shift+Right}" << 0 << 3 << "04/";
    QTest::newRow("Shift+Left from the end") << "{End}{Shift+Left}{Shift+Left}{Shift+Left}{Shift+Left}" << 6 << 4
                                             << "2001";
    QTest::newRow("Shift+End") << "{Right}{Right}{Shift+End}" << 3 << 7 << "17/2001";
    QTest::newRow("Shift+Home") << "{End}{Shift+Home}" << 0 << 10 << "04/17/2001";
    QTest::newRow("back over the start of the selection")
        << "{Right}{Right}{Shift+Right}{Shift+Left}{Shift+Left}" << 2 << 1 << "/";
    QTest::newRow("a plain key clears the selection") << "{Shift+End}{Right}" << 10 << 0 << "";
    QTest::newRow("Home") << "{End}{Home}" << 0 << 0 << "";
}

void tst_QvindatKeys::caretKeysSelect()
{
    QFETCH(QString, keys);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, selText);

    focus();
    press(window_, keys);
    QCOMPARE(get("SelStart"), Variant::i4(selStart));
    QCOMPARE(get("SelLength"), Variant::i4(selLength));
    QCOMPARE(get("SelText"), Variant::string(selText));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/2001")));
}

void tst_QvindatKeys::theEventsOfTypingADate()
{
    focus();
    site_->changed.clear();
    press(window_, QStringLiteral("122"));
    shot("dateinput-typing");
    press(window_, QStringLiteral("52003"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("12/25/2003")));
    // One Change per keystroke that changed the text: 1 (14), 2 (12), 2 (27),
    // 5 (25) and the last 3; 2, 0 and 0 type over the same digits.
    QCOMPARE(container_->count(qvindat::event::Change), 5);
    QCOMPARE(container_->count(qvindat::event::AutoTerminate), 1);
    QCOMPARE(container_->count(kKeyPress), 8);
    // Main-keyboard digits are typed without a KeyDown; every key comes up.
    QCOMPARE(container_->count(kKeyDown), 0);
    QCOMPARE(container_->count(kKeyUp), 8);
    QVERIFY(std::count(site_->changed.begin(), site_->changed.end(), qvindat::dispid::Text) >= 5);

    // Undo puts back the text of the last keystroke.
    press(window_, QStringLiteral("{Home}{Up}"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("01/25/2004")));
    QCOMPARE(get("Undo"), Variant::boolean(false));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("12/25/2003")));

    // The caret keys report themselves with the Shift state.
    container_->clearEvents();
    press(window_, QStringLiteral("{Shift+Left}{Home}"));
    const auto& events = container_->events();
    const auto left = std::find_if(events.begin(), events.end(), [](const auto& e) {
        return e.id == kKeyDown && e.args.at(0) == Variant::i2(controls::vk::left);
    });
    QVERIFY(left != events.end());
    QCOMPARE(left->args.at(1), Variant::i2(1));
    const auto home = std::find_if(events.begin(), events.end(), [](const auto& e) {
        return e.id == kKeyDown && e.args.at(0) == Variant::i2(controls::vk::home);
    });
    QVERIFY(home != events.end());
    QCOMPARE(home->args.at(1), Variant::i2(0));
    QCOMPARE(container_->count(qvindat::event::Change), 0);
}

void tst_QvindatKeys::keyPressMayChangeOrDropTheCharacter()
{
    focus();
    container_->onEvent = [](DispId id, std::span<Variant> args) {
        if (id != kKeyPress)
            return;
        std::int16_t c = 0;
        args[0].toI2(&c);
        if (c == 'x')
            args[0] = Variant::i2('1'); // the container types 1 for x
        else if (c == '9')
            args[0] = Variant::i2(0); // and swallows 9
    };
    press(window_, QStringLiteral("9x"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("14/17/2001")));
    QCOMPARE(beeps_, 0);
}

void tst_QvindatKeys::readOnlyTakesNoTyping()
{
    put("ReadOnly", Variant::boolean(true));
    focus();
    press(window_, QStringLiteral("12{Up}{Del}{Right}{Right}{Shift+Right}{Ctrl+X}"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/2001")));
    QCOMPARE(container_->count(qvindat::event::Change), 0);
    QCOMPARE(beeps_, 0);
    // Copying is still allowed.
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1"));
}

void tst_QvindatKeys::steppingKeepsTheCenturyOfCurrentYear()
{
    // A two-digit year read with the default bounds is the year 1; the
    // container says which century the date is in.
    put("DateFormat", Variant::i2(6));
    put("Text", Variant::string(QStringLiteral("15-Mar-01")));
    put("CurrentYear", Variant::i2(2001));
    focus();
    press(window_, QStringLiteral("{End}{Up}"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("15-Mar-02")));
    QCOMPARE(get("CurrentYear"), Variant::i2(2002));
}

void tst_QvindatKeys::aSetTextLeavesTheCaretInATypableField()
{
    // The weekday cannot be typed into: the caret goes to the month after it.
    put("DateFormat", Variant::i2(3));
    put("Text", Variant::string(QStringLiteral("Saturday, January 1, 2000")));
    QCOMPARE(get("SelStart"), Variant::i4(10));
    focus();
    press(window_, QStringLiteral("F"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("Tuesday, February 1, 2000")));
    QCOMPARE(beeps_, 0);
}

void tst_QvindatKeys::typingAfterUndoIntoAnotherFormat()
{
    // The user's short date puts the month name far along the text.
    QTemporaryDir settings;
    QFile profile(settings.filePath(QStringLiteral("profile.ini")));
    QVERIFY(profile.open(QIODevice::WriteOnly));
    profile.write("[intl]\nsShortDate='Date of the exam: 'MMMM d yy\n");
    profile.close();
    qputenv("DRILLBOOK_PROFILE", profile.fileName().toLocal8Bit());
    auto restore = qScopeGuard([] { qunsetenv("DRILLBOOK_PROFILE"); });

    focus();
    press(window_, QStringLiteral("{End}1"));
    put("DateFormat", Variant::i2(4));
    // Undo puts back the text typed in the earlier format, and Home finds
    // the month name's field for the caret.
    testsupport::propertyOf(control_.get(), "Undo");
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/2001")));
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));
    beeps_ = 0;
    press(window_, QStringLiteral("{Home}J"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/2001")));
    QCOMPARE(beeps_, 1);
}

void tst_QvindatKeys::clipboard()
{
    focus();
    QClipboard* clipboard = QGuiApplication::clipboard();
    press(window_, QStringLiteral("{End}{Shift+Left}{Shift+Left}{Shift+Left}{Shift+Left}{Ctrl+C}"));
    QCOMPARE(clipboard->text(), QStringLiteral("2001"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/2001")));

    // Pasting replaces the selection, and the whole is read as a date once.
    clipboard->setText(QStringLiteral("1999"));
    container_->clearEvents();
    press(window_, QStringLiteral("{Ctrl+V}"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/1999")));
    QCOMPARE(container_->count(qvindat::event::Change), 1);
    QCOMPARE(container_->count(qvindat::event::InvalidSetText), 0);

    // A pasted text that is no date is refused through InvalidSetText.
    clipboard->setText(QStringLiteral("soon"));
    container_->clearEvents();
    container_->onEvent = [](DispId id, std::span<Variant> args) {
        if (id == qvindat::event::InvalidSetText)
            args[0] = Variant::i2(1);
    };
    press(window_, QStringLiteral("{End}{Shift+Home}{Shift+Ins}"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/1999")));
    QCOMPARE(container_->count(qvindat::event::InvalidSetText), 1);
    container_->onEvent = nullptr;

    // Cutting the year leaves a date: the year is completed from today.
    container_->clearEvents();
    press(window_, QStringLiteral("{End}{Shift+Left}{Shift+Left}{Shift+Left}{Shift+Left}{Ctrl+X}"));
    QCOMPARE(clipboard->text(), QStringLiteral("1999"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/") + today("yyyy")));
    QCOMPARE(container_->count(qvindat::event::Change), 1);

    // Cutting everything leaves an empty text, which reads as today.
    press(window_, QStringLiteral("{Home}{Shift+End}{Ctrl+X}"));
    QCOMPARE(clipboard->text(), QStringLiteral("04/17/") + today("yyyy"));
    QCOMPARE(get("Text"), Variant::string(today("MM/dd/yyyy")));

    // A Delete that leaves no date is undone: the separator cannot go.
    press(window_, QStringLiteral("{Home}{Right}{Right}{Shift+Left}{Del}"));
    QCOMPARE(get("Text"), Variant::string(today("MM/dd/yyyy")));

    // A pasted day of one digit is that day.
    clipboard->setText(QStringLiteral("4/1/2001"));
    press(window_, QStringLiteral("{Home}{Shift+End}{Ctrl+V}"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/01/2001")));
}

void tst_QvindatKeys::focusSelectThenTyping()
{
    put("FocusSelect", Variant::boolean(true));
    focus();
    QCOMPARE(get("SelLength"), Variant::i4(10));
    press(window_, QStringLiteral("12"));
    // The digit replaced the whole text; the parts not typed yet come from today.
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("12/") + today("dd/yyyy")));
    QCOMPARE(get("SelLength"), Variant::i4(0));
    QCOMPARE(container_->count(qvindat::event::Change), 2);
}

void tst_QvindatKeys::leavingTheControl()
{
    // A leap day in a year that has none is carried to 1 March on leaving.
    put("Text", Variant::string(QStringLiteral("02/29/2000")));
    put("SelStart", Variant::i4(6));
    focus();
    press(window_, QStringLiteral("1"));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("02/29/1000")));
    container_->clearEvents();
    other_->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(other_->hasFocus());
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("03/01/1000")));
    QCOMPARE(container_->count(qvindat::event::InvalidEntry), 0);

    // Leaving brings the year into its bounds when the caret is in the month.
    put("Text", Variant::string(QStringLiteral("04/17/2001")));
    put("MinYear", Variant::i2(2002));
    focus();
    other_->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(other_->hasFocus());
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/2002")));
    QCOMPARE(container_->count(qvindat::event::InvalidEntry), 0);

    // A day past MaxDay in a month inside the bounds stays, and is told.
    put("MaxDay", Variant::i2(15));
    container_->clearEvents();
    focus();
    other_->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(other_->hasFocus());
    QCOMPARE(container_->count(qvindat::event::InvalidEntry), 1);
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("04/17/2002")));
}

void tst_QvindatKeys::mousePlacesTheCaretAndSelects()
{
    const int middle = window_->height() / 2;
    // Far right of the text: the end; at the left edge: the start.
    QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(window_->width() - 8, middle));
    QVERIFY(window_->hasFocus());
    QCOMPARE(get("SelStart"), Variant::i4(10));
    QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(4, middle));
    QCOMPARE(get("SelStart"), Variant::i4(0));

    // A click inside the text lands between the characters around it.
    const QFontMetrics metrics(window_->font());
    const int twoChars = metrics.horizontalAdvance(QStringLiteral("04"));
    // The text starts inside the border (1) and the indent (2); a click
    // lands on the boundary left of a point 4 pixels further right.
    const int left = 3 - 2;
    QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(left + twoChars, middle));
    QCOMPARE(get("SelStart"), Variant::i4(2));

    // A drag selects from the press to the pointer, either way.
    QTest::mousePress(window_, Qt::LeftButton, {}, QPoint(4, middle));
    QMouseEvent move(QEvent::MouseMove, QPointF(window_->width() - 8, middle), window_->mapToGlobal(QPointF(window_->width() - 8, middle)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(window_, &move);
    QTest::mouseRelease(window_, Qt::LeftButton, {}, QPoint(window_->width() - 8, middle));
    QCOMPARE(get("SelText"), Variant::string(QStringLiteral("04/17/2001")));
    QCOMPARE(get("SelStart"), Variant::i4(0));

    QTest::mousePress(window_, Qt::LeftButton, {}, QPoint(window_->width() - 8, middle));
    QMouseEvent back(QEvent::MouseMove, QPointF(left + twoChars, middle), window_->mapToGlobal(QPointF(left + twoChars, middle)),
                     Qt::NoButton, Qt::LeftButton, {});
    QApplication::sendEvent(window_, &back);
    QTest::mouseRelease(window_, Qt::LeftButton, {}, QPoint(left + twoChars, middle));
    QCOMPARE(get("SelText"), Variant::string(QStringLiteral("/17/2001")));
    QCOMPARE(get("SelStart"), Variant::i4(2));
    QCOMPARE(get("SelLength"), Variant::i4(8));
    shot("dateinput-selection");
}

void tst_QvindatKeys::mouseEvents()
{
    const QPoint at(30, 12);
    QTest::mouseClick(window_, Qt::LeftButton, Qt::ShiftModifier, at);
    std::vector<DispId> mouse;
    for (const auto& e : container_->events())
        if (e.id <= -600 && e.id >= -607 && e.id != -602 && e.id != -603 && e.id != -604)
            mouse.push_back(e.id);
    QCOMPARE(mouse, (std::vector<DispId>{-605, -607, -600}));
    const auto& down = *std::find_if(container_->events().begin(), container_->events().end(),
                                     [](const auto& e) { return e.id == -605; });
    QCOMPARE(down.args.at(0), Variant::i2(1));
    QCOMPARE(down.args.at(1), Variant::i2(1));
    QCOMPARE(down.args.at(2), Variant::i4(at.x()));
    QCOMPARE(down.args.at(3), Variant::i4(at.y()));

    container_->clearEvents();
    QTest::mouseDClick(window_, Qt::LeftButton, {}, at);
    QCOMPARE(container_->count(-601), 1);
    QCOMPARE(container_->count(-600), 0);
    // A press let go outside the control is no click.
    container_->clearEvents();
    QTest::mousePress(window_, Qt::LeftButton, {}, at);
    QTest::mouseRelease(window_, Qt::LeftButton, {}, QPoint(-20, 12));
    QCOMPARE(container_->count(-607), 1);
    QCOMPARE(container_->count(-600), 0);
}

void tst_QvindatKeys::autoHScrollKeepsTheCaretInView()
{
    // A narrow control with a long date.
    Ptr<Control>::query(control_.get())->createWindow(form_.get(), QRect(10, 10, 70, 24), &window_);
    put("DateFormat", Variant::i2(3));
    focus();
    const QImage atStart = picture();
    press(window_, QStringLiteral("{End}"));
    const QImage atEnd = picture();
    QVERIFY(atStart != atEnd);
    // The text is scrolled: its left edge now shows a later character.
    QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(5, window_->height() / 2));
    std::int32_t caret = 0;
    QCOMPARE(get("SelStart").toI4(&caret), kOk);
    QVERIFY2(caret > 5, qPrintable(QString::number(caret)));
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("Tuesday, April 17, 2001")));

    // Without scrolling the left edge is always the first character.
    put("AutoHScroll", Variant::boolean(false));
    press(window_, QStringLiteral("{End}"));
    QTest::mouseClick(window_, Qt::LeftButton, {}, QPoint(5, window_->height() / 2));
    QCOMPARE(get("SelStart"), Variant::i4(0));
}

void tst_QvindatKeys::caretBelongsToTheFocusedControl()
{
    const int flashTime = QApplication::cursorFlashTime();
    put("CaretColor", Variant::i4(0x0000FF)); // red
    put("CaretWidth", Variant::i2(3));
    put("FillColor", Variant::i4(0xFFFFFF));
    auto reds = [](const QImage& image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == qRgb(255, 0, 0);
        return count;
    };
    QCOMPARE(reds(picture()), 0);
    focus();
    const QImage focused = picture();
    QVERIFY(reds(focused) >= 3 * 8);
    shot("dateinput-caret");
    other_->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(other_->hasFocus());
    QCOMPARE(reds(picture()), 0);
    QCOMPARE(QApplication::cursorFlashTime(), flashTime);
}

QTEST_MAIN(tst_QvindatKeys)
#include "tst_qvindatkeys.moc"
