#include "platform/spell/Dictionary.h"

#include "platform/spell/WordScan.h"

#include <QDir>
#include <QFileInfo>

#include <hunspell/hunspell.hxx>

namespace spell {

struct Dictionary::Engine {
    Engine(const QString& aff, const QString& dic)
        : hunspell(QFile::encodeName(aff).constData(), QFile::encodeName(dic).constData())
    {
        utf8 = QString::fromStdString(hunspell.get_dict_encoding()).compare(QLatin1String("UTF-8"), Qt::CaseInsensitive)
               == 0;
    }
    std::string encode(const QString& word) const
    {
        // The dictionaries list the straight apostrophe.
        QString plain = word;
        plain.replace(QChar(0x2019), QLatin1Char('\''));
        return utf8 ? plain.toStdString() : plain.toLatin1().toStdString();
    }
    QString decode(const std::string& word) const
    {
        return utf8 ? QString::fromStdString(word) : QString::fromLatin1(word.data(), qsizetype(word.size()));
    }
    Hunspell hunspell;
    bool utf8 = true;
};

Dictionary::Dictionary() = default;
Dictionary::~Dictionary() = default;

bool Dictionary::open(const QString& path)
{
    engine_.reset();
    const QFileInfo file(path);
    const QString base = file.dir().filePath(file.completeBaseName());
    const QString aff = base + QStringLiteral(".aff");
    const QString dic = base + QStringLiteral(".dic");
    if (!QFileInfo(aff).isReadable() || !QFileInfo(dic).isReadable())
        return false;
    engine_ = std::make_unique<Engine>(aff, dic);
    for (const QString& word : std::as_const(added_))
        engine_->hunspell.add(engine_->encode(word));
    return true;
}

bool Dictionary::isOpen() const
{
    return engine_ != nullptr;
}

bool Dictionary::check(const QString& word) const
{
    if (!engine_ || word.isEmpty() || holdsDigit(word))
        return true;
    return engine_->hunspell.spell(engine_->encode(word));
}

QStringList Dictionary::suggest(const QString& word) const
{
    QStringList spellings;
    if (!engine_)
        return spellings;
    for (const std::string& spelling : engine_->hunspell.suggest(engine_->encode(word)))
        spellings.append(engine_->decode(spelling));
    return spellings;
}

QStringList Dictionary::stems(const QString& word) const
{
    QStringList forms;
    if (!engine_ || word.isEmpty())
        return forms;
    for (const std::string& stem : engine_->hunspell.stem(engine_->encode(word))) {
        const QString form = engine_->decode(stem);
        if (form != word && !forms.contains(form))
            forms.append(form);
    }
    return forms;
}

void Dictionary::addWord(const QString& word)
{
    if (word.isEmpty() || added_.contains(word))
        return;
    added_.append(word);
    if (engine_)
        engine_->hunspell.add(engine_->encode(word));
}

} // namespace spell
