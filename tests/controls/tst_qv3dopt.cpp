// The option button as its container sees it: loaded by class id from its
// library, its properties' values when new, their range checks, Value's own
// rules, its pictures, and what of it is kept through streams and bags.
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/Persist.h"
#include "platform/com/Picture.h"
#include "platform/com/Registration.h"
#include "support/TestContainer.h"

#include <QBuffer>
#include <QDataStream>
#include <QImage>
#include <QTest>

using namespace com;
using testsupport::TestContainer;
using testsupport::TestSite;

Q_DECLARE_METATYPE(com::Variant)

namespace {

// A property and a value other than its default.
struct Change {
    const char* name;
    Variant value;
};

const std::vector<Change>& changes()
{
    static const std::vector<Change> list = {
        {"MousePointer", Variant::i2(11)},     {"Alignment", Variant::i2(2)},
        {"AutoSize", Variant::boolean(false)}, {"BevelSize", Variant::i2(3)},
        {"BevelStyle", Variant::i2(4)},        {"BoxSize", Variant::i2(17)},
        {"BorderColor", Variant::i4(0xFF)},    {"BorderStyle", Variant::i2(2)},
        {"FillColor", Variant::i4(0xFFFFFF)},  {"FontStyle", Variant::i2(3)},
        {"FontTransparent", Variant::boolean(false)}, {"LightColor", Variant::i4(0x00FF00)},
        {"Multiline", Variant::boolean(true)}, {"ShadowColor", Variant::i4(0x123456)},
        {"TextColor", Variant::i4(0x654321)},  {"WallPaper", Variant::i2(2)},
        {"BoxAlignment", Variant::i2(1)},      {"Group", Variant::i2(4)},
        {"DataText", Variant::string(QStringLiteral("Yes"))}, {"DataStyle", Variant::i2(1)},
        {"CheckBox2d", Variant::boolean(true)}, {"DataStyleCaseSens", Variant::boolean(true)},
        {"Value", Variant::i2(1)},             {"Caption", Variant::string(QStringLiteral("Show Question &Bank 1"))},
        {"BackColor", Variant::i4(0x00C0C0C0)}, {"ForeColor", Variant::i4(0x00800000)},
        {"Enabled", Variant::boolean(false)},  {"FontName", Variant::string(QStringLiteral("DejaVu Serif"))},
        {"FontSize", Variant::r4(12.0f)},      {"FontItalic", Variant::boolean(true)},
    };
    return list;
}

QImage sampleImage(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

Variant pictureValue(const QImage& image)
{
    auto picture = makePicture(PictureType::Bitmap, image);
    return Variant::object(picture.get(), VarType::Dispatch);
}

} // namespace

class tst_Qv3dOpt : public QObject {
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
    void valueRules_data();
    void valueRules();
    void pictures();
    void designTimeReads();
    void everyPropertyRoundTrips_data();
    void everyPropertyRoundTrips();
    void textsAreCutTo1024Characters_data();
    void textsAreCutTo1024Characters();
    void aNewControlsBytes();
    void aDamagedPictureIsLeftEmpty();
    void aStreamCutShortKeepsWhatCameBefore();
    void bagKeys();

private:
    Ptr<Dispatch> make();
    Variant get(Dispatch* control, const char* name);
    static QByteArray saved(Dispatch* control);

    std::unique_ptr<TestContainer> container_;
    Ptr<Dispatch> control_;
    Ptr<TestSite> site_;
};

void tst_Qv3dOpt::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QV3DOPT)), kOk);
    control_ = container_->create(qv3dopt::controlClass, qv3dopt::eventsInterface);
    QVERIFY(control_);
    site_ = com::make<TestSite>();
    Ptr<Control>::query(control_.get())->setSite(site_.get());
    QCOMPARE(Ptr<PersistStream>::query(control_.get())->initNew(), kOk);
    site_->changed.clear();
}

void tst_Qv3dOpt::cleanup()
{
    qunsetenv("DRILLBOOK_QVLOCALE");
    if (auto hosted = Ptr<Control>::query(control_.get()))
        hosted->setSite(nullptr);
    control_.reset();
    container_.reset();
}

Ptr<Dispatch> tst_Qv3dOpt::make()
{
    return container_->loader().create<Dispatch>(qv3dopt::controlClass);
}

Variant tst_Qv3dOpt::get(Dispatch* control, const char* name)
{
    Variant value;
    const Result r = getProperty(control, QString::fromLatin1(name), &value);
    if (failed(r))
        qWarning("reading %s failed: %x", name, unsigned(r));
    return value;
}

QByteArray tst_Qv3dOpt::saved(Dispatch* control)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (failed(Ptr<PersistStream>::query(control)->save(&buffer, true)))
        return {};
    return bytes;
}

void tst_Qv3dOpt::registersAndUnloads()
{
    const auto record = container_->loader().store().find(qv3dopt::controlClass);
    QVERIFY(record);
    QCOMPARE(record->progId, QStringLiteral("QV3DOPT.Qv3dOptionCtrl.1"));
    QCOMPARE(record->typeName, QStringLiteral("Qv3dOption Control"));
    QCOMPARE(record->miscStatus, 0x20191u);
    QVERIFY(container_->loader().create<Dispatch>(QStringLiteral("QV3DOPT.Qv3dOptionCtrl.1")));

    QCOMPARE(container_->loader().freeUnusedLibraries(), 0);
    Ptr<Control>::query(control_.get())->setSite(nullptr);
    control_.reset();
    container_->releaseAll();
    QCOMPARE(container_->loader().freeUnusedLibraries(), 1);
    QCOMPARE(unregisterLibrary(QStringLiteral(DRILLBOOK_QV3DOPT)), kOk);
    QVERIFY(!container_->loader().store().classOfProgId(QStringLiteral("QV3DOPT.Qv3dOptionCtrl.1")));
}

void tst_Qv3dOpt::aNewControl_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<Variant>("expected");

    QTest::newRow("AutoSize") << "AutoSize" << Variant::boolean(true);
    QTest::newRow("BoxSize") << "BoxSize" << Variant::i2(13);
    QTest::newRow("BorderColor") << "BorderColor" << Variant::i4(std::int32_t(0x80000006));
    QTest::newRow("BorderStyle") << "BorderStyle" << Variant::i2(0);
    QTest::newRow("FillColor") << "FillColor" << Variant::i4(std::int32_t(0x8000000F));
    QTest::newRow("FontTransparent") << "FontTransparent" << Variant::boolean(true);
    QTest::newRow("LightColor") << "LightColor" << Variant::i4(std::int32_t(0x80000014));
    QTest::newRow("ShadowColor") << "ShadowColor" << Variant::i4(std::int32_t(0x80000010));
    QTest::newRow("TextColor") << "TextColor" << Variant::i4(std::int32_t(0x80000012));
    QTest::newRow("Multiline") << "Multiline" << Variant::boolean(false);
    QTest::newRow("Value") << "Value" << Variant::i2(0);
    QTest::newRow("Group") << "Group" << Variant::i2(0);
    QTest::newRow("DataText") << "DataText" << Variant::string(QString());
    // A new button shows the name its container gave it.
    QTest::newRow("Caption") << "Caption" << Variant::string(QStringLiteral("TestControl1"));
}

void tst_Qv3dOpt::aNewControl()
{
    QFETCH(QString, name);
    QFETCH(Variant, expected);
    QCOMPARE(get(control_.get(), name.toLatin1().constData()), expected);
}

void tst_Qv3dOpt::rangeChecks_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("refused");
    QTest::addColumn<int>("accepted");

    const std::tuple<const char*, int, int> cases[] = {
        {"Alignment", 3, 2},   {"Alignment", -1, 0}, {"BevelSize", -1, 32767}, {"BevelStyle", 5, 4},
        {"BoxSize", -1, 32767}, {"BorderStyle", 3, 2}, {"FontStyle", 5, 4},     {"FontStyle", -1, 1},
        {"WallPaper", 3, 2},   {"BoxAlignment", 2, 1}, {"Group", -1, 32767},    {"DataStyle", 2, 1},
        {"MousePointer", 16, 99}, {"MousePointer", -1, 15}, {"Value", 2, 1},      {"Value", -2, -1},
    };
    for (const auto& [name, refused, accepted] : cases)
        QTest::addRow("%s %d", name, refused) << QString::fromLatin1(name) << refused << accepted;
}

void tst_Qv3dOpt::rangeChecks()
{
    QFETCH(QString, name);
    QFETCH(int, refused);
    QFETCH(int, accepted);
    const Variant before = get(control_.get(), name.toLatin1().constData());

    ErrorInfo info;
    QCOMPARE(putProperty(control_.get(), name, Variant::i2(std::int16_t(refused)), &info), kException);
    QCOMPARE(info.code, result(0x800A017C));
    QCOMPARE(info.description, QStringLiteral("Invalid property value"));
    QCOMPARE(get(control_.get(), name.toLatin1().constData()), before);
    QVERIFY(site_->changed.empty());

    QCOMPARE(putProperty(control_.get(), name, Variant::i2(std::int16_t(accepted))), kOk);
    QCOMPARE(Ptr<Control>::query(control_.get())->isDirty(), kOk);
}

void tst_Qv3dOpt::withoutTheLocaleLibrary()
{
    qputenv("DRILLBOOK_QVLOCALE", "/nonexistent/QVLOCALE.so");
    auto lonely = make();
    ErrorInfo info;
    QCOMPARE(putProperty(lonely.get(), QStringLiteral("BevelStyle"), Variant::i2(9), &info), kException);
    QCOMPARE(info.code, result(0x800A0035));
    QCOMPARE(info.description, QStringLiteral("QVLOCALE.DLL Not Found"));
}

void tst_Qv3dOpt::valueRules_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("reads");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<bool>("announced");

    QTest::newRow("-1 selects") << 0 << -1 << -1 << 1 << true;
    QTest::newRow("1 selects") << 0 << 1 << -1 << 1 << true;
    QTest::newRow("0 clears without a click") << 1 << 0 << 0 << 0 << true;
    QTest::newRow("the same value does nothing") << 1 << 1 << -1 << 0 << false;
    QTest::newRow("-1 on a selected button does nothing") << 1 << -1 << -1 << 0 << false;
    QTest::newRow("0 on a clear button does nothing") << 0 << 0 << 0 << 0 << false;
}

void tst_Qv3dOpt::valueRules()
{
    QFETCH(int, start);
    QFETCH(int, set);
    QFETCH(int, reads);
    QFETCH(int, clicks);
    QFETCH(bool, announced);

    QCOMPARE(putProperty(control_.get(), QStringLiteral("Value"), Variant::i2(std::int16_t(start))), kOk);
    container_->clearEvents();
    site_->changed.clear();
    QCOMPARE(putProperty(control_.get(), QStringLiteral("Value"), Variant::i2(std::int16_t(set))), kOk);
    QCOMPARE(get(control_.get(), "Value"), Variant::i2(std::int16_t(reads)));
    // The default member is Value too.
    Variant byDefault;
    QCOMPARE(control_->invoke(kDispIdValue, InvokeKind::Get, {}, &byDefault, nullptr), kOk);
    QCOMPARE(byDefault, Variant::i2(std::int16_t(reads)));
    QCOMPARE(container_->count(qv3dopt::event::Click), clicks);
    QCOMPARE(std::count(site_->changed.begin(), site_->changed.end(), qv3dopt::dispid::Value) > 0, announced);
}

void tst_Qv3dOpt::pictures()
{
    // A picture property never reads as nothing.
    Variant read = get(control_.get(), "PictureChecked");
    auto empty = Ptr<Picture>::query(read.object());
    QVERIFY(empty);
    QCOMPARE(empty->type(), PictureType::None);

    // PictureGreyed is PictureGrayed under another name, announced as that one.
    QCOMPARE(putProperty(control_.get(), QStringLiteral("PictureGreyed"), pictureValue(sampleImage(4, 4, 0xFF0000FF))),
             kOk);
    QCOMPARE(site_->changed.back(), qv3dopt::dispid::PictureGrayed);
    auto grayed = Ptr<Picture>::query(get(control_.get(), "PictureGrayed").object());
    QVERIFY(grayed);
    QCOMPARE(grayed->image().pixel(0, 0), 0xFF0000FFu);

    // Nothing clears a picture.
    QCOMPARE(putProperty(control_.get(), QStringLiteral("PictureGrayed"), Variant::object(nullptr, VarType::Dispatch)),
             kOk);
    QCOMPARE(Ptr<Picture>::query(get(control_.get(), "PictureGreyed").object())->type(), PictureType::None);

    // A mouse icon takes icons only.
    ErrorInfo info;
    QCOMPARE(putProperty(control_.get(), QStringLiteral("MouseIcon"), pictureValue(sampleImage(4, 4, 0)), &info),
             kException);
    QCOMPARE(info.code, result(0x800A017C));
}

void tst_Qv3dOpt::designTimeReads()
{
    site_->runMode = false;
    ErrorInfo info;
    Variant value;
    for (const char* name : {"FontBold", "FontName", "FontSize", "PictureGreyed"}) {
        QCOMPARE(getProperty(control_.get(), QString::fromLatin1(name), &value, &info), kException);
        QCOMPARE(info.code, result(0x800A018A));
    }
    QVERIFY(Ptr<Picture>::query(get(control_.get(), "PictureGrayed").object()));
}

void tst_Qv3dOpt::everyPropertyRoundTrips_data()
{
    QTest::addColumn<bool>("throughBag");
    QTest::newRow("stream") << false;
    QTest::newRow("property bag") << true;
}

void tst_Qv3dOpt::everyPropertyRoundTrips()
{
    QFETCH(bool, throughBag);
    auto source = make();
    for (const Change& change : changes())
        QVERIFY2(succeeded(putProperty(source.get(), QString::fromLatin1(change.name), change.value)), change.name);
    const char* pictures[] = {"Picture", "PictureChecked", "PictureUnchecked", "PicturePressed", "PictureGrayed"};
    QRgb colour = 0xFF102030;
    for (const char* name : pictures)
        QCOMPARE(putProperty(source.get(), QString::fromLatin1(name), pictureValue(sampleImage(5, 3, colour++))), kOk);

    auto target = make();
    if (throughBag) {
        QVariantMap bag;
        QCOMPARE(Ptr<PersistPropertyBag>::query(source.get())->save(&bag, true), kOk);
        QVERIFY(bag.contains(QStringLiteral("PictureUnChecked")));
        QVERIFY(!bag.contains(QStringLiteral("PictureUnchecked")));
        QCOMPARE(Ptr<PersistPropertyBag>::query(target.get())->load(bag), kOk);
    } else {
        QByteArray bytes = saved(source.get());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QCOMPARE(Ptr<PersistStream>::query(target.get())->load(&buffer), kOk);
        QCOMPARE(buffer.bytesAvailable(), 0);
    }
    for (const Change& change : changes())
        QVERIFY2(get(target.get(), change.name) == get(source.get(), change.name), change.name);
    colour = 0xFF102030;
    for (const char* name : pictures) {
        auto picture = Ptr<Picture>::query(get(target.get(), name).object());
        QVERIFY2(picture && picture->type() == PictureType::Bitmap, name);
        QCOMPARE(picture->image().pixel(0, 0), colour++);
    }
    QCOMPARE(Ptr<Control>::query(target.get())->isDirty(), kFalse);
}

void tst_Qv3dOpt::textsAreCutTo1024Characters_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("Caption") << QStringLiteral("Caption");
    QTest::newRow("DataText") << QStringLiteral("DataText");
}

void tst_Qv3dOpt::textsAreCutTo1024Characters()
{
    QFETCH(QString, name);
    // What the control shows and reports is what it keeps when saved.
    const QString given = QString(1023, QLatin1Char('a')) + QStringLiteral("bc") + QString(975, QLatin1Char('d'));
    QCOMPARE(putProperty(control_.get(), name, Variant::string(given)), kOk);
    const Variant kept = Variant::string(given.left(1024));
    QCOMPARE(get(control_.get(), name.toLatin1().constData()), kept);
    QByteArray bytes = saved(control_.get());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    auto reloaded = make();
    QCOMPARE(Ptr<PersistStream>::query(reloaded.get())->load(&buffer), kOk);
    QCOMPARE(get(reloaded.get(), name.toLatin1().constData()), kept);
}

void tst_Qv3dOpt::aNewControlsBytes()
{
    QCOMPARE(putProperty(control_.get(), QStringLiteral("FontName"), Variant::string(QStringLiteral("DejaVu Sans"))), kOk);
    QCOMPARE(putProperty(control_.get(), QStringLiteral("FontSize"), Variant::r4(8.25f)), kOk);

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
    text("TestControl1");                                                    // Caption
    out << qint16(0) << qint32(-1) << qint16(0) << qint16(0) << qint16(13);  // Alignment .. BoxSize
    out << quint32(0x80000006) << qint16(0) << quint32(0x8000000F);          // BorderColor, BorderStyle, FillColor
    out << qint16(0) << qint32(-1) << quint32(0x80000014) << qint32(0);      // FontStyle .. Multiline
    for (int picture = 0; picture < 5; ++picture)
        out << quint32(0);                                                   // no pictures
    out << quint32(0x80000010) << quint32(0x80000012);                       // ShadowColor, TextColor
    out << qint16(0) << qint16(0) << qint16(0) << qint16(0);                 // WallPaper .. Group
    text({});                                                                // DataText
    out << qint16(0) << qint32(0) << qint32(0) << qint16(0);                 // DataStyle .. MousePointer
    out << quint32(0);                                                       // MouseIcon

    QCOMPARE(saved(control_.get()).toHex(' '), expected.toHex(' '));
}

void tst_Qv3dOpt::aDamagedPictureIsLeftEmpty()
{
    auto source = make();
    QCOMPARE(putProperty(source.get(), QStringLiteral("Picture"), pictureValue(sampleImage(8, 8, 0xFF00FF00))), kOk);
    QCOMPARE(putProperty(source.get(), QStringLiteral("PictureChecked"), pictureValue(sampleImage(3, 3, 0xFFFF0000))),
             kOk);
    QCOMPARE(putProperty(source.get(), QStringLiteral("Group"), Variant::i2(7)), kOk);
    QByteArray bytes = saved(source.get());

    // Cut the face picture's image short inside its block, keeping the
    // block's length: the image can no longer be read.
    const qsizetype png = bytes.indexOf("\x89PNG");
    QVERIFY(png > 0);
    bytes[png + 20] = '\0';
    bytes[png + 21] = '\0';
    bytes[png + 30] = '\x7F';

    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    auto target = make();
    QCOMPARE(Ptr<PersistStream>::query(target.get())->load(&buffer), kOk);
    QCOMPARE(Ptr<Picture>::query(get(target.get(), "Picture").object())->type(), PictureType::None);
    auto checked = Ptr<Picture>::query(get(target.get(), "PictureChecked").object());
    QCOMPARE(checked->type(), PictureType::Bitmap);
    QCOMPARE(checked->image().pixel(1, 1), 0xFFFF0000u);
    QCOMPARE(get(target.get(), "Group"), Variant::i2(7));
}

void tst_Qv3dOpt::aStreamCutShortKeepsWhatCameBefore()
{
    auto source = make();
    for (const Change& change : changes())
        putProperty(source.get(), QString::fromLatin1(change.name), change.value);
    QCOMPARE(putProperty(source.get(), QStringLiteral("Picture"), pictureValue(sampleImage(8, 8, 0xFF00FF00))), kOk);
    const QByteArray whole = saved(source.get());

    for (qsizetype length = 0; length < whole.size(); ++length) {
        QByteArray cut = whole.left(length);
        QBuffer buffer(&cut);
        buffer.open(QIODevice::ReadOnly);
        auto target = make();
        QCOMPARE(Ptr<PersistStream>::query(target.get())->load(&buffer), length < 4 ? kStreamRefused : kFalse);
    }

    // Cut inside the face picture: it is empty, what came before it is
    // kept, and the rest takes its stored default of 0.
    const qsizetype png = whole.indexOf("\x89PNG");
    QByteArray cut = whole.left(png + 10);
    QBuffer buffer(&cut);
    buffer.open(QIODevice::ReadOnly);
    auto target = make();
    QCOMPARE(Ptr<PersistStream>::query(target.get())->load(&buffer), kFalse);
    QCOMPARE(Ptr<Picture>::query(get(target.get(), "Picture").object())->type(), PictureType::None);
    QCOMPARE(get(target.get(), "Multiline"), Variant::boolean(true));
    QCOMPARE(get(target.get(), "BoxSize"), Variant::i2(17));
    QCOMPARE(get(target.get(), "TextColor"), Variant::i4(0));
    QCOMPARE(get(target.get(), "Group"), Variant::i2(0));
}

void tst_Qv3dOpt::bagKeys()
{
    // The design of a window of the program: BoxSize 13, Group 0, a white
    // face; everything else the reset values, which its container writes.
    QVariantMap design;
    QCOMPARE(Ptr<PersistPropertyBag>::query(control_.get())->save(&design, false), kOk);
    design[QStringLiteral("FillColor")] = 0xFFFFFF;
    design[QStringLiteral("Caption")] = QByteArray("Use Default Title");
    // A picture kept under the property's own spelling.
    auto painted = make();
    QCOMPARE(putProperty(painted.get(), QStringLiteral("PictureUnchecked"), pictureValue(sampleImage(2, 2, 0xFF0000FF))),
             kOk);
    QVariantMap paintedBag;
    QCOMPARE(Ptr<PersistPropertyBag>::query(painted.get())->save(&paintedBag, false), kOk);
    design[QStringLiteral("PictureUnchecked")] = paintedBag.value(QStringLiteral("PictureUnChecked"));
    design.remove(QStringLiteral("PictureUnChecked"));
    design[QStringLiteral("boxsize")] = 40;
    auto control = make();
    QCOMPARE(Ptr<PersistPropertyBag>::query(control.get())->load(design), kOk);
    QCOMPARE(get(control.get(), "FillColor"), Variant::i4(0xFFFFFF));
    QCOMPARE(get(control.get(), "Caption"), Variant::string(QStringLiteral("Use Default Title")));
    QCOMPARE(get(control.get(), "BoxSize"), Variant::i2(13)); // "boxsize" is not "BoxSize"
    QCOMPARE(get(control.get(), "AutoSize"), Variant::boolean(true));
    // A bag written with "PictureUnchecked" is not read back.
    QCOMPARE(Ptr<Picture>::query(get(control.get(), "PictureUnchecked").object())->type(), PictureType::None);

    // Without their keys, properties take the stored default of 0.
    QCOMPARE(Ptr<PersistPropertyBag>::query(control.get())->load(QVariantMap{}), kOk);
    QCOMPARE(get(control.get(), "BoxSize"), Variant::i2(0));
    QCOMPARE(get(control.get(), "TextColor"), Variant::i4(0));
}

QTEST_MAIN(tst_Qv3dOpt)
#include "tst_qv3dopt.moc"
