// The date-input control kept with its container's design: every property
// through a stream and a property bag, the bytes of a new control, and
// streams that are cut short, damaged or of another kind.
#include "controls/dateinput/QvindatClasses.h"
#include "platform/com/Persist.h"
#include "platform/com/Registration.h"
#include "support/TestContainer.h"

#include <QBuffer>
#include <QDataStream>
#include <QDate>
#include <QTest>
#include <QWidget>

using namespace com;
using testsupport::TestContainer;

Q_DECLARE_METATYPE(com::Variant)

class tst_QvindatPersist : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void everyPropertyRoundTrips_data();
    void everyPropertyRoundTrips();
    void aNewControlsBytes();
    void aStreamCutShortLoadsWhatItHas();
    void aStreamOfAnotherKindIsRefused_data();
    void aStreamOfAnotherKindIsRefused();
    void bagKeys();
    void limitsAreHeldOnLoad_data();
    void limitsAreHeldOnLoad();
    void undoKeepsTheLoadedText();

private:
    Ptr<Dispatch> make();
    static QByteArray saved(Dispatch* control);
    static Variant get(Dispatch* control, const QString& name);

    std::unique_ptr<TestContainer> container_;
};

namespace {

// A property and a value other than its default.
struct Change {
    const char* name;
    Variant value;
};

const std::vector<Change>& changes()
{
    static const std::vector<Change> list = {
        {"MousePointer", Variant::i2(11)},    {"Alignment", Variant::i2(2)},
        {"BevelSize", Variant::i2(3)},        {"BevelStyle", Variant::i2(4)},
        {"BorderColor", Variant::i4(0xFF)},   {"BorderStyle", Variant::i2(2)},
        {"FillColor", Variant::i4(0xFFFFFF)}, {"LightColor", Variant::i4(0x00FF00)},
        {"ShadowColor", Variant::i4(0x123456)}, {"TextColor", Variant::i4(0x654321)},
        {"Text", Variant::string(QStringLiteral("04/17/2001"))}, {"ReadOnly", Variant::i4(-1)},
        {"Spin", Variant::i2(2)},             {"SpinDelay", Variant::i4(250)},
        {"SpinSpeed", Variant::i4(40)},       {"Indent", Variant::i2(5)},
        {"AutoHScroll", Variant::i4(0)},      {"FontStyle", Variant::i2(3)},
        {"CaretHeight", Variant::i2(12)},     {"CaretWidth", Variant::i2(3)},
        {"CaretColor", Variant::i4(0x0000FF)}, {"CaretStyle", Variant::i2(1)},
        {"CaretVAlign", Variant::i2(2)},      {"CaretInterval", Variant::i2(300)},
        {"CaretVisible", Variant::i4(0)},     {"DateFormat", Variant::i2(6)},
        {"LanguageNumber", Variant::i2(2)},   {"VAlignment", Variant::i2(1)},
        {"MinYear", Variant::i2(1950)},       {"MaxYear", Variant::i2(2049)},
        {"MaxDay", Variant::i2(28)},          {"MinDay", Variant::i2(2)},
        {"MaxMonth", Variant::i2(11)},        {"MinMonth", Variant::i2(3)},
        {"SpinChange", Variant::i4(7)},       {"FocusSelect", Variant::i4(-1)},
        {"BackColor", Variant::i4(0x00C0C0C0)}, {"ForeColor", Variant::i4(0x00800000)},
        {"Enabled", Variant::boolean(false)}, {"FontName", Variant::string(QStringLiteral("DejaVu Serif"))},
        {"FontSize", Variant::r4(12.0f)},     {"FontItalic", Variant::boolean(true)},
    };
    return list;
}

} // namespace

void tst_QvindatPersist::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QVINDAT)), kOk);
}

void tst_QvindatPersist::cleanup()
{
    container_.reset();
}

Ptr<Dispatch> tst_QvindatPersist::make()
{
    return container_->loader().create<Dispatch>(qvindat::controlClass);
}

QByteArray tst_QvindatPersist::saved(Dispatch* control)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (failed(Ptr<PersistStream>::query(control)->save(&buffer, true)))
        return {};
    return bytes;
}

Variant tst_QvindatPersist::get(Dispatch* control, const QString& name)
{
    Variant value;
    getProperty(control, name, &value);
    return value;
}

void tst_QvindatPersist::everyPropertyRoundTrips_data()
{
    QTest::addColumn<bool>("throughBag");
    QTest::newRow("stream") << false;
    QTest::newRow("property bag") << true;
}

void tst_QvindatPersist::everyPropertyRoundTrips()
{
    QFETCH(bool, throughBag);
    auto source = make();
    for (const Change& change : changes())
        QVERIFY2(succeeded(putProperty(source.get(), QString::fromLatin1(change.name), change.value)), change.name);

    auto target = make();
    if (throughBag) {
        QVariantMap bag;
        QCOMPARE(Ptr<PersistPropertyBag>::query(source.get())->save(&bag, true), kOk);
        QCOMPARE(Ptr<PersistPropertyBag>::query(target.get())->load(bag), kOk);
    } else {
        QByteArray bytes = saved(source.get());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(Ptr<PersistStream>::query(target.get())->load(&buffer), kOk);
        QCOMPARE(buffer.bytesAvailable(), 0);
    }
    for (const Change& change : changes()) {
        const QString name = QString::fromLatin1(change.name);
        QVERIFY2(get(target.get(), name) == get(source.get(), name), change.name);
    }
    QCOMPARE(Ptr<Control>::query(target.get())->isDirty(), kFalse);
}

void tst_QvindatPersist::aNewControlsBytes()
{
    auto control = make();
    QCOMPARE(Ptr<PersistStream>::query(control.get())->initNew(), kOk);
    QCOMPARE(putProperty(control.get(), QStringLiteral("FontName"), Variant::string(QStringLiteral("DejaVu Sans"))), kOk);
    QCOMPARE(putProperty(control.get(), QStringLiteral("FontSize"), Variant::r4(8.25f)), kOk);

    QByteArray expected;
    QDataStream out(&expected, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    auto text = [&](const QByteArray& bytes) {
        out << quint32(bytes.size());
        out.writeRawData(bytes.constData(), int(bytes.size()));
    };
    out << quint32(0x10000) << qint32(2646) << qint32(529);                  // version, extent
    out << quint32(0x8000000F) << qint32(1);                                 // BackColor, Enabled
    QByteArray font;
    QDataStream fontOut(&font, QIODevice::WriteOnly);
    fontOut.setByteOrder(QDataStream::LittleEndian);
    fontOut << quint32(11);
    fontOut.writeRawData("DejaVu Sans", 11);
    fontOut << qint64(82500) << qint16(400) << qint16(0) << quint8(0);
    text(font);                                                              // Font
    out << quint32(0x80000012);                                              // ForeColor
    out << quint32(0);                                                       // MouseIcon: none
    out << qint16(0) << qint16(0) << qint16(0) << qint16(0);                 // MousePointer .. BevelStyle
    out << quint32(0x80000006) << qint16(1) << quint32(0x8000000F) << quint32(0x80000005) << quint32(0x80000010)
        << quint32(0x80000008);
    text(QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy")).toLatin1()); // Text: today
    out << qint32(0) << qint16(0) << qint32(500) << qint32(100) << qint16(2) << qint32(1) << qint16(0);
    out << qint16(0) << qint16(0) << quint32(0x80000006) << qint16(0) << qint16(0) << qint16(0) << qint32(1);
    out << qint16(0);                                                        // DateFormat
    text("WWW");
    out << qint16(0) << qint16(0) << qint16(31) << qint16(12) << qint16(9999) << qint16(1) << qint16(1) << qint16(0);
    out << qint32(1) << qint32(0) << qint32(0);                              // SpinChange, AllowBlank, FocusSelect

    QCOMPARE(saved(control.get()).toHex(' '), expected.toHex(' '));
}

void tst_QvindatPersist::aStreamCutShortLoadsWhatItHas()
{
    auto source = make();
    for (const Change& change : changes())
        putProperty(source.get(), QString::fromLatin1(change.name), change.value);
    const QByteArray whole = saved(source.get());

    for (qsizetype length = 0; length < whole.size(); ++length) {
        auto target = make();
        QByteArray cut = whole.left(length);
        QBuffer buffer(&cut);
        buffer.open(QIODevice::ReadOnly);
        const Result r = Ptr<PersistStream>::query(target.get())->load(&buffer);
        QCOMPARE(r, length < 4 ? kStreamRefused : kFalse);
    }

    // Cut inside the text: what came before it is kept, what follows it
    // takes its stored default (AutoHScroll FALSE, not the new control's TRUE).
    const qsizetype textAt = whole.indexOf("04/17/2001");
    QVERIFY(textAt > 0);
    QByteArray cut = whole.left(textAt + 4);
    QBuffer buffer(&cut);
    buffer.open(QIODevice::ReadOnly);
    auto target = make();
    QCOMPARE(Ptr<PersistStream>::query(target.get())->load(&buffer), kFalse);
    QCOMPARE(get(target.get(), QStringLiteral("TextColor")), Variant::i4(0x654321));
    QCOMPARE(get(target.get(), QStringLiteral("Text")), Variant::string(QString()));
    QCOMPARE(get(target.get(), QStringLiteral("AutoHScroll")), Variant::i4(0));
    QCOMPARE(get(target.get(), QStringLiteral("MaxYear")), Variant::i2(9999));
}

void tst_QvindatPersist::aStreamOfAnotherKindIsRefused_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("older version") << QByteArray::fromHex("00000000 01000000");
    QTest::newRow("text") << QByteArray("04/17/2001");
}

void tst_QvindatPersist::aStreamOfAnotherKindIsRefused()
{
    QFETCH(QByteArray, bytes);
    auto control = make();
    QCOMPARE(putProperty(control.get(), QStringLiteral("Indent"), Variant::i2(9)), kOk);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QCOMPARE(Ptr<PersistStream>::query(control.get())->load(&buffer), kStreamRefused);
    QCOMPARE(get(control.get(), QStringLiteral("Indent")), Variant::i2(9));
}

void tst_QvindatPersist::bagKeys()
{
    // The window's design: a stream that sets AutoHScroll and the text, as
    // the question window keeps its date control.
    QVariantMap design{{QStringLiteral("AutoHScroll"), -1}, {QStringLiteral("Text"), QByteArray("04/17/2001")},
                       {QStringLiteral("indent"), 7}, {QStringLiteral("MouseIcon"), QStringLiteral("not a picture")},
                       {QStringLiteral("MousePointer"), 50}};
    auto control = make();
    QCOMPARE(Ptr<PersistPropertyBag>::query(control.get())->load(design), kOk);
    QCOMPARE(get(control.get(), QStringLiteral("AutoHScroll")), Variant::i4(-1));
    QCOMPARE(get(control.get(), QStringLiteral("Text")), Variant::string(QStringLiteral("04/17/2001")));
    QCOMPARE(get(control.get(), QStringLiteral("Indent")), Variant::i2(2)); // "indent" is not "Indent"
    QCOMPARE(get(control.get(), QStringLiteral("MaxYear")), Variant::i2(9999));
    // A pointer past the cursor table is not taken, so it is never saved again.
    QCOMPARE(get(control.get(), QStringLiteral("MousePointer")), Variant::i2(0));

    // Without the key, AutoHScroll takes its stored default, FALSE.
    QCOMPARE(Ptr<PersistPropertyBag>::query(control.get())->load(QVariantMap{}), kOk);
    QCOMPARE(get(control.get(), QStringLiteral("AutoHScroll")), Variant::i4(0));
}

void tst_QvindatPersist::limitsAreHeldOnLoad_data()
{
    QTest::addColumn<bool>("throughBag");
    QTest::addColumn<QList<int>>("stored"); // MaxDay, MaxMonth, MaxYear, MinDay, MinMonth, MinYear
    QTest::addColumn<QList<int>>("loaded");

    for (const bool bag : {true, false}) {
        const char* how = bag ? "bag" : "stream";
        QTest::addRow("%s: years crossed", how) << bag << QList<int>{31, 12, 100, 1, 1, 5000}
                                                << QList<int>{31, 12, 100, 1, 1, 0};
        QTest::addRow("%s: days and months crossed", how) << bag << QList<int>{10, 3, 9999, 20, 7, 0}
                                                          << QList<int>{10, 3, 9999, 1, 1, 0};
        QTest::addRow("%s: outside their ranges", how) << bag << QList<int>{40, 0, -5, -1, 13, 10000}
                                                       << QList<int>{31, 12, 9999, 1, 1, 0};
        QTest::addRow("%s: in order", how) << bag << QList<int>{28, 11, 2049, 0, 0, 1950}
                                           << QList<int>{28, 11, 2049, 0, 0, 1950};
    }
}

void tst_QvindatPersist::limitsAreHeldOnLoad()
{
    QFETCH(bool, throughBag);
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, loaded);
    const char* names[] = {"MaxDay", "MaxMonth", "MaxYear", "MinDay", "MinMonth", "MinYear"};

    auto target = make();
    if (throughBag) {
        QVariantMap bag;
        for (int i = 0; i < 6; ++i)
            bag.insert(QString::fromLatin1(names[i]), stored[i]);
        QCOMPARE(Ptr<PersistPropertyBag>::query(target.get())->load(bag), kOk);
    } else {
        // A new control's stream with other limits written in their place:
        // the six are kept one after the other, MaxDay first.
        auto source = make();
        QByteArray bytes = saved(source.get());
        QByteArray limits;
        QDataStream out(&limits, QIODevice::WriteOnly);
        out.setByteOrder(QDataStream::LittleEndian);
        out << qint16(31) << qint16(12) << qint16(9999) << qint16(1) << qint16(1) << qint16(0);
        const qsizetype at = bytes.indexOf(limits);
        QVERIFY(at > 0);
        QByteArray replaced;
        QDataStream with(&replaced, QIODevice::WriteOnly);
        with.setByteOrder(QDataStream::LittleEndian);
        for (int value : stored)
            with << qint16(value);
        bytes.replace(at, limits.size(), replaced);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(Ptr<PersistStream>::query(target.get())->load(&buffer), kOk);
    }
    for (int i = 0; i < 6; ++i)
        QVERIFY2(get(target.get(), QString::fromLatin1(names[i])) == Variant::i2(std::int16_t(loaded[i])), names[i]);

    // The loaded control steps a date without leaving its years.
    QWidget parent;
    QWidget* window = nullptr;
    QCOMPARE(Ptr<Control>::query(target.get())->createWindow(&parent, QRect(0, 0, 120, 24), &window), kOk);
    const std::int16_t lowest = std::int16_t(loaded[5]);
    const std::int16_t highest = std::int16_t(loaded[2]);
    QTest::keyClick(window, Qt::Key_End);
    QTest::keyClick(window, Qt::Key_Up);
    Variant year;
    QCOMPARE(getProperty(target.get(), QStringLiteral("CurrentYear"), &year), kOk);
    std::int16_t shown = 0;
    QCOMPARE(year.toI2(&shown), kOk);
    QVERIFY2(shown >= lowest && shown <= highest, qPrintable(QString::number(shown)));
    Ptr<Control>::query(target.get())->destroyWindow();
}

void tst_QvindatPersist::undoKeepsTheLoadedText()
{
    // Undo on a control nobody typed into puts back the text it has.
    auto fresh = make();
    const Variant today = get(fresh.get(), QStringLiteral("Text"));
    get(fresh.get(), QStringLiteral("Undo"));
    QCOMPARE(get(fresh.get(), QStringLiteral("Text")), today);

    auto loaded = make();
    QCOMPARE(Ptr<PersistPropertyBag>::query(loaded.get())->load({{QStringLiteral("Text"), QByteArray("04/17/2001")}}),
             kOk);
    get(loaded.get(), QStringLiteral("Undo"));
    QCOMPARE(get(loaded.get(), QStringLiteral("Text")), Variant::string(QStringLiteral("04/17/2001")));
}

QTEST_MAIN(tst_QvindatPersist)
#include "tst_qvindatpersist.moc"
