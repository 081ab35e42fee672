#include "SampleDocuments.h"
#include "SealedBytes.h"
#include "support/FullDisk.h"

#include "platform/core/Errors.h"
#include "platform/print/PrintControl.h"
#include "platform/print/SavedTestFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <functional>

using Damage = std::function<QByteArray(const QByteArray&)>;
Q_DECLARE_METATYPE(Damage)

namespace {

QByteArray fileBytes()
{
    static const QByteArray bytes = print::savedTestBytes(printtest::mixedDocument());
    return bytes;
}

// The pages of a one-page document with one text, written by hand so that
// single values can be put out of their bounds.
struct HandPayload {
    quint32 pages = 1;
    quint8 frame = 4;
    quint32 runs = 1;
    double size = 10;
    quint32 color = 0xFF;
    qint32 x = 1080;
    qint32 height = 240;
    quint32 textLength = 4; // characters
    bool extraByte = false;

    QByteArray bytes() const
    {
        QByteArray payload;
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(QDataStream::Qt_6_0);
        out << qint32(12240) << qint32(15840) << pages;
        out << QStringLiteral("head") << QString() << frame << quint32(0) << quint32(0) << runs;
        // A string is its length in bytes, then UTF-16.
        out << quint32(textLength * 2);
        for (quint32 i = 0; i < qMin<quint32>(textLength, 4); ++i)
            out << quint16('a' + i);
        out << QStringLiteral("Arial") << size << false << color << x << qint32(1440) << qint32(500) << height
            << qint32(190);
        if (extraByte)
            out << quint8(0);
        return payload;
    }
};

} // namespace

Q_DECLARE_METATYPE(HandPayload)

class SavedTestFileTest : public QObject {
    Q_OBJECT

private slots:
    void savedPagesComeBackIdentical();
    void refusedFiles_data();
    void refusedFiles();
    void valuesOutOfBounds_data();
    void valuesOutOfBounds();
    void randomDamageIsRefusedOrRead();
    void unwritablePlaceIsReported();
    void refusedWriteKeepsTheEarlierFile_data();
    void refusedWriteKeepsTheEarlierFile();

private:
    QTemporaryDir dir_;
};

void SavedTestFileTest::savedPagesComeBackIdentical()
{
    print::PrintControl control;
    control.startDocument();
    control.endDocument();
    control.replaceDocument(printtest::mixedDocument());
    const QString path = dir_.filePath(QStringLiteral("roundtrip.qfx"));
    control.save(path);

    print::PrintControl other;
    other.load(path);
    QVERIFY(other.pageCount() >= 2);
    QCOMPARE(other.pageCount(), control.pageCount());
    QVERIFY(other.document() == control.document());
    // Saving what was read gives the same file again.
    QCOMPARE(print::savedTestBytes(other.document()), fileBytes());
}

// A file that is not a saved test, is cut short or is damaged is refused
// with a message naming the file, and the document shown stays as it was.
void SavedTestFileTest::refusedFiles_data()
{
    QTest::addColumn<Damage>("damage");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("says");
    const int invalid = platform::errors::notASavedTest.number;
    auto row = [&](const char* name, Damage damage, const char* says) {
        QTest::newRow(name) << damage << invalid << QString::fromUtf8(says);
    };
    row("empty file", [](const QByteArray&) { return QByteArray(); }, "is not a saved test");
    row("text file", [](const QByteArray&) { return QByteArray("Name:  Class:  Date:\r\n"); }, "is not a saved test");
    row("picture", [](const QByteArray&) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        QImage(4, 4, QImage::Format_RGB32).save(&buffer, "PNG");
        return png;
    }, "is not a saved test");
    row("cut inside the mark", [](const QByteArray& b) { return b.left(5); }, "is not a saved test");
    row("cut after the mark", [](const QByteArray& b) { return b.left(10); }, "ends early");
    row("cut in the pages", [](const QByteArray& b) { return b.left(b.size() / 2); }, "ends early");
    row("cut in the checksum", [](const QByteArray& b) { return b.left(b.size() - 1); }, "ends early");
    row("byte changed in the pages", [](const QByteArray& b) {
        QByteArray d = b;
        d[b.size() / 2] = char(d[b.size() / 2] ^ 0x20);
        return d;
    }, "checksum");
    row("byte changed in the checksum", [](const QByteArray& b) {
        QByteArray d = b;
        d[b.size() - 3] = char(d[b.size() - 3] ^ 1);
        return d;
    }, "checksum");
    row("bytes after the end", [](const QByteArray& b) { return b + "x"; }, "after the end");
    row("newer version", [](const QByteArray& b) {
        QByteArray d = b;
        d[9] = 2;
        return d;
    }, "newer version");
    row("unknown flags", [](const QByteArray& b) {
        QByteArray d = b;
        d[11] = 1;
        return d;
    }, "unknown format");
}

void SavedTestFileTest::refusedFiles()
{
    QFETCH(Damage, damage);
    QFETCH(int, error);
    QFETCH(QString, says);
    const QString path = dir_.filePath(QStringLiteral("damaged.qfx"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(damage(fileBytes()));
    file.close();

    print::PrintControl control;
    control.startDocument();
    control.writeLine(QStringLiteral("the test on screen"));
    control.endDocument();
    const print::Document before = control.document();
    try {
        control.load(path);
        QFAIL("the file was read");
    } catch (const platform::RuntimeError& failure) {
        QCOMPARE(failure.number(), error);
        QVERIFY2(failure.description().contains(QStringLiteral("damaged.qfx")), qPrintable(failure.description()));
        QVERIFY2(failure.description().contains(says), qPrintable(failure.description()));
    }
    QVERIFY(control.document() == before);
}

// Pages whose checksum is right but whose values a composed page never has
// are refused too: the checksum guards against damage, the bounds against a
// file made to look like a saved test.
void SavedTestFileTest::valuesOutOfBounds_data()
{
    QTest::addColumn<HandPayload>("payload");
    QTest::addColumn<bool>("read");
    HandPayload good;
    QTest::newRow("in bounds") << good << true;
    auto bad = [&](const char* name, std::function<void(HandPayload&)> change) {
        HandPayload p = good;
        change(p);
        QTest::newRow(name) << p << false;
    };
    bad("page count beyond the data", [](HandPayload& p) { p.pages = 2; });
    bad("page count beyond any document", [](HandPayload& p) { p.pages = 0xFFFFFFFF; });
    bad("frame 6", [](HandPayload& p) { p.frame = 6; });
    bad("text count beyond any page", [](HandPayload& p) { p.runs = 0x7FFFFFFF; });
    bad("font size 0", [](HandPayload& p) { p.size = 0; });
    bad("font size not a number", [](HandPayload& p) { p.size = qQNaN(); });
    bad("colour with a system bit", [](HandPayload& p) { p.color = 0x8000000F; });
    bad("text far off the page", [](HandPayload& p) { p.x = 1 << 30; });
    bad("negative height", [](HandPayload& p) { p.height = -5; });
    bad("text longer than the file", [](HandPayload& p) { p.textLength = 1 << 28; });
    bad("bytes after the last page", [](HandPayload& p) { p.extraByte = true; });
}

void SavedTestFileTest::valuesOutOfBounds()
{
    QFETCH(HandPayload, payload);
    QFETCH(bool, read);
    const QByteArray bytes = printtest::sealed(fileBytes(), payload.bytes());
    try {
        const print::Document document = print::readSavedTest(bytes, QStringLiteral("made.qfx"));
        QVERIFY(read);
        QCOMPARE(document.pages.at(0).runs.at(0).text, QStringLiteral("abcd"));
        QCOMPARE(document.pages.at(0).frame, print::PageFrame::box);
    } catch (const platform::RuntimeError& failure) {
        QVERIFY2(!read, qPrintable(failure.description()));
        QCOMPARE(failure.number(), platform::errors::savedTestDamaged.number);
        QVERIFY(failure.description().contains(QStringLiteral("made.qfx")));
    }
}

// Random damage, cut, flipped, inserted and sealed again so it reaches the
// reader's checks: every file is either refused with the program's error
// or read; nothing else happens.
void SavedTestFileTest::randomDamageIsRefusedOrRead()
{
    QRandomGenerator random(20261210);
    const QByteArray original = fileBytes();
    int refused = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray payload = printtest::payloadOf(original);
        switch (round % 4) {
        case 0:
            payload.truncate(random.bounded(payload.size()));
            break;
        case 1:
            for (int i = 0, n = 1 + random.bounded(8); i < n; ++i)
                payload[random.bounded(payload.size())] = char(random.bounded(256));
            break;
        case 2:
            payload.insert(random.bounded(payload.size()), QByteArray(1 + random.bounded(6), char(random.bounded(256))));
            break;
        case 3:
            payload.remove(random.bounded(payload.size()), 1 + random.bounded(6));
            break;
        }
        const bool seal = round % 8 < 6;
        QByteArray bytes = seal ? printtest::sealed(original, payload)
                                : original.left(printtest::prefixSize) + payload;
        try {
            print::readSavedTest(bytes, QStringLiteral("random.qfx"));
        } catch (const platform::RuntimeError& failure) {
            QCOMPARE(failure.number(), platform::errors::savedTestDamaged.number);
            ++refused;
        }
    }
    // Most damage is caught; a changed letter inside a text reads as a text.
    QVERIFY(refused > 200);
}

void SavedTestFileTest::unwritablePlaceIsReported()
{
    const QString blocker = dir_.filePath(QStringLiteral("a-file"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    print::PrintControl control;
    control.startDocument();
    control.endDocument();
    try {
        control.save(blocker + QStringLiteral("/test.qfx"));
        QFAIL("saved into a file as if it were a folder");
    } catch (const platform::RuntimeError& failure) {
        QCOMPARE(failure.number(), platform::errors::savedTestUnwritable.number);
        QVERIFY(failure.description().contains(QStringLiteral("test.qfx")));
    }
}

// A save the disk refuses throws, naming the file and the reason, and leaves
// the earlier test of that name whole, also once there is room again; then
// the same save goes through.
void SavedTestFileTest::refusedWriteKeepsTheEarlierFile_data()
{
    testsupport::refusedWriteRows();
}

void SavedTestFileTest::refusedWriteKeepsTheEarlierFile()
{
    QFETCH(bool, fullFilesystem);
    QFETCH(QString, reason);
    testsupport::RefusingDisk disk(fullFilesystem);
    if (!disk.ready())
        QSKIP(qPrintable(disk.whyNot()));
    const QString path = disk.filePath(QStringLiteral("earlier.qfx"));
    print::PrintControl earlier;
    earlier.startDocument();
    earlier.endDocument();
    earlier.save(path);
    const auto stored = [&] {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray before = stored();
    QVERIFY(!before.isEmpty());

    print::PrintControl control;
    control.replaceDocument(printtest::mixedDocument());
    QVERIFY(disk.refuse(16));
    try {
        control.save(path);
        disk.allow();
        QFAIL("a save the disk refused counted as saved");
    } catch (const platform::RuntimeError& failure) {
        QVERIFY(disk.allow());
        QCOMPARE(failure.number(), platform::errors::savedTestUnwritable.number);
        QVERIFY2(failure.description().contains(path) && failure.description().contains(reason),
                 qPrintable(failure.description()));
    }
    QCOMPARE(stored(), before);
    control.save(path);
    print::PrintControl other;
    other.load(path);
    QVERIFY(other.document() == control.document());
}

QTEST_MAIN(SavedTestFileTest)
#include "tst_savedtestfile.moc"
