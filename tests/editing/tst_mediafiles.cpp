#include "support/ErrorOf.h"
#include "support/WriteProtection.h"

#include "editing/MediaFiles.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

using namespace editing;
using testsupport::errorOf;

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// Bringing a file chosen anywhere into the picture or video folder.
class MediaFilesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir_;
    QString folder_; // the program's picture folder
    QString elsewhere_;

private slots:
    void init()
    {
        dir_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dir_->isValid());
        folder_ = dir_->filePath(QStringLiteral("pictures"));
        elsewhere_ = dir_->filePath(QStringLiteral("camera"));
        QVERIFY(QDir().mkpath(folder_));
        QVERIFY(QDir().mkpath(elsewhere_));
    }
    void cleanup() { dir_.reset(); }

    void freeNameNeverMeetsATakenOne_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("taken");
        QTest::addColumn<QString>("expected");
        QTest::newRow("free") << "hose.jpg" << QStringList{"nozzle.jpg"} << "hose.jpg";
        QTest::newRow("taken") << "hose.jpg" << QStringList{"hose.jpg"} << "hose (2).jpg";
        QTest::newRow("taken in another letter case") << "hose.jpg" << QStringList{"HOSE.JPG"} << "hose (2).jpg";
        QTest::newRow("the next number free")
            << "hose.jpg" << QStringList{"hose.jpg", "hose (2).jpg", "Hose (3).jpg"} << "hose (4).jpg";
        QTest::newRow("dots inside the stem") << "a.b.mpg" << QStringList{"a.b.mpg"} << "a.b (2).mpg";
        QTest::newRow("no extension") << "clip" << QStringList{"clip"} << "clip (2)";
        QTest::newRow("a leading dot is no extension") << ".jpg" << QStringList{".jpg"} << ".jpg (2)";
    }
    void freeNameNeverMeetsATakenOne()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, taken);
        QFETCH(QString, expected);
        QCOMPARE(freeFileName(name, taken), expected);
    }

    void copyKeepsWhatTheFolderHolds()
    {
        QVERIFY(writeFile(QDir(folder_).filePath(QStringLiteral("Hydrant.JPG")), "the bank's own"));
        const QString source = QDir(elsewhere_).filePath(QStringLiteral("hydrant.jpg"));
        QVERIFY(writeFile(source, "brought in"));

        QCOMPARE(copyIntoFolder(source, folder_), QStringLiteral("hydrant (2).jpg"));
        QCOMPARE(contentOf(QDir(folder_).filePath(QStringLiteral("Hydrant.JPG"))), QByteArray("the bank's own"));
        QCOMPARE(contentOf(QDir(folder_).filePath(QStringLiteral("hydrant (2).jpg"))), QByteArray("brought in"));
        QCOMPARE(copyIntoFolder(source, folder_), QStringLiteral("hydrant (3).jpg"));
        QCOMPARE(contentOf(source), QByteArray("brought in"));
    }

    void copyRefusedLeavesNothing()
    {
        const QString source = QDir(elsewhere_).filePath(QStringLiteral("ladder.jpg"));
        QVERIFY(writeFile(source, "bytes"));
        {
            testsupport::WriteProtection closed(folder_);
            QCOMPARE(errorOf([&] { copyIntoFolder(source, folder_); }), 75);
        }
        QCOMPARE(errorOf([&] { copyIntoFolder(source, dir_->filePath(QStringLiteral("missing"))); }), 75);
        QCOMPARE(errorOf([&] { copyIntoFolder(QDir(elsewhere_).filePath(QStringLiteral("gone.jpg")), folder_); }), 75);
        QCOMPARE(QDir(folder_).entryList(QDir::Files), QStringList());
    }

    void sameFolderSeesThroughSpellings()
    {
        QVERIFY(sameFolder(folder_, folder_ + QStringLiteral("/")));
        QVERIFY(sameFolder(folder_, elsewhere_ + QStringLiteral("/../pictures")));
        QVERIFY(!sameFolder(folder_, elsewhere_));
        QVERIFY(!sameFolder(folder_, dir_->filePath(QStringLiteral("missing"))));
        QVERIFY(!sameFolder(dir_->filePath(QStringLiteral("missing")), dir_->filePath(QStringLiteral("missing"))));
    }

    void pictureFilesAreToldFromOthers_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("isPicture");
        QImage image(4, 3, QImage::Format_RGB32);
        image.fill(Qt::red);
        QByteArray jpeg;
        {
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, "JPG");
        }
        QTest::newRow("a picture") << jpeg << true;
        QTest::newRow("text named .jpg") << QByteArray("Remember to bring the halligan.") << false;
        QTest::newRow("empty") << QByteArray() << false;
        QTest::newRow("a picture cut short") << jpeg.left(20) << false;
    }
    void pictureFilesAreToldFromOthers()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, isPicture);
        const QString path = QDir(folder_).filePath(QStringLiteral("candidate.jpg"));
        QVERIFY(writeFile(path, content));
        QCOMPARE(isPictureFile(path), isPicture);
    }
};

QTEST_MAIN(MediaFilesTest)
#include "tst_mediafiles.moc"
