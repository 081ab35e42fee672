#include "platform/print/SavedTestFile.h"

#include "platform/core/Errors.h"
#include "platform/core/Units.h"
#include "platform/core/WholeFile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QDataStream>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace print {

namespace {

constexpr char mark[] = "DRILLQFX";
constexpr int markSize = 8;
constexpr quint16 formatVersion = 1;
constexpr QDataStream::Version streamVersion = QDataStream::Qt_6_0;
constexpr int digestSize = 32;
constexpr int prefixSize = markSize + 2 + 2 + 8;

// Bounds no composed document comes near; they keep a damaged count from
// asking for more than the file can hold.
constexpr qint64 largestFile = qint64(512) << 20;
constexpr quint32 mostPages = 100000;
constexpr quint32 mostItems = 1000000;
constexpr int largestPaper = platform::twipsPerInch * 100;
constexpr int largestPicture = 20000;

QByteArray pngOf(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

void writePayload(QDataStream& out, const Document& document)
{
    out << qint32(document.paper.width) << qint32(document.paper.height) << quint32(document.pages.size());
    for (const Page& page : document.pages) {
        out << page.header << page.footer << quint8(page.frame);
        out << quint32(page.rules.size());
        for (const Rule& rule : page.rules)
            out << qint32(rule.x1) << qint32(rule.y1) << qint32(rule.x2) << qint32(rule.y2) << qint32(rule.width);
        out << quint32(page.pictures.size());
        for (const PictureItem& picture : page.pictures)
            out << qint32(picture.x) << qint32(picture.top) << qint32(picture.width) << qint32(picture.height)
                << pngOf(picture.image);
        out << quint32(page.runs.size());
        for (const TextRun& run : page.runs)
            out << run.text << run.style.family << run.style.pointSize << run.style.bold << quint32(run.style.color)
                << qint32(run.x) << qint32(run.top) << qint32(run.width) << qint32(run.height) << qint32(run.baseline);
    }
}

// Reads the payload, checking each value as it comes; fail() names what is
// wrong.
class PayloadReader {
public:
    PayloadReader(const QByteArray& payload, const QString& name) : in_(payload), name_(name)
    {
        in_.setVersion(streamVersion);
    }

    Document read()
    {
        Document document;
        document.paper.width = readInt(platform::twipsPerInch, largestPaper, "paper width");
        document.paper.height = readInt(platform::twipsPerInch, largestPaper, "paper height");
        paper_ = document.paper;
        const quint32 pages = readCount(mostPages, "page count");
        document.pages.reserve(pages);
        for (quint32 i = 0; i < pages; ++i)
            document.pages.push_back(readPage());
        if (!in_.atEnd())
            fail("data after the last page");
        return document;
    }

private:
    Page readPage()
    {
        Page page;
        page.header = readString();
        page.footer = readString();
        quint8 frame = 0;
        in_ >> frame;
        check();
        if (frame > lastPageFrame)
            fail("page frame out of range");
        page.frame = PageFrame(frame);
        const quint32 rules = readCount(mostItems, "rule count");
        for (quint32 i = 0; i < rules; ++i) {
            Rule rule;
            rule.x1 = readX();
            rule.y1 = readY();
            rule.x2 = readX();
            rule.y2 = readY();
            rule.width = readInt(1, platform::twipsPerInch, "rule width");
            page.rules.push_back(rule);
        }
        const quint32 pictures = readCount(mostItems, "picture count");
        for (quint32 i = 0; i < pictures; ++i) {
            PictureItem picture;
            picture.x = readX();
            picture.top = readY();
            picture.width = readInt(0, largestPaper, "picture width");
            picture.height = readInt(0, largestPaper, "picture height");
            QByteArray png;
            in_ >> png;
            check();
            // The size is read from the header first, so a damaged one cannot
            // make the decoder allocate a huge image.
            QBuffer buffer(&png);
            buffer.open(QIODevice::ReadOnly);
            QImageReader reader(&buffer, "PNG");
            const QSize size = reader.size();
            if (!size.isValid() || size.width() > largestPicture || size.height() > largestPicture)
                fail("picture size out of range");
            if (!reader.read(&picture.image))
                fail("picture cannot be read");
            page.pictures.push_back(std::move(picture));
        }
        const quint32 runs = readCount(mostItems, "text count");
        page.runs.reserve(runs);
        for (quint32 i = 0; i < runs; ++i) {
            TextRun run;
            run.text = readString();
            run.style.family = readString();
            in_ >> run.style.pointSize >> run.style.bold;
            check();
            if (!(run.style.pointSize > 0.0 && run.style.pointSize <= 1638.0))
                fail("font size out of range");
            quint32 color = 0;
            in_ >> color;
            check();
            if (color > 0xFFFFFF)
                fail("colour out of range");
            run.style.color = color;
            run.x = readX();
            run.top = readY();
            run.width = readInt(0, 2 * largestPaper, "text width");
            run.height = readInt(0, largestPaper, "text height");
            run.baseline = readInt(0, largestPaper, "text baseline");
            page.runs.push_back(std::move(run));
        }
        return page;
    }

    QString readString()
    {
        QString text;
        in_ >> text;
        check();
        return text;
    }

    int readInt(int least, int most, const char* what)
    {
        qint32 value = 0;
        in_ >> value;
        check();
        if (value < least || value > most)
            fail(QStringLiteral("%1 out of range").arg(QLatin1String(what)));
        return value;
    }

    int readX() { return readInt(-paper_.width, 2 * paper_.width, "position"); }
    int readY() { return readInt(-paper_.height, 2 * paper_.height, "position"); }

    quint32 readCount(quint32 most, const char* what)
    {
        quint32 count = 0;
        in_ >> count;
        check();
        if (count > most)
            fail(QStringLiteral("%1 out of range").arg(QLatin1String(what)));
        return count;
    }

    void check()
    {
        if (in_.status() != QDataStream::Ok)
            fail(QStringLiteral("the pages end early"));
    }

    [[noreturn]] void fail(const QString& why) { throw platform::errors::savedTestDamaged(name_, why); }
    [[noreturn]] void fail(const char* why) { fail(QString::fromLatin1(why)); }

    QDataStream in_;
    QString name_;
    PaperSize paper_;
};

} // namespace

QByteArray savedTestBytes(const Document& document)
{
    QByteArray payload;
    {
        QDataStream out(&payload, QIODevice::WriteOnly);
        out.setVersion(streamVersion);
        writePayload(out, document);
    }
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out.setVersion(streamVersion);
    out.writeRawData(mark, markSize);
    out << formatVersion << quint16(0) << quint64(payload.size());
    out.writeRawData(payload.constData(), int(payload.size()));
    const QByteArray digest = QCryptographicHash::hash(payload, QCryptographicHash::Sha256);
    out.writeRawData(digest.constData(), int(digest.size()));
    return bytes;
}

Document readSavedTest(const QByteArray& bytes, const QString& name)
{
    if (bytes.size() < markSize || bytes.left(markSize) != QByteArray(mark, markSize))
        throw platform::errors::notASavedTest(name);
    if (bytes.size() < prefixSize)
        throw platform::errors::savedTestDamaged(name, QStringLiteral("the file ends early"));
    QDataStream in(bytes);
    in.setVersion(streamVersion);
    in.skipRawData(markSize);
    quint16 version = 0;
    quint16 flags = 0;
    quint64 length = 0;
    in >> version >> flags >> length;
    if (version > formatVersion)
        throw platform::errors::savedTestTooNew(name);
    if (version == 0 || flags != 0)
        throw platform::errors::savedTestDamaged(name, QStringLiteral("unknown format"));
    const quint64 rest = quint64(bytes.size() - prefixSize);
    if (length > rest || rest - length < digestSize)
        throw platform::errors::savedTestDamaged(name, QStringLiteral("the file ends early"));
    if (rest - length > digestSize)
        throw platform::errors::savedTestDamaged(name, QStringLiteral("data after the end"));
    const QByteArray payload = bytes.mid(prefixSize, qsizetype(length));
    const QByteArray digest = bytes.mid(prefixSize + qsizetype(length), digestSize);
    if (QCryptographicHash::hash(payload, QCryptographicHash::Sha256) != digest)
        throw platform::errors::savedTestDamaged(name, QStringLiteral("its contents do not match its checksum"));
    return PayloadReader(payload, name).read();
}

void saveSavedTest(const QString& path, const Document& document)
{
    const QString failure = platform::replaceWholeFile(path, savedTestBytes(document));
    if (!failure.isEmpty())
        throw platform::errors::savedTestUnwritable(path, failure);
}

Document loadSavedTest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::errors::savedTestUnreadable(path, file.errorString());
    if (file.size() > largestFile)
        throw platform::errors::notASavedTest(QFileInfo(path).fileName());
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw platform::errors::savedTestUnreadable(path, file.errorString());
    return readSavedTest(bytes, QFileInfo(path).fileName());
}

} // namespace print
