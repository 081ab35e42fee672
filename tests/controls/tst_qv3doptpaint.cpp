// How the option button paints itself, probed pixel by pixel: the round
// box and its dot, the flat box painted over the face, the face picture in
// its wallpaper modes, the size it takes from its picture, the box on
// either side, the disabled caption, the bevels and borders and the focus
// rectangle.
#include "controls/optionbutton/Qv3doptClasses.h"
#include "platform/com/Container.h"
#include "platform/com/Persist.h"
#include "platform/com/Picture.h"
#include "platform/com/Registration.h"
#include "support/TestContainer.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>
#include <QTest>
#include <QWidget>

using namespace com;
using testsupport::TestContainer;

namespace {

// Colours as property values (blue, green, red from the high byte down)
// and as the pixels they give.
constexpr std::int32_t kRedValue = 0x0000FF;
constexpr std::int32_t kGreenValue = 0x00FF00;
constexpr std::int32_t kBlueValue = 0xFF0000;
constexpr std::int32_t kWhiteValue = 0xFFFFFF;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kGreen = 0xFF00FF00;
constexpr QRgb kBlue = 0xFF0000FF;
constexpr QRgb kWhite = 0xFFFFFFFF;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kMidGrey = 0xFF808080;
constexpr QRgb kPressedFace = 0xFFC0C0C0;

Variant pictureValue(const QImage& image)
{
    auto picture = makePicture(PictureType::Bitmap, image);
    return Variant::object(picture.get(), VarType::Dispatch);
}

// Left half red, right half blue.
QImage halves(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(kRed);
    QPainter(&image).fillRect(width / 2, 0, width - width / 2, height, QColor(kBlue));
    return image;
}

int countOf(const QImage& image, QRgb colour, const QRect& area)
{
    int found = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            found += image.pixel(x, y) == colour;
    return found;
}

} // namespace

class tst_Qv3dOptPaint : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void roundBox_data();
    void roundBox();
    void flatBoxKeepsTheFaceAroundIt_data();
    void flatBoxKeepsTheFaceAroundIt();
    void boxOnTheRight();
    void boxPictures();
    void wallpaperModes_data();
    void wallpaperModes();
    void autoSizeTakesThePicturesSize_data();
    void autoSizeTakesThePicturesSize();
    void disabledCaption_data();
    void disabledCaption();
    void focusRectangle();
    void bevelsAndBorders_data();
    void bevelsAndBorders();
    void dataPropertiesChangeNothingOnScreen();

private:
    // A button in a window of the size, with plain colours: face white,
    // light green, shadow blue, border red, no caption.
    void makeButton(const QSize& size = QSize(160, 40));
    void put(const char* name, const Variant& value);
    QImage picture();

    std::unique_ptr<TestContainer> container_;
    std::unique_ptr<QWidget> parent_;
    Ptr<Dispatch> control_;
};

void tst_Qv3dOptPaint::init()
{
    container_ = std::make_unique<TestContainer>();
    QCOMPARE(registerLibrary(QStringLiteral(DRILLBOOK_QV3DOPT)), kOk);
}

void tst_Qv3dOptPaint::cleanup()
{
    if (auto hosted = Ptr<Control>::query(control_.get()))
        hosted->destroyWindow();
    control_.reset();
    parent_.reset();
    container_.reset();
}

void tst_Qv3dOptPaint::makeButton(const QSize& size)
{
    control_ = container_->create(qv3dopt::controlClass);
    QVERIFY(control_);
    QCOMPARE(Ptr<PersistStream>::query(control_.get())->initNew(), kOk);
    parent_ = std::make_unique<QWidget>();
    parent_->resize(size + QSize(20, 20));
    QWidget* window = nullptr;
    QCOMPARE(Ptr<Control>::query(control_.get())->createWindow(parent_.get(), QRect(QPoint(0, 0), size), &window), kOk);
    put("FillColor", Variant::i4(kWhiteValue));
    put("LightColor", Variant::i4(kGreenValue));
    put("ShadowColor", Variant::i4(kBlueValue));
    put("BorderColor", Variant::i4(kRedValue));
    put("Caption", Variant::string(QString()));
}

void tst_Qv3dOptPaint::put(const char* name, const Variant& value)
{
    QCOMPARE(putProperty(control_.get(), QString::fromLatin1(name), value), kOk);
}

QImage tst_Qv3dOptPaint::picture()
{
    QWidget* window = nullptr;
    Ptr<OleObject>::query(control_.get())->getWindow(&window);
    QImage image(window->size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    Ptr<Control>::query(control_.get())->drawTo(&painter, image.rect());
    return image;
}

void tst_Qv3dOptPaint::roundBox_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QRgb>("centre");
    QTest::addColumn<QRgb>("inside");

    // The box sits 2 pixels in, halfway down: its dot at (8, 20).
    QTest::newRow("clear") << 0 << kGreen << kGreen;
    QTest::newRow("selected") << 1 << kRed << kGreen;
    QTest::newRow("greyed, from a stored stream") << 2 << kRed << kBlue;
}

void tst_Qv3dOptPaint::roundBox()
{
    QFETCH(int, value);
    QFETCH(QRgb, centre);
    QFETCH(QRgb, inside);
    makeButton();
    if (value == 2) {
        // Only a stored button can be greyed.
        QVariantMap bag;
        QCOMPARE(Ptr<PersistPropertyBag>::query(control_.get())->save(&bag, false), kOk);
        bag[QStringLiteral("Value")] = 2;
        QCOMPARE(Ptr<PersistPropertyBag>::query(control_.get())->load(bag), kOk);
    } else {
        put("Value", Variant::i2(std::int16_t(value)));
    }
    const QImage image = picture();
    QCOMPARE(image.pixel(8, 20), centre);
    QCOMPARE(image.pixel(11, 23), inside);
    // The upper left of the ring in the border colour, the outer ring's
    // lower right in the shadow colour; the face round the box untouched.
    QVERIFY(countOf(image, kRed, QRect(2, 14, 6, 6)) > 0);
    QVERIFY(countOf(image, kBlue, QRect(9, 21, 5, 5)) > 0);
    QCOMPARE(image.pixel(1, 1), kWhite);
    QCOMPARE(image.pixel(30, 20), kWhite);
}

void tst_Qv3dOptPaint::flatBoxKeepsTheFaceAroundIt_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QRgb>("centre");

    QTest::newRow("clear") << 0 << kWhite;
    QTest::newRow("selected") << 1 << kBlack;
}

void tst_Qv3dOptPaint::flatBoxKeepsTheFaceAroundIt()
{
    QFETCH(int, value);
    QFETCH(QRgb, centre);
    makeButton();
    put("FillColor", Variant::i4(kGreenValue));
    put("CheckBox2d", Variant::boolean(true));
    put("Value", Variant::i2(std::int16_t(value)));
    const QImage image = picture();
    // A cell of 13 pixels, 2 in and halfway down: its corner shows the face.
    QCOMPARE(image.pixel(8, 20), centre);
    QCOMPARE(image.pixel(2, 14), kGreen);
    QCOMPARE(image.pixel(14, 26), kGreen);
}

void tst_Qv3dOptPaint::boxOnTheRight()
{
    makeButton();
    put("Value", Variant::i2(1));
    put("BoxAlignment", Variant::i2(1));
    const QImage image = picture();
    // 160 - 13 - 2 = 145: the dot at 145 + 6.
    QCOMPARE(image.pixel(151, 20), kRed);
    QCOMPARE(image.pixel(8, 20), kWhite);
}

void tst_Qv3dOptPaint::boxPictures()
{
    makeButton();
    QImage checked(13, 13, QImage::Format_RGB32);
    checked.fill(kBlue);
    put("PictureChecked", pictureValue(checked));
    put("AutoSize", Variant::boolean(false));
    QCOMPARE(picture().pixel(8, 20), kGreen); // clear: the drawn box
    put("Value", Variant::i2(1));
    const QImage image = picture();
    // The picture fills the box's square and no circle is drawn.
    QCOMPARE(countOf(image, kBlue, QRect(2, 14, 13, 13)), 13 * 13);
    QCOMPARE(countOf(image, kRed, QRect(0, 0, 160, 40)), 0);
}

void tst_Qv3dOptPaint::wallpaperModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("expected");

    // A 4 x 4 picture, left half red, over a 160 x 40 face.
    QTest::newRow("stretched, left") << 0 << QPoint(42, 2) << kRed;
    QTest::newRow("stretched, right") << 0 << QPoint(120, 2) << kBlue;
    QTest::newRow("copied once") << 1 << QPoint(2, 2) << kBlue;
    QTest::newRow("copied once, beyond it") << 1 << QPoint(42, 2) << kWhite;
    QTest::newRow("tiled") << 2 << QPoint(42, 2) << kBlue;
    QTest::newRow("tiled, next tile") << 2 << QPoint(44, 6) << kRed;
}

void tst_Qv3dOptPaint::wallpaperModes()
{
    QFETCH(int, mode);
    QFETCH(QPoint, at);
    QFETCH(QRgb, expected);
    makeButton();
    put("AutoSize", Variant::boolean(false));
    put("WallPaper", Variant::i2(std::int16_t(mode)));
    put("Picture", pictureValue(halves(4, 4)));
    QCOMPARE(picture().pixel(at), expected);
}

void tst_Qv3dOptPaint::autoSizeTakesThePicturesSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bevel");
    QTest::addColumn<QSize>("after");

    // A picture of 50 x 30 pixels.
    QTest::newRow("3 pixels off stays") << QSize(53, 27) << 0 << QSize(53, 27);
    QTest::newRow("4 pixels off is sized") << QSize(54, 30) << 0 << QSize(50, 30);
    QTest::newRow("the bevels count") << QSize(54, 34) << 2 << QSize(54, 34);
    QTest::newRow("much too big") << QSize(160, 40) << 1 << QSize(52, 32);
}

void tst_Qv3dOptPaint::autoSizeTakesThePicturesSize()
{
    QFETCH(QSize, size);
    QFETCH(int, bevel);
    QFETCH(QSize, after);
    makeButton(size);
    put("BevelSize", Variant::i2(std::int16_t(bevel)));
    put("Picture", pictureValue(halves(50, 30)));
    // Saved: the control is clean until its picture resizes it.
    QByteArray ignored;
    QBuffer buffer(&ignored);
    buffer.open(QIODevice::WriteOnly);
    Ptr<PersistStream>::query(control_.get())->save(&buffer, true);
    picture();
    QWidget* window = nullptr;
    Ptr<OleObject>::query(control_.get())->getWindow(&window);
    QCOMPARE(window->size(), after);
    QCOMPARE(Ptr<Control>::query(control_.get())->isDirty(), size == after ? kFalse : kOk);
}

void tst_Qv3dOptPaint::disabledCaption_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<std::int32_t>("fill");
    QTest::addColumn<QRgb>("face");

    // Red text, flat, on a white face; disabled it is grey and lowered,
    // also on a face of the system's grey-text colour itself.
    QTest::newRow("enabled") << true << kWhiteValue << kWhite;
    QTest::newRow("disabled") << false << kWhiteValue << kWhite;
    QTest::newRow("disabled on the grey-text colour") << false << std::int32_t(0x80000011) << kMidGrey;
}

void tst_Qv3dOptPaint::disabledCaption()
{
    QFETCH(bool, enabled);
    QFETCH(std::int32_t, fill);
    QFETCH(QRgb, face);
    makeButton();
    put("Caption", Variant::string(QStringLiteral("Show All Question Banks")));
    put("TextColor", Variant::i4(kRedValue));
    put("FillColor", Variant::i4(fill));
    put("Enabled", Variant::boolean(enabled));
    const QImage image = picture();
    const QRect caption(19, 0, 141, 40); // past the box's 13 pixels and 6 more
    QCOMPARE(image.pixel(caption.right(), 0), face);
    QCOMPARE(countOf(image, kRed, caption) > 0, enabled);
    // Lowered: a shadow copy above left and a light copy below right.
    QCOMPARE(countOf(image, kBlue, caption) > 0, !enabled);
    QCOMPARE(countOf(image, kGreen, caption) > 0, !enabled);
    if (!enabled)
        QVERIFY(countOf(image, kMidGrey, caption) > (face == kMidGrey ? caption.width() * caption.height() / 2 : 0));
    // Nothing of the caption reaches the box's side.
    QCOMPARE(countOf(image, kRed, QRect(15, 0, 4, 40)), 0);

    // The letters themselves stand out from the face, not only their light
    // and shadow copies: with both copies in the face's colour the caption
    // still shows.
    put("LightColor", Variant::i4(fill));
    put("ShadowColor", Variant::i4(fill));
    const QImage letters = picture();
    const int shown = caption.width() * caption.height() - countOf(letters, face, caption);
    QVERIFY2(shown > 100, qPrintable(QStringLiteral("%1 pixels of the caption show").arg(shown)));
}

void tst_Qv3dOptPaint::bevelsAndBorders_data()
{
    QTest::addColumn<int>("bevelStyle");
    QTest::addColumn<int>("borderStyle");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QRgb>("expected");

    // A bevel 2 wide round a grey face 160 x 40; -1: the style a new button
    // has. The picture's ground is white.
    QTest::newRow("new: lowered, shadow on the left") << -1 << -1 << QPoint(1, 20) << kBlue;
    QTest::newRow("new: lowered, light on the right") << -1 << -1 << QPoint(158, 20) << kGreen;
    QTest::newRow("chiseled: a groove") << 2 << -1 << QPoint(1, 20) << kGreen;
    QTest::newRow("shadowed right") << 3 << -1 << QPoint(158, 20) << kBlue;
    QTest::newRow("single line: square corner") << -1 << 1 << QPoint(0, 0) << kRed;
    QTest::newRow("rounded corners") << -1 << 2 << QPoint(0, 0) << kWhite;
    QTest::newRow("rounded corners: the side") << -1 << 2 << QPoint(0, 20) << kRed;
}

void tst_Qv3dOptPaint::bevelsAndBorders()
{
    QFETCH(int, bevelStyle);
    QFETCH(int, borderStyle);
    QFETCH(QPoint, at);
    QFETCH(QRgb, expected);
    makeButton();
    put("FillColor", Variant::i4(0x808080));
    put("BevelSize", Variant::i2(2));
    if (bevelStyle >= 0)
        put("BevelStyle", Variant::i2(std::int16_t(bevelStyle)));
    if (borderStyle >= 0)
        put("BorderStyle", Variant::i2(std::int16_t(borderStyle)));
    QCOMPARE(picture().pixel(at), expected);
}

void tst_Qv3dOptPaint::focusRectangle()
{
    makeButton();
    put("TextColor", Variant::i4(kRedValue));
    QWidget* window = nullptr;
    Ptr<OleObject>::query(control_.get())->getWindow(&window);
    parent_->show();
    parent_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(parent_.get()));
    const QRect leftEdge(19, 0, 1, 40);
    window->clearFocus();
    QCOMPARE(countOf(window->grab().toImage().convertToFormat(QImage::Format_RGB32), kRed, leftEdge), 0);
    window->setFocus();
    QVERIFY(window->hasFocus());
    QVERIFY(countOf(window->grab().toImage().convertToFormat(QImage::Format_RGB32), kRed, leftEdge) > 5);
}

void tst_Qv3dOptPaint::dataPropertiesChangeNothingOnScreen()
{
    makeButton();
    put("Caption", Variant::string(QStringLiteral("Show Question Bank 1")));
    put("Value", Variant::i2(1));
    const QImage before = picture();
    put("DataText", Variant::string(QStringLiteral("Bank 1")));
    put("DataStyle", Variant::i2(1));
    put("DataStyleCaseSens", Variant::boolean(true));
    QCOMPARE(picture(), before);
    QCOMPARE(Ptr<Control>::query(control_.get())->isDirty(), kOk);
}

QTEST_MAIN(tst_Qv3dOptPaint)
#include "tst_qv3doptpaint.moc"
