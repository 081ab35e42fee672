#include "platform/thesaurus/ThesaurusFile.h"

#include "platform/core/Paths.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>

#include <mythes.hxx>

namespace thesaurus {

namespace {

// The reader refuses longer words; so does this layer, before asking.
constexpr qsizetype longestWord = MAX_WD_LEN - 1;

bool readable(const QString& path)
{
    const QFileInfo info(path);
    return info.isFile() && info.isReadable();
}

// The reader hands out one block per lookup; it must be given back through
// the reader that made it.
class LookupResult {
public:
    LookupResult(MyThes& reader, const QByteArray& key) : reader_(reader)
    {
        count_ = reader_.Lookup(key.constData(), int(key.size()), &entries_);
    }
    ~LookupResult()
    {
        if (entries_)
            reader_.CleanUpAfterLookup(&entries_, count_);
    }
    LookupResult(const LookupResult&) = delete;
    LookupResult& operator=(const LookupResult&) = delete;

    int count() const { return entries_ ? count_ : 0; }
    const mentry& at(int i) const { return entries_[i]; }

private:
    MyThes& reader_;
    mentry* entries_ = nullptr;
    int count_ = 0;
};

} // namespace

struct ThesaurusFile::Files {
    Files(const QString& index, const QString& data)
        : reader(QFile::encodeName(index).constData(), QFile::encodeName(data).constData())
    {
        const char* declared = reader.get_th_encoding();
        encoding = QString::fromLatin1(declared ? declared : "");
        decoder = QStringDecoder(encoding.toLatin1().constData());
        encoder = QStringEncoder(encoding.toLatin1().constData());
        // A set this build cannot convert is read byte for byte.
        if (!decoder.isValid() || !encoder.isValid()) {
            decoder = QStringDecoder(QStringConverter::Latin1);
            encoder = QStringEncoder(QStringConverter::Latin1);
        }
    }

    QString decode(const char* text) { return text ? decoder.decode(QByteArrayView(text)) : QString(); }

    MyThes reader;
    QString encoding;
    QStringDecoder decoder;
    QStringEncoder encoder;
};

ThesaurusFile::ThesaurusFile(std::unique_ptr<Files> files) : files_(std::move(files)) {}

ThesaurusFile::~ThesaurusFile() = default;

std::unique_ptr<ThesaurusFile> ThesaurusFile::open(const QString& indexPath, const QString& dataPath)
{
    if (!readable(indexPath) || !readable(dataPath))
        return nullptr;
    return std::unique_ptr<ThesaurusFile>(new ThesaurusFile(std::make_unique<Files>(indexPath, dataPath)));
}

std::unique_ptr<ThesaurusFile> ThesaurusFile::openInstalled(const QString& programFolder)
{
    if (auto own = open(platform::joinProgramPath(programFolder, QStringLiteral("\\VSTH_AE.idx")),
                        platform::joinProgramPath(programFolder, QStringLiteral("\\VSTH_AE.THE"))))
        return own;
    const QString system = QStringLiteral(DRILLBOOK_SYSTEM_THESAURUS);
    return open(system + QStringLiteral(".idx"), system + QStringLiteral(".dat"));
}

QList<Meaning> ThesaurusFile::lookup(const QString& key) const
{
    QList<Meaning> meanings;
    if (key.isEmpty() || key.size() > longestWord)
        return meanings;
    const QByteArray bytes = files_->encoder.encode(key);
    // A word the file's character set cannot hold is not in the file.
    if (files_->encoder.hasError() || bytes.size() > longestWord) {
        files_->encoder.resetState();
        return meanings;
    }
    const LookupResult result(files_->reader, bytes);
    for (int i = 0; i < result.count(); ++i) {
        const mentry& entry = result.at(i);
        Meaning meaning;
        meaning.definition = files_->decode(entry.defn);
        for (int s = 0; s < entry.count; ++s)
            meaning.synonyms.append(files_->decode(entry.psyns[s]));
        meanings.append(meaning);
    }
    return meanings;
}

QString ThesaurusFile::encoding() const
{
    return files_->encoding;
}

} // namespace thesaurus
