// The sample clips' writer: the pieces a decoder depends on bit for bit, and
// a whole stream played back through Qt Multimedia.
#include "data/tools/assets/mpeg1.h"
#include "platform/media/Backend.h"

#include <QGuiApplication>
#include <QMediaPlayer>
#include <QPainter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <cmath>

using namespace assets::mpeg1;

namespace {

QString bitString(const BitWriter& out, int count)
{
    QString bits;
    for (int i = 0; i < count; ++i)
        bits += (quint8(out.bytes().at(i / 8)) >> (7 - i % 8)) & 1 ? QLatin1Char('1') : QLatin1Char('0');
    return bits;
}

QString codeString(Code code)
{
    return QString::number(code.bits, 2).rightJustified(code.length, QLatin1Char('0'));
}

bool prefixFree(const QStringList& codes)
{
    for (const QString& a : codes)
        for (const QString& b : codes)
            if (&a != &b && b.startsWith(a))
                return false;
    return true;
}

} // namespace

class tst_VideoClips : public QObject {
    Q_OBJECT
private slots:
    void dctOfFlatBlockIsItsDcAlone()
    {
        Block flat;
        flat.fill(100);
        const Block dct = forwardDct(flat);
        QCOMPARE(std::lround(dct[0]), 800L);
        for (int i = 1; i < 64; ++i)
            QVERIFY2(std::abs(dct[i]) < 1e-9, qPrintable(QString::number(i)));
    }

    // A pattern that varies down the block only must land in the first
    // column: rows and columns swapped would put it in the first row.
    void dctKeepsRowsAndColumnsApart()
    {
        Block stripes;
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                stripes[y * 8 + x] = 128 + 50 * std::cos((2 * y + 1) * M_PI / 16.0);
        const Block dct = forwardDct(stripes);
        QVERIFY(std::abs(dct[8]) > 100);
        QVERIFY(std::abs(dct[1]) < 1e-9);
    }

    void quantisingFollowsTheZigZag()
    {
        Block dct{};
        dct[0] = 8 * 77;
        dct[8] = 8 * 16 * 3 / 8.0;   // row 1, column 0: weight 16, third in the scan
        dct[1] = -8 * 16 * 2 / 8.0;  // row 0, column 1: second in the scan
        const Coefficients levels = quantiseIntra(dct, 8);
        QCOMPARE(levels[0], 77);
        QCOMPARE(levels[1], -2);
        QCOMPARE(levels[2], 3);
        for (int i = 3; i < 64; ++i)
            QCOMPARE(levels[i], 0);
    }

    // A decoder reads the codes without lengths: one code that begins
    // another makes every stream after it garbage.
    void codeTablesArePrefixFree()
    {
        QStringList runLevel{QStringLiteral("10"), QStringLiteral("000001")};  // end of block, escape
        for (int run = 0; run < 64; ++run)
            for (int level = 1; level < 41; ++level)
                if (const Code code = runLevelCode(run, level); code.length > 0)
                    runLevel << codeString(code) + QLatin1Char('0') << codeString(code) + QLatin1Char('1');
        QVERIFY(runLevel.size() > 20);
        QVERIFY(prefixFree(runLevel));
        for (const bool luminance : {true, false}) {
            QStringList sizes;
            for (int size = 0; size <= 8; ++size)
                sizes << codeString(dcSizeCode(size, luminance));
            QVERIFY(prefixFree(sizes));
        }
    }

    void dcSizes_data()
    {
        QTest::addColumn<int>("difference");
        QTest::addColumn<int>("size");
        QTest::newRow("none") << 0 << 0;
        QTest::newRow("one") << 1 << 1;
        QTest::newRow("minus one") << -1 << 1;
        QTest::newRow("three") << 3 << 2;
        QTest::newRow("minus four") << -4 << 3;
        QTest::newRow("largest") << 255 << 8;
        QTest::newRow("smallest") << -255 << 8;
    }
    void dcSizes()
    {
        QFETCH(int, difference);
        QFETCH(int, size);
        QCOMPARE(dcSize(difference), size);
    }

    void blockBits_data()
    {
        QTest::addColumn<int>("predictor");
        QTest::addColumn<QList<int>>("levels");  // zig-zag order from the DC
        QTest::addColumn<QString>("bits");
        // DC 131 after 128: size 2 "01", then 3 "11"; level -1 "11"+"1"; end "10".
        QTest::newRow("short codes") << 128 << QList<int>{131, -1} << QStringLiteral("01" "11" "111" "10");
        // DC 126 after 128: size 2, -2 sent as -2+3 = 1 "01"; a zero run of 2 then 1: "0101"+"0".
        QTest::newRow("negative dc, run") << 128 << QList<int>{126, 0, 0, 1} << QStringLiteral("01" "01" "01010" "10");
        // No change in DC: size 0 "100"; level 40 has no short code: escape, run 0, 8 bits.
        QTest::newRow("escape") << 128 << QList<int>{128, 40}
                                << QStringLiteral("100" "000001" "000000" "00101000" "10");
        // A level beyond 127 takes the long escape form.
        QTest::newRow("long escape") << 128 << QList<int>{128, -200}
                                     << QStringLiteral("100" "000001" "000000" "10000000" "00111000" "10");
    }
    void blockBits()
    {
        QFETCH(int, predictor);
        QFETCH(QList<int>, levels);
        QFETCH(QString, bits);
        Coefficients coefficients{};
        for (int i = 0; i < levels.size(); ++i)
            coefficients[i] = levels[i];
        BitWriter out;
        int dc = predictor;
        writeBlock(out, coefficients, dc, true);
        out.align();
        QCOMPARE(bitString(out, int(bits.size())), bits);
        QCOMPARE(out.bytes().size(), (bits.size() + 7) / 8);
        QCOMPARE(dc, levels[0]);
    }

    // The whole stream, read back by the player the question window uses:
    // frames of the right size, with the colours that went in.
    void playsBackThroughQtMultimedia()
    {
        const QSize size(64, 48);
        Encoder encoder(size.width(), size.height());
        QImage image(size, QImage::Format_RGB32);
        for (int frame = 0; frame < 12; ++frame) {
            QPainter painter(&image);
            painter.fillRect(QRect(0, 0, 32, 48), QColor(220, 40, 30));
            painter.fillRect(QRect(32, 0, 32, 48), QColor(30, 60, 200));
            painter.end();
            encoder.addFrame(image);
        }
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("clip.mpg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(encoder.finish());
        file.close();

        QMediaPlayer player;
        QVideoSink sink;
        player.setVideoSink(&sink);
        QImage seen;
        int frames = 0;
        connect(&sink, &QVideoSink::videoFrameChanged, this, [&](const QVideoFrame& frame) {
            if (!frame.isValid())
                return;
            ++frames;
            seen = frame.toImage();
        });
        QSignalSpy errors(&player, &QMediaPlayer::errorOccurred);
        player.setSource(QUrl::fromLocalFile(path));
        player.play();
        QTRY_VERIFY_WITH_TIMEOUT(player.mediaStatus() == QMediaPlayer::EndOfMedia || !errors.isEmpty(), 10000);
        QVERIFY2(errors.isEmpty(), qPrintable(player.errorString()));
        QVERIFY(frames > 0);
        QCOMPARE(seen.size(), size);
        const QColor left = seen.pixelColor(12, 24), right = seen.pixelColor(52, 24);
        QVERIFY2(left.red() > 180 && left.blue() < 80, qPrintable(left.name()));
        QVERIFY2(right.blue() > 160 && right.red() < 80, qPrintable(right.name()));
    }
};

int main(int argc, char* argv[])
{
    // The backend is chosen before the application makes any of it.
    media::chooseBackend();
    QGuiApplication app(argc, argv);
    tst_VideoClips test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_videoclips.moc"
