// The date-input control as its container sees it: loaded by class id from
// its library, its properties' values when new, their range checks and the
// errors they raise.
#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/Registration.h"
#include "support/TestContainer.h"

#include <QDate>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QWidget>

using namespace com;
using testsupport::TestContainer;
using testsupport::TestSite;

Q_DECLARE_METATYPE(com::Variant)

class tst_Qvindat : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void registersAndUnloads();
    void aNewControl_data();
    void aNewControl();
    void rangeChecks_data();
    void rangeChecks();
    void withoutTheLocaleLibrary();
    void language();
    void languageShowsTheSameDateInNewNames();
    void textFromOutside_data();
    void arrowKeysStepTheMonth();
    void spinButtonRepeatsWhileHeld();
    void textFromOutside();
    void dateFormatToItsOwnValueDoesNothing();
    void formatChangesKeepTheCentury_data();
    void formatChangesKeepTheCentury();
    void fontMembersAreRunTimeOnly();
    void selectionStaysInTheText();
    void painting();

private:
    Variant get(const char* name);

    std::unique_ptr<TestContainer> container_;
    Ptr<Dispatch> control_;
    Ptr<TestSite> site_;
};

void tst_Qvindat::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)), kOk);
    control_ = container_->create(qvindat::controlClass, qvindat::eventsInterface);
    QVERIFY(control_);
    site_ = make<TestSite>();
    Ptr<Control>::query(control_.get())->setSite(site_.get());
}

void tst_Qvindat::cleanup()
{
    qunsetenv("DRILLBOOK_QVLOCALE");
    if (auto hosted = Ptr<Control>::query(control_.get()))
        hosted->setSite(nullptr);
    control_.reset();
    container_.reset();
}

Variant tst_Qvindat::get(const char* name)
{
    return testsupport::propertyOf(control_.get(), name);
}

void tst_Qvindat::registersAndUnloads()
{
    const auto record = container_->loader().store().find(qvindat::controlClass);
    QVERIFY(record);
    QCOMPARE(record->progId, QStringLiteral("QVINDAT.QvindatCtrl.1"));
    QCOMPARE(record->typeName, QStringLiteral("QvDateInput Control"));
    QCOMPARE(record->miscStatus, 0x20191u);
    QVERIFY(container_->loader().create<Dispatch>(QStringLiteral("QVINDAT.QvindatCtrl.1")));

    QCOMPARE(container_->loader().freeUnusedLibraries(), 0);
    Ptr<Control>::query(control_.get())->setSite(nullptr);
    control_.reset();
    container_->releaseAll();
    QCOMPARE(container_->loader().freeUnusedLibraries(), 1);
    QCOMPARE(unregisterLibrary(QStringLiteral(DRILLBOOK_QVINDAT)), kOk);
    QVERIFY(!container_->loader().store().classOfProgId(QStringLiteral("QVINDAT.QvindatCtrl.1")));
}

void tst_Qvindat::aNewControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Variant>("expected");

    QTest::newRow("AutoHScroll") << "AutoHScroll" << Variant::i4(1);
    QTest::newRow("BorderStyle") << "BorderStyle" << Variant::i2(1);
    QTest::newRow("BorderColor") << "BorderColor" << Variant::i4(std::int32_t(0x80000006));
    QTest::newRow("FillColor") << "FillColor" << Variant::i4(std::int32_t(0x8000000F));
    QTest::newRow("LightColor") << "LightColor" << Variant::i4(std::int32_t(0x80000005));
    QTest::newRow("ShadowColor") << "ShadowColor" << Variant::i4(std::int32_t(0x80000010));
    QTest::newRow("TextColor") << "TextColor" << Variant::i4(std::int32_t(0x80000008));
    QTest::newRow("Indent") << "Indent" << Variant::i2(2);
    QTest::newRow("MaxDay") << "MaxDay" << Variant::i2(31);
    QTest::newRow("MaxYear") << "MaxYear" << Variant::i2(9999);
    QTest::newRow("MinDay") << "MinDay" << Variant::i2(1);
    QTest::newRow("MinYear") << "MinYear" << Variant::i2(0);
    QTest::newRow("SpinDelay") << "SpinDelay" << Variant::i4(500);
    QTest::newRow("SpinSpeed") << "SpinSpeed" << Variant::i4(100);
    QTest::newRow("SpinChange") << "SpinChange" << Variant::i4(1);
    QTest::newRow("CaretVisible") << "CaretVisible" << Variant::i4(1);
    QTest::newRow("Language") << "Language" << Variant::string(QStringLiteral("WWW"));
    QTest::newRow("Separator") << "Separator" << Variant::i2(47);
    QTest::newRow("ReadOnly") << "ReadOnly" << Variant::i4(0);
    QTest::newRow("Text is today")
        << "Text" << Variant::string(QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")));
}

void tst_Qvindat::aNewControl()
{
    QFETCH(QString, name);
    QFETCH(Variant, expected);
    QCOMPARE(get(name.toLatin1().constData()), expected);
}

void tst_Qvindat::rangeChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("refused");
    QTest::addColumn<int>("accepted");

    const std::pair<const char*, std::array<int, 2>> cases[] = {
        {"Alignment", {3, 2}},     {"BevelSize", {-1, 0}},   {"BevelStyle", {5, 4}},    {"BorderStyle", {-1, 2}},
        {"Spin", {3, 1}},          {"Indent", {-1, 10}},     {"FontStyle", {5, 0}},     {"CaretStyle", {3, 2}},
        {"CaretVAlign", {-1, 1}},  {"VAlignment", {3, 2}},   {"DateFormat", {8, 7}},    {"SpinDelay", {-1, 0}},
        {"SpinSpeed", {-5, 50}},   {"SpinChange", {-1, 7}},  {"MaxDay", {0, 30}},       {"MaxDay", {32, 31}},
        {"MaxMonth", {0, 11}},     {"MaxYear", {10000, 0}},  {"MinDay", {32, 0}},       {"MinMonth", {13, 0}},
        {"MinYear", {-1, 9999}},   {"MousePointer", {16, 99}}, {"LanguageNumber", {18, 17}},
        {"LanguageNumber", {-1, 0}},
    };
    for (const auto& [name, values] : cases)
        QTest::addRow("%s %d", name, values[0]) << QString::fromLatin1(name) << values[0] << values[1];
}

void tst_Qvindat::rangeChecks()
{
    QFETCH(QString, name);
    QFETCH(int, refused);
    QFETCH(int, accepted);

    const Variant before = get(name.toLatin1().constData());
    site_->changed.clear();
    ErrorInfo info;
    QCOMPARE(putProperty(control_.get(), name, Variant::i4(refused), &info), kException);
    QCOMPARE(info.code, com::result(0x800A017C));
    QCOMPARE(info.description, QStringLiteral("Invalid property value"));
    QCOMPARE(info.helpContext, -1);
    QCOMPARE(get(name.toLatin1().constData()), before);
    QVERIFY(site_->changed.empty());

    QCOMPARE(putProperty(control_.get(), name, Variant::i4(accepted)), kOk);
    std::int32_t now = 0;
    QCOMPARE(get(name.toLatin1().constData()).toI4(&now), kOk);
    QCOMPARE(now, accepted);
}

void tst_Qvindat::withoutTheLocaleLibrary()
{
    qputenv("DRILLBOOK_QVLOCALE", "/nowhere/QVLOCALE.so");
    auto lonely = container_->create(qvindat::controlClass);
    QVERIFY(lonely);
    ErrorInfo info;
    QCOMPARE(putProperty(lonely.get(), QStringLiteral("MaxMonth"), Variant::i2(13), &info), kException);
    QCOMPARE(info.code, com::result(0x800A0035));
    QCOMPARE(info.description, QStringLiteral("QVLOCALE.DLL Not Found"));
    QCOMPARE(info.helpContext, 0);
    Variant month;
    QCOMPARE(getProperty(lonely.get(), QStringLiteral("MaxMonth"), &month), kOk);
    QCOMPARE(month, Variant::i2(12));
}

void tst_Qvindat::language()
{
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Language"), Variant::string(QStringLiteral("deu"))), kOk);
    QCOMPARE(get("LanguageNumber"), Variant::i2(2));
    QCOMPARE(get("Language"), Variant::string(QStringLiteral("DEU")));
    // A text that is no code changes neither property.
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Language"), Variant::string(QStringLiteral("xyz"))), kOk);
    QCOMPARE(get("LanguageNumber"), Variant::i2(2));
    QCOMPARE(get("Language"), Variant::string(QStringLiteral("DEU")));

    // Without a window there are no names to show the date in again.
    site_->changed.clear();
    QCOMPARE(putProperty(control_.get(), QStringLiteral("LanguageNumber"), Variant::i2(8)), kOk);
    QCOMPARE(get("Language"), Variant::string(QStringLiteral("FRA")));
    QCOMPARE(site_->changed, (std::vector<DispId>{qvindat::dispid::LanguageNumber}));
}

void tst_Qvindat::languageShowsTheSameDateInNewNames()
{
    QWidget parent;
    QWidget* window = nullptr;
    QCOMPARE(Ptr<Control>::query(control_.get())->createWindow(&parent, QRect(0, 0, 200, 24), &window), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(QStringLiteral("03/05/2001"))), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("DateFormat"), Variant::i2(2)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("LanguageNumber"), Variant::i2(2)), kOk);
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("M\u00e4rz 5, 2001")));

    site_->changed.clear();
    QCOMPARE(putProperty(control_.get(), QStringLiteral("LanguageNumber"), Variant::i2(8)), kOk);
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("Mars 5, 2001")));
    QCOMPARE(site_->changed, (std::vector<DispId>{qvindat::dispid::LanguageNumber, qvindat::dispid::Text,
                                                  qvindat::dispid::Language}));
    Ptr<Control>::query(control_.get())->destroyWindow();
}

void tst_Qvindat::textFromOutside_data()
{
    QTest::addColumn<QString>("given");
    QTest::addColumn<short>("cancel");
    QTest::addColumn<QString>("replacement");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");

    QTest::newRow("a date") << "04/17/2001" << short(0) << QString() << "04/17/2001" << 0;
    QTest::newRow("a year past MaxYear, cancelled") << "04/17/2101" << short(1) << QString() << "01/02/2000" << 1;
    QTest::newRow("a year past MaxYear, replaced") << "04/17/2101" << short(0) << "05/01/2001" << "05/01/2001" << 1;
    QTest::newRow("31 April, cancelled") << "04/31/2001" << short(-1) << QString() << "01/02/2000" << 1;
    // A lone day digit set from outside is the day, not the tens of one.
    QTest::newRow("a day of one digit 1") << "4/1/2001" << short(0) << QString() << "04/01/2001" << 0;
    QTest::newRow("a day of one digit 3") << "1/3/2001" << short(0) << QString() << "01/03/2001" << 0;
}

void tst_Qvindat::textFromOutside()
{
    QFETCH(QString, given);
    QFETCH(short, cancel);
    QFETCH(QString, replacement);
    QFETCH(QString, shown);
    QFETCH(int, refusals);

    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(QStringLiteral("01/02/2000"))), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("MaxYear"), Variant::i2(2050)), kOk);
    container_->clearEvents();
    container_->onEvent = [&](DispId id, std::span<Variant> args) {
        if (id != qvindat::event::InvalidSetText)
            return;
        args[0] = Variant::i2(cancel);
        if (!replacement.isEmpty())
            args[1] = Variant::string(replacement);
    };
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(given)), kOk);
    QCOMPARE(get("Text"), Variant::string(shown));
    QCOMPARE(container_->count(qvindat::event::InvalidSetText), refusals);
    QCOMPARE(container_->count(qvindat::event::Change), cancel != 0 ? 0 : 1);
}

void tst_Qvindat::dateFormatToItsOwnValueDoesNothing()
{
    site_->changed.clear();
    QCOMPARE(putProperty(control_.get(), QStringLiteral("DateFormat"), Variant::i2(0)), kOk);
    QVERIFY(site_->changed.empty());
    QCOMPARE(Ptr<Control>::query(control_.get())->isDirty(), kFalse);
}

void tst_Qvindat::formatChangesKeepTheCentury_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("formats");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("year");

    QTest::newRow("two short formats, then back to four digits")
        << "03/05/1950" << QList<int>{6, 4, 0} << "03/05/1950" << 1950;
    QTest::newRow("the weekday of the whole year") << "03/05/1997" << QList<int>{6, 5} << "Wednesday, March 05, 97"
                                                    << 1997;
    QTest::newRow("a long date with its weekday, then four digits")
        << "03/05/1950" << QList<int>{5, 6, 3} << "Sunday, March 5, 1950" << 1950;
}

void tst_Qvindat::formatChangesKeepTheCentury()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, formats);
    QFETCH(QString, shown);
    QFETCH(int, year);

    QWidget parent;
    QWidget* window = nullptr;
    QCOMPARE(Ptr<Control>::query(control_.get())->createWindow(&parent, QRect(0, 0, 200, 24), &window), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(text)), kOk);
    for (int format : formats)
        QCOMPARE(putProperty(control_.get(), QStringLiteral("DateFormat"), Variant::i2(std::int16_t(format))), kOk);
    QCOMPARE(get("Text"), Variant::string(shown));
    QCOMPARE(get("CurrentYear"), Variant::i2(std::int16_t(year)));
    Ptr<Control>::query(control_.get())->destroyWindow();
}

void tst_Qvindat::fontMembersAreRunTimeOnly()
{
    site_->runMode = false;
    Variant value;
    ErrorInfo info;
    QCOMPARE(getProperty(control_.get(), QStringLiteral("FontBold"), &value, &info), kException);
    QCOMPARE(info.code, com::result(0x800A018A));
    QCOMPARE(getProperty(control_.get(), QStringLiteral("BackColor"), &value), kOk);
    site_->runMode = true;
    QCOMPARE(putProperty(control_.get(), QStringLiteral("FontBold"), Variant::boolean(true)), kOk);
    QCOMPARE(get("FontBold"), Variant::boolean(true));
}

void tst_Qvindat::selectionStaysInTheText()
{
    QWidget form;
    QWidget* window = nullptr;
    QCOMPARE(Ptr<Control>::query(control_.get())->createWindow(&form, QRect(0, 0, 120, 24), &window), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(QStringLiteral("04/17/2001"))), kOk);

    QCOMPARE(putProperty(control_.get(), QStringLiteral("SelStart"), Variant::i4(50)), kOk);
    QCOMPARE(get("SelStart"), Variant::i4(10));
    QCOMPARE(putProperty(control_.get(), QStringLiteral("SelStart"), Variant::i4(-3)), kOk);
    QCOMPARE(get("SelStart"), Variant::i4(0));
    QCOMPARE(putProperty(control_.get(), QStringLiteral("SelStart"), Variant::i4(3)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("SelLength"), Variant::i4(100)), kOk);
    QCOMPARE(get("SelLength"), Variant::i4(7));
    QCOMPARE(get("SelText"), Variant::string(QStringLiteral("17/2001")));
    QCOMPARE(putProperty(control_.get(), QStringLiteral("SelLength"), Variant::i4(-100)), kOk);
    QCOMPARE(get("SelStart"), Variant::i4(0));
    QCOMPARE(get("SelText"), Variant::string(QStringLiteral("04/")));

    QCOMPARE(putProperty(control_.get(), QStringLiteral("SelText"), Variant::string(QStringLiteral("05/"))), kOk);
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("05/17/2001")));
    Ptr<Control>::query(control_.get())->destroyWindow();
}

namespace {

// How many pixels of the picture have the colour, give or take the
// smoothing of the text's edges.
int pixelsOf(const QImage& image, const QRect& area, QRgb colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += std::abs(qRed(pixel) - qRed(colour)) < 40 && std::abs(qGreen(pixel) - qGreen(colour)) < 40
                && std::abs(qBlue(pixel) - qBlue(colour)) < 40;
        }
    return count;
}

} // namespace

void tst_Qvindat::painting()
{
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(QStringLiteral("04/17/2001"))), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Spin"), Variant::i2(2)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("BorderColor"), Variant::i4(0x0000FF)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("TextColor"), Variant::i4(0xFF0000)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("FillColor"), Variant::i4(0xFFFFFF)), kOk);
    auto draw = [&] {
        QImage picture(100, 20, QImage::Format_RGB32);
        QPainter painter(&picture);
        Ptr<Control>::query(control_.get())->drawTo(&painter, picture.rect());
        return picture;
    };
    const QRect textArea(3, 3, 70, 14);
    const QRect spinStrip(84, 3, 14, 14);

    QImage enabled = draw();
    if (!qEnvironmentVariableIsEmpty("DRILLBOOK_SHOTS"))
        enabled.scaled(400, 80).save(qEnvironmentVariable("DRILLBOOK_SHOTS") + QStringLiteral("/dateinput.png"));
    QVERIFY(pixelsOf(enabled, textArea, qRgb(0, 0, 255)) > 10); // the text, in TextColor
    QVERIFY(pixelsOf(enabled, spinStrip, qRgb(255, 0, 0)) > 10); // the triangles, in BorderColor
    QCOMPARE(pixelsOf(enabled, textArea, qRgb(128, 128, 128)), 0);

    // Disabled at run time: flat grey text, whatever the colour and style say.
    QCOMPARE(putProperty(control_.get(), QStringLiteral("FontStyle"), Variant::i2(1)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Enabled"), Variant::boolean(false)), kOk);
    QImage disabled = draw();
    QVERIFY(pixelsOf(disabled, textArea, qRgb(128, 128, 128)) > 10);
    QCOMPARE(pixelsOf(disabled, textArea, qRgb(0, 0, 255)), 0);
    if (!qEnvironmentVariableIsEmpty("DRILLBOOK_SHOTS")) {
        disabled.scaled(400, 80).save(qEnvironmentVariable("DRILLBOOK_SHOTS") + QStringLiteral("/dateinput-disabled.png"));
    }
}

QTEST_MAIN(tst_Qvindat)
#include "tst_qvindat.moc"

namespace {

// The control's window on a parent, created through its container side.
struct HostedWindow {
    explicit HostedWindow(Dispatch* control)
    {
        parent.resize(200, 60);
        Ptr<Control>::query(control)->createWindow(&parent, QRect(10, 10, 120, 24), &window);
        parent.show();
    }
    QWidget parent;
    QWidget* window = nullptr;
};

} // namespace

void tst_Qvindat::arrowKeysStepTheMonth()
{
    HostedWindow hosted(control_.get());
    QVERIFY(hosted.window);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(QStringLiteral("12/17/2001"))), kOk);
    container_->clearEvents();
    site_->changed.clear();

    QTest::keyClick(hosted.window, Qt::Key_Up);
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("01/17/2002")));
    QTest::keyClick(hosted.window, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("12/17/2001")));
    QCOMPARE(container_->count(qvindat::event::Change), 2);
    // Shift reports its own KeyDown; the arrow keys report theirs.
    const auto& events = container_->events();
    QCOMPARE(std::count_if(events.begin(), events.end(),
                           [](const auto& e) { return e.id == -602 && e.args.at(0) != Variant::i2(0x10); }),
             2);
    const auto& last = *std::find_if(events.rbegin(), events.rend(), [](const auto& e) { return e.id == -602 && e.args.at(0) != Variant::i2(0x10); });
    QCOMPARE(last.id, DispId(-602));
    QCOMPARE(last.args.at(0), Variant::i2(0x28));
    QCOMPARE(last.args.at(1), Variant::i2(1));
    QCOMPARE(std::count(site_->changed.begin(), site_->changed.end(), qvindat::dispid::Text), 2);
}

void tst_Qvindat::spinButtonRepeatsWhileHeld()
{
    HostedWindow hosted(control_.get());
    QVERIFY(hosted.window);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Text"), Variant::string(QStringLiteral("01/17/2001"))), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Spin"), Variant::i2(2)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("SpinDelay"), Variant::i4(300)), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("SpinSpeed"), Variant::i4(30)), kOk);
    hosted.window->grab(); // painting places the buttons
    container_->clearEvents();

    // The up button is the upper half of the square at the right edge.
    const QPoint up(hosted.window->width() - 12, 6);
    QTest::mousePress(hosted.window, Qt::LeftButton, {}, up);
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("02/17/2001")));
    QCOMPARE(container_->count(qvindat::event::Change), 1);
    QTest::qWait(100); // still within SpinDelay
    QCOMPARE(container_->count(qvindat::event::Change), 1);
    QTRY_VERIFY_WITH_TIMEOUT(container_->count(qvindat::event::Change) >= 4, 2000);
    QTest::mouseRelease(hosted.window, Qt::LeftButton, {}, up);
    const int steps = container_->count(qvindat::event::Change);
    QTest::qWait(120);
    QCOMPARE(container_->count(qvindat::event::Change), steps);
    QCOMPARE(get("Text"), Variant::string(QStringLiteral("%1/17/2001").arg(1 + steps, 2, 10, QLatin1Char('0'))));

    // Once Spin is 0 the button's old place does nothing at all.
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Spin"), Variant::i2(0)), kOk);
    container_->clearEvents();
    QTest::mousePress(hosted.window, Qt::LeftButton, {}, up);
    QTest::mouseRelease(hosted.window, Qt::LeftButton, {}, up);
    QCOMPARE(container_->count(qvindat::event::Change), 0);
}
