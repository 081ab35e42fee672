#include "platform/forms/ImageBox.h"
#include "platform/forms/PictureBox.h"

#include <QBuffer>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace forms;

namespace {
QByteArray pngBytes(const QColor& color, QSize size = QSize(8, 6))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QColor shownColor(const PictureControl& box)
{
    return box.picture().toImage().pixelColor(1, 1);
}
} // namespace

class PicturesTest : public QObject {
    Q_OBJECT

private slots:
    void init();

    void pictureFromFile();
    void unusablePicturesShowNothing_data();
    void unusablePicturesShowNothing();
    void boundPictureShowsStoredBytes();
    void loadingByCodeMarksTheBoxChanged();
    void failedLoadNeverWipesTheStoredPicture();
    void clearingByCodeIsStoredAsEmpty();
    void imageBoxStretches();
    void mouseSteps();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString redPath_;
};

void PicturesTest::init()
{
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    redPath_ = dir_->filePath(QStringLiteral("red.png"));
    QFile file(redPath_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(pngBytes(Qt::red));
}

void PicturesTest::pictureFromFile()
{
    PictureBox box;
    QVERIFY(box.setPicture(redPath_));
    QVERIFY(box.hasPicture());
    QCOMPARE(box.picture().size(), QSize(8, 6));
    QCOMPARE(shownColor(box), QColor(Qt::red));
    QCOMPARE(box.picturePath(), redPath_);
}

void PicturesTest::unusablePicturesShowNothing_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("missing file") << "missing.jpg";
    QTest::newRow("not a picture") << "notes.txt";
    QTest::newRow("no name") << "";
}

void PicturesTest::unusablePicturesShowNothing()
{
    QFETCH(QString, name);
    QFile text(dir_->filePath(QStringLiteral("notes.txt")));
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a picture");
    text.close();

    ImageBox box;
    QVERIFY(box.setPicture(redPath_));
    QVERIFY(!box.setPicture(name.isEmpty() ? QString() : dir_->filePath(name)));
    QVERIFY(!box.hasPicture());
    QVERIFY(box.pixmap().isNull()); // the old picture is gone from the screen
    QCOMPARE(box.picturePath(), QString());
}

void PicturesTest::boundPictureShowsStoredBytes()
{
    PictureBox box;
    box.setDataField(QStringLiteral("picture"));
    const QByteArray stored = pngBytes(Qt::blue);
    box.showFieldValue(stored);
    QCOMPARE(shownColor(box), QColor(Qt::blue));
    QVERIFY(!box.dataChanged());
    QCOMPARE(box.boundValue().toByteArray(), stored);

    box.showFieldValue(QVariant()); // a row without a picture
    QVERIFY(!box.hasPicture());
    QVERIFY(!box.dataChanged());
    QVERIFY(box.boundValue().toByteArray().isEmpty());
}

void PicturesTest::loadingByCodeMarksTheBoxChanged()
{
    PictureBox box;
    box.showFieldValue(pngBytes(Qt::blue));
    QVERIFY(box.setPicture(redPath_));
    QVERIFY(box.dataChanged());
    QCOMPARE(box.boundValue().toByteArray(), pngBytes(Qt::red));

    box.showFieldValue(QVariant());
    QVERIFY(box.setPictureData(pngBytes(Qt::green)));
    QVERIFY(box.dataChanged());
    QCOMPARE(shownColor(box), QColor(Qt::green));
}

void PicturesTest::failedLoadNeverWipesTheStoredPicture()
{
    PictureBox box;
    const QByteArray stored = pngBytes(Qt::blue);
    box.showFieldValue(stored);
    QVERIFY(!box.setPicture(dir_->filePath(QStringLiteral("gone.jpg"))));
    QVERIFY(!box.setPictureData(QByteArray("garbage")));
    QVERIFY(!box.dataChanged());
    QCOMPARE(box.boundValue().toByteArray(), stored);

    // Stored bytes that are no picture show nothing but stay as stored.
    box.showFieldValue(QByteArray("OLE header"));
    QVERIFY(!box.hasPicture());
    QCOMPARE(box.boundValue().toByteArray(), QByteArray("OLE header"));
}

void PicturesTest::clearingByCodeIsStoredAsEmpty()
{
    PictureBox box;
    box.showFieldValue(pngBytes(Qt::blue));
    box.clearPicture();
    QVERIFY(box.dataChanged());
    QVERIFY(box.boundValue().toByteArray().isEmpty());
}

void PicturesTest::imageBoxStretches()
{
    ImageBox box;
    box.resize(80, 60);
    box.setStretch(true);
    QVERIFY(box.stretch());
    QVERIFY(box.setPicture(redPath_));
    box.setStretch(false);
    QVERIFY(!box.hasScaledContents());
}

void PicturesTest::mouseSteps()
{
    PictureBox box;
    box.resize(100, 100);
    box.show();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    QSignalSpy downs(&box, &PictureControl::mouseDown);
    QSignalSpy clicks(&box, &PictureControl::click);
    QSignalSpy doubles(&box, &PictureControl::dblClick);
    QTest::mouseClick(&box, Qt::RightButton, Qt::ShiftModifier, QPoint(10, 20));
    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.first(), QList<QVariant>({2, 1, 150, 300})); // right, Shift, twips
    QCOMPARE(clicks.count(), 0); // only the left button clicks
    QTest::mouseClick(&box, Qt::LeftButton, Qt::ControlModifier, QPoint(1, 2));
    QCOMPARE(clicks.count(), 1);
    QCOMPARE(downs.last(), QList<QVariant>({1, 2, 15, 30}));
    QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(1, 2));
    QCOMPARE(doubles.count(), 1);
}

QTEST_MAIN(PicturesTest)
#include "tst_pictures.moc"
