// The 3-D label button: its bound caption, the order of its mouse and key
// steps, dropped titles, the two-line caption, the texture and the bevel as
// painted, refused values, and what assistive tools see of it.

#include "platform/data/DataFixture.h"
#include "support/ErrorOf.h"

#include "platform/core/RuntimeError.h"
#include "platform/data/DataControl.h"
#include "platform/forms/Qv3dLabel.h"
#include "platform/forms/TitleDrop.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include <functional>
#include <memory>

using forms::Qv3dLabel;

namespace {

using testsupport::errorOf;

// Every step the button raises, in the order raised.
class StepLog {
public:
    explicit StepLog(Qv3dLabel& label)
    {
        QObject::connect(&label, &Qv3dLabel::mouseDown, &label, [this](int button, int shift, int x, int y) {
            steps.append(QStringLiteral("down %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y));
        });
        QObject::connect(&label, &Qv3dLabel::mouseUp, &label, [this](int button, int shift, int x, int y) {
            steps.append(QStringLiteral("up %1 %2 %3 %4").arg(button).arg(shift).arg(x).arg(y));
        });
        QObject::connect(&label, &Qv3dLabel::click, &label, [this] { steps.append(QStringLiteral("click")); });
    }

    QStringList steps;
};

QImage rendered(Qv3dLabel& label)
{
    QImage image(label.size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    label.render(&image);
    return image;
}

// Rows that hold caption pixels, counted as separate bands of text.
int textBands(const QImage& image, const QColor& caption)
{
    int bands = 0;
    bool inBand = false;
    for (int y = 0; y < image.height(); ++y) {
        bool hasText = false;
        for (int x = 0; x < image.width() && !hasText; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            hasText = qAbs(pixel.red() - caption.red()) < 60 && qAbs(pixel.green() - caption.green()) < 60
                && qAbs(pixel.blue() - caption.blue()) < 60;
        }
        if (hasText && !inBand)
            ++bands;
        inBand = hasText;
    }
    return bands;
}

int shownWidth(const QFontMetrics& metrics, const QString& line)
{
    return metrics.size(Qt::TextShowMnemonic, line).width();
}

const QString longTitle = QStringLiteral("Hazardous Materials Awareness and Operations Level");

} // namespace

class Qv3dLabelTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void fieldValueShowsUnchangedCodeMarksChanged_data();
    void fieldValueShowsUnchangedCodeMarksChanged();
    void droppedTitleIsStoredWithTheRow();

    void mouseRunsDownUpThenClick_data();
    void mouseRunsDownUpThenClick();
    void keysPressLikeTheMouse_data();
    void keysPressLikeTheMouse();
    void stepThatClosesTheWindowEndsThePress();
    void tabReachesTheButton();
    void accessKeyPressesTheButton_data();
    void accessKeyPressesTheButton();
    void sharedAccessKeyOnlyMovesTheFocus();

    void titleDrops_data();
    void titleDrops();

    void captionLines_data();
    void captionLines();
    void twoLineCaptionIsPainted();

    void pictureFillsTheButton();
    void unusablePictureKeepsTheOldOne_data();
    void unusablePictureKeepsTheOldOne();
    void bevelIsLitFromTopLeft_data();
    void bevelIsLitFromTopLeft();
    void refusedValuesKeepTheOldOne_data();
    void refusedValuesKeepTheOldOne();

    void accessibleAsAButton_data();
    void accessibleAsAButton();
    void windowChosenAccessibleNameStays();
    void accessiblePressRunsThePress();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString picturePath(const QString& name, const QColor& color);
};

void Qv3dLabelTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
}

QString Qv3dLabelTest::picturePath(const QString& name, const QColor& color)
{
    QImage image(QSize(40, 30), QImage::Format_RGB32);
    image.fill(color);
    const QString path = dir_->filePath(name);
    image.save(path, "PNG");
    return path;
}

void Qv3dLabelTest::fieldValueShowsUnchangedCodeMarksChanged_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("shown");
    QTest::newRow("title") << QVariant(QStringLiteral("Ladders")) << "Ladders";
    QTest::newRow("null field") << QVariant(QMetaType(QMetaType::QString)) << "";
    QTest::newRow("no current row") << QVariant() << "";
}

void Qv3dLabelTest::fieldValueShowsUnchangedCodeMarksChanged()
{
    QFETCH(QVariant, stored);
    QFETCH(QString, shown);
    Qv3dLabel label(nullptr, QStringLiteral("cmd1"));
    label.setCaption(QStringLiteral("typed before"));
    label.showFieldValue(stored);
    QCOMPARE(label.caption(), shown);
    QVERIFY(!label.dataChanged());

    label.setCaption(QStringLiteral("Hose Lays"));
    QVERIFY(label.dataChanged());
    QCOMPARE(label.boundValue(), QVariant(QStringLiteral("Hose Lays")));
}

void Qv3dLabelTest::droppedTitleIsStoredWithTheRow()
{
    datatest::FixtureDatabase bank;
    bank.execute(QStringLiteral("INSERT INTO Table3 (titlea1, titlea2) VALUES ('Hose Lays', 'Ropes')"));
    data::DataControl titles;
    titles.setConnect(QStringLiteral("Access"));
    titles.setDatabaseName(bank.path());
    titles.setRecordSource(QStringLiteral("Table3"));
    Qv3dLabel first;
    first.setDataField(QStringLiteral("titlea1"));
    Qv3dLabel second;
    second.setDataField(QStringLiteral("TITLEA2"));
    titles.bind(&first);
    titles.bind(&second);
    titles.refresh();
    QCOMPARE(first.caption(), QStringLiteral("Hose Lays"));
    QCOMPARE(second.caption(), QStringLiteral("Ropes"));

    first.setCaption(QStringLiteral("Ladders"));
    titles.updateRecord();
    QCOMPARE(bank.scalar(QStringLiteral("SELECT titlea1 FROM Table3")).toString(), QStringLiteral("Ladders"));
    QCOMPARE(bank.scalar(QStringLiteral("SELECT titlea2 FROM Table3")).toString(), QStringLiteral("Ropes"));
    titles.unbind(&first);
    titles.unbind(&second);
}

void Qv3dLabelTest::mouseRunsDownUpThenClick_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<QStringList>("steps");
    QTest::newRow("left press")
        << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(10, 5)
        << QStringList{"down 1 0 150 75", "up 1 0 150 75", "click"};
    QTest::newRow("with shift and ctrl")
        << Qt::LeftButton << Qt::KeyboardModifiers(Qt::ShiftModifier | Qt::ControlModifier) << QPoint(10, 5)
        << QStringList{"down 1 3 150 75", "up 1 3 150 75", "click"};
    QTest::newRow("right button: no click")
        << Qt::RightButton << Qt::KeyboardModifiers() << QPoint(10, 5)
        << QStringList{"down 2 0 150 75", "up 2 0 150 75"};
    QTest::newRow("released outside: no click")
        << Qt::LeftButton << Qt::KeyboardModifiers() << QPoint(300, 5)
        << QStringList{"down 1 0 150 75", "up 1 0 4500 75"};
}

void Qv3dLabelTest::mouseRunsDownUpThenClick()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QPoint, releaseAt);
    QFETCH(QStringList, steps);
    Qv3dLabel label(nullptr, QStringLiteral("Exit"));
    label.resize(120, 30);
    StepLog log(label);
    QTest::mousePress(&label, button, modifiers, QPoint(10, 5));
    QTest::mouseRelease(&label, button, modifiers, releaseAt);
    QCOMPARE(log.steps, steps);
}

void Qv3dLabelTest::keysPressLikeTheMouse_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("presses");
    QTest::newRow("space") << int(Qt::Key_Space) << Qt::KeyboardModifiers() << true;
    QTest::newRow("return") << int(Qt::Key_Return) << Qt::KeyboardModifiers() << true;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
    QTest::newRow("ctrl+return is the window's") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier)
                                                << false;
    QTest::newRow("a letter") << int(Qt::Key_A) << Qt::KeyboardModifiers() << false;
}

void Qv3dLabelTest::keysPressLikeTheMouse()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, presses);
    Qv3dLabel label(nullptr, QStringLiteral("Test Bank 2"));
    StepLog log(label);
    QTest::keyClick(&label, Qt::Key(key), modifiers);
    const QStringList expected = presses ? QStringList{"down 1 0 0 0", "up 1 0 0 0", "click"} : QStringList{};
    QCOMPARE(log.steps, expected);
}

void Qv3dLabelTest::stepThatClosesTheWindowEndsThePress()
{
    // Exit's step ends the program; nothing may run on the button after it.
    auto window = std::make_unique<QWidget>();
    QPointer<Qv3dLabel> label = new Qv3dLabel(window.get(), QStringLiteral("Exit"));
    bool clicked = false;
    connect(label, &Qv3dLabel::mouseUp, this, [&window] { window.reset(); });
    connect(label, &Qv3dLabel::click, this, [&clicked] { clicked = true; });
    label->press();
    QVERIFY(label.isNull());
    QVERIFY(!clicked);
}

void Qv3dLabelTest::tabReachesTheButton()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new QLineEdit(&window);
    auto* button = new Qv3dLabel(&window, QStringLiteral("The Entire Test"));
    layout->addWidget(box);
    layout->addWidget(button);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Tab);
    QVERIFY(button->hasFocus());
}

void Qv3dLabelTest::accessKeyPressesTheButton_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("captionLater"); // "" keeps the caption
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("presses");
    QTest::newRow("Alt+E on \"&Exit\"") << "&Exit" << "" << int(Qt::Key_E) << true;
    QTest::newRow("marker inside the caption") << "Test Bank &2" << "" << int(Qt::Key_2) << true;
    QTest::newRow("another letter") << "&Exit" << "" << int(Qt::Key_X) << false;
    QTest::newRow("no marker") << "Exit" << "" << int(Qt::Key_E) << false;
    QTest::newRow("a doubled marker is an ampersand") << "Search && Exit" << "" << int(Qt::Key_E) << false;
    QTest::newRow("released without its marker") << "&Exit" << "Exit" << int(Qt::Key_E) << false;
    QTest::newRow("a marker given later") << "Exit" << "E&xit" << int(Qt::Key_X) << true;
}

// The whole press runs, as a click does, wherever the focus is in the window.
void Qv3dLabelTest::accessKeyPressesTheButton()
{
    QFETCH(QString, caption);
    QFETCH(QString, captionLater);
    QFETCH(int, key);
    QFETCH(bool, presses);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* box = new QLineEdit(&window);
    auto* label = new Qv3dLabel(&window, caption);
    layout->addWidget(box);
    layout->addWidget(label);
    if (!captionLater.isEmpty())
        label->setCaption(captionLater);
    StepLog log(*label);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    box->setFocus();

    QTest::keyClick(&window, Qt::Key(key), Qt::AltModifier);

    const QStringList expected = presses ? QStringList{"down 1 0 0 0", "up 1 0 0 0", "click"} : QStringList{};
    QCOMPARE(log.steps, expected);
    QCOMPARE(label->hasFocus(), presses);
}

void Qv3dLabelTest::sharedAccessKeyOnlyMovesTheFocus()
{
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* first = new Qv3dLabel(&window, QStringLiteral("&Exit"));
    auto* second = new Qv3dLabel(&window, QStringLiteral("&Entire"));
    layout->addWidget(first);
    layout->addWidget(second);
    StepLog firstLog(*first);
    StepLog secondLog(*second);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    QVERIFY(first->hasFocus() || second->hasFocus());
    QTest::keyClick(&window, Qt::Key_E, Qt::AltModifier);
    QVERIFY(first->hasFocus() || second->hasFocus());
    QVERIFY(firstLog.steps.isEmpty());
    QVERIFY(secondLog.steps.isEmpty());
}

void Qv3dLabelTest::titleDrops_data()
{
    QTest::addColumn<bool>("accepting");
    QTest::addColumn<QString>("format");
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<bool>("ours"); // carries this run's mark, as the program's own drags do
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("dropped");
    const QString title = QStringLiteral("Löschangriff & Geräte");
    const QString titleType = Qv3dLabel::titleMimeType();
    const QByteArray longest(forms::maxTitleLength, 'a');
    QTest::newRow("chapter title") << true << titleType << title.toUtf8() << true << true << title;
    QTest::newRow("the longest title") << true << titleType << longest << true << true << QString::fromLatin1(longest);
    QTest::newRow("a title too long") << true << titleType << longest + 'a' << true << false << "";
    QTest::newRow("title type from another program") << true << titleType << title.toUtf8() << false << false << "";
    QTest::newRow("plain text") << true << "text/plain" << QByteArray("Ladders") << false << false << "";
    QTest::newRow("utf-8 text") << true << "text/plain;charset=utf-8" << QByteArray("Ladders") << false << false << "";
    QTest::newRow("neither") << true << "text/uri-list" << QByteArray("file:///tmp/x") << false << false << "";
    QTest::newRow("button takes no drops") << false << titleType << title.toUtf8() << true << false << "";
}

void Qv3dLabelTest::titleDrops()
{
    QFETCH(bool, accepting);
    QFETCH(QString, format);
    QFETCH(QByteArray, payload);
    QFETCH(bool, ours);
    QFETCH(bool, taken);
    QFETCH(QString, dropped);
    Qv3dLabel label;
    label.resize(120, 30);
    label.setAcceptsTitleDrops(accepting);
    QStringList drops;
    connect(&label, &Qv3dLabel::dragDrop, this, [&drops](const QString& text) { drops.append(text); });
    QMimeData mime;
    mime.setData(format, payload);
    if (ours)
        forms::markAsOurs(mime);

    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &enter);
    QCOMPARE(enter.isAccepted(), taken);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &drop);
    QCOMPARE(drops, taken ? QStringList{dropped} : QStringList{});
}

void Qv3dLabelTest::captionLines_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<double>("widthShare"); // of the caption's own width on one line
    QTest::addColumn<bool>("multiLine");
    QTest::addColumn<int>("lines");
    QTest::addColumn<bool>("whole"); // every word shown, nothing elided
    QTest::newRow("short title, two-line") << "Ladders" << 2.0 << true << 1 << true;
    QTest::newRow("long title, two-line") << longTitle << 0.6 << true << 2 << true;
    QTest::newRow("long title, one line") << longTitle << 0.6 << false << 1 << false;
    QTest::newRow("too long for two lines") << longTitle << 0.3 << true << 2 << false;
    QTest::newRow("held-down blank") << QStringLiteral(" ") + longTitle << 0.6 << true << 2 << true;
    QTest::newRow("one long word") << "Firefightingequipmentmaintenance" << 0.6 << true << 2 << true;
}

void Qv3dLabelTest::captionLines()
{
    QFETCH(QString, caption);
    QFETCH(double, widthShare);
    QFETCH(bool, multiLine);
    QFETCH(int, lines);
    QFETCH(bool, whole);
    QFont font;
    font.setPixelSize(13);
    const QFontMetrics metrics(font);
    const int width = int(shownWidth(metrics, caption) * widthShare);

    const QStringList shown = Qv3dLabel::captionLines(caption, metrics, width, multiLine);
    QCOMPARE(shown.size(), lines);
    for (const QString& line : shown)
        QVERIFY2(shownWidth(metrics, line) <= width, qPrintable(line));
    const QString joined = shown.join(caption.contains(QLatin1Char(' ')) ? QStringLiteral(" ") : QString());
    QCOMPARE(joined == caption, whole);
    if (!whole)
        QVERIFY(shown.last().endsWith(QChar(0x2026)));
}

void Qv3dLabelTest::twoLineCaptionIsPainted()
{
    Qv3dLabel label(nullptr, longTitle);
    label.resize(shownWidth(label.fontMetrics(), longTitle) * 2 / 3, label.fontMetrics().height() * 2 + 16);
    label.setCaptionColor(255);
    const QColor red(255, 0, 0);
    QCOMPARE(textBands(rendered(label), red), 1);
    label.setMultiLine(true);
    QCOMPARE(label.shownCaptionLines().size(), 2);
    QCOMPARE(textBands(rendered(label), red), 2);
}

void Qv3dLabelTest::pictureFillsTheButton()
{
    Qv3dLabel label;
    label.resize(100, 40);
    QVERIFY(label.setPicture(picturePath(QStringLiteral("blue.png"), QColor(0, 0, 200))));
    QVERIFY(label.hasPicture());
    const QImage image = rendered(label);
    QCOMPARE(image.pixelColor(50, 20), QColor(0, 0, 200));
    QCOMPARE(image.pixelColor(5, 35), QColor(0, 0, 200));

    label.clearPicture();
    QVERIFY(!label.hasPicture());
    QCOMPARE(label.picturePath(), QString());
    QCOMPARE(rendered(label).pixelColor(50, 20), label.palette().color(QPalette::Button));
}

void Qv3dLabelTest::unusablePictureKeepsTheOldOne_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.jpg";
    QTest::newRow("not a picture") << "notes.txt";
    QTest::newRow("no name") << "";
}

void Qv3dLabelTest::unusablePictureKeepsTheOldOne()
{
    QFETCH(QString, name);
    QFile notes(dir_->filePath(QStringLiteral("notes.txt")));
    QVERIFY(notes.open(QIODevice::WriteOnly));
    notes.write("not a picture");
    notes.close();
    const QString brick = picturePath(QStringLiteral("brick.png"), QColor(150, 40, 30));
    Qv3dLabel label;
    label.resize(100, 40);
    QVERIFY(label.setPicture(brick));

    QVERIFY(!label.setPicture(name.isEmpty() ? QString() : dir_->filePath(name)));
    QVERIFY(label.hasPicture());
    QCOMPARE(label.picturePath(), brick);
    QCOMPARE(rendered(label).pixelColor(50, 20), QColor(150, 40, 30));
}

void Qv3dLabelTest::bevelIsLitFromTopLeft_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("topLeft"); // +1 lighter than the face, -1 darker, 0 the same
    QTest::addColumn<int>("bottomRight");
    QTest::newRow("raised") << 1 << 1 << -1;
    QTest::newRow("none") << 0 << 0 << 0;
    QTest::newRow("inset") << 2 << -1 << 1;
}

void Qv3dLabelTest::bevelIsLitFromTopLeft()
{
    QFETCH(int, style);
    QFETCH(int, topLeft);
    QFETCH(int, bottomRight);
    Qv3dLabel label;
    label.resize(100, 40);
    QVERIFY(label.setPicture(picturePath(QStringLiteral("grey.png"), QColor(128, 128, 128))));
    label.setBevelStyleInner(style);
    QCOMPARE(label.bevelStyleInner(), style);
    const QImage image = rendered(label);
    const int face = qGray(image.pixel(50, 20));
    auto sign = [face](QRgb pixel) { return (qGray(pixel) > face) - (qGray(pixel) < face); };
    for (const QPoint& point : {QPoint(0, 0), QPoint(1, 20), QPoint(50, 1)})
        QCOMPARE(sign(image.pixel(point)), topLeft);
    for (const QPoint& point : {QPoint(99, 39), QPoint(98, 20), QPoint(50, 38)})
        QCOMPARE(sign(image.pixel(point)), bottomRight);
}

void Qv3dLabelTest::refusedValuesKeepTheOldOne_data()
{
    QTest::addColumn<QString>("property");
    QTest::addColumn<int>("value");
    QTest::newRow("bevel below 0") << "bevel" << -1;
    QTest::newRow("bevel above 2") << "bevel" << 3;
    QTest::newRow("colour below 0") << "colour" << -1;
    QTest::newRow("colour above 24 bits") << "colour" << 0x1000000;
}

void Qv3dLabelTest::refusedValuesKeepTheOldOne()
{
    QFETCH(QString, property);
    QFETCH(int, value);
    Qv3dLabel label;
    label.setBevelStyleInner(0);
    label.setCaptionColor(0xFFFFFF);
    const bool bevel = property == QLatin1String("bevel");
    QCOMPARE(errorOf([&] { bevel ? label.setBevelStyleInner(value) : label.setCaptionColor(value); }), 380);
    QCOMPARE(label.bevelStyleInner(), 0);
    QCOMPARE(label.captionColor(), 0xFFFFFF);
}

void Qv3dLabelTest::accessibleAsAButton_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("name");
    QTest::newRow("access key") << "&Exit" << "Exit";
    QTest::newRow("doubled ampersand") << "Save && Exit" << "Save & Exit";
    QTest::newRow("held-down blank") << " Hose Lays" << "Hose Lays";
    QTest::newRow("no title") << "" << "";
}

void Qv3dLabelTest::accessibleAsAButton()
{
    QFETCH(QString, caption);
    QFETCH(QString, name);
    Qv3dLabel label(nullptr, QStringLiteral("design"));
    label.setCaption(caption);
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&label);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), name);

    label.showFieldValue(QStringLiteral("Ropes"));
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Ropes"));
}

void Qv3dLabelTest::windowChosenAccessibleNameStays()
{
    Qv3dLabel label(nullptr, QStringLiteral("Test Bank 2"));
    label.setAccessibleName(QStringLiteral("Open test bank two"));
    label.setCaption(QStringLiteral(" Test Bank 2"));
    QCOMPARE(QAccessible::queryAccessibleInterface(&label)->text(QAccessible::Name),
             QStringLiteral("Open test bank two"));
}

void Qv3dLabelTest::accessiblePressRunsThePress()
{
    Qv3dLabel label(nullptr, QStringLiteral("Hose Lays"));
    StepLog log(label);
    QAccessibleActionInterface* actions = QAccessible::queryAccessibleInterface(&label)->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    // The reader is answered at once; the press follows from the event loop,
    // so a step that opens a box does not hold the reader's call.
    QVERIFY(log.steps.isEmpty());
    QCoreApplication::processEvents();
    QCOMPARE(log.steps, (QStringList{"down 1 0 0 0", "up 1 0 0 0", "click"}));

    label.setEnabled(false);
    QVERIFY(!actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCoreApplication::processEvents();
    QCOMPARE(log.steps.size(), 3);
}

QTEST_MAIN(Qv3dLabelTest)
#include "tst_qv3dlabel.moc"
