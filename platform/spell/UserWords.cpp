#include "platform/spell/UserWords.h"

#include "platform/core/Errors.h"
#include "platform/core/WholeFile.h"

#include <QFile>

namespace spell {

void UserWords::load(const QString& path)
{
    path_ = path;
    words_.clear();
    stored_.clear();
    QFile file(path);
    unreadable_ = file.exists() && !file.open(QIODevice::ReadOnly);
    if (!file.isOpen())
        return;
    stored_ = file.readAll();
    const QString text = QString::fromUtf8(stored_).remove(QLatin1Char('\r'));
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString word = line.trimmed();
        if (!word.isEmpty() && !words_.contains(word))
            words_.append(word);
    }
}

void UserWords::add(const QString& word)
{
    if (word.isEmpty() || words_.contains(word))
        return;
    if (unreadable_)
        throw platform::errors::cannotOpen(path_, QStringLiteral("the word list could not be read"));
    // The list as it was, to the byte, and the word after it, written anew
    // and swapped in, so a failed write leaves the old list whole.
    QByteArray kept = stored_;
    if (!kept.isEmpty() && !kept.endsWith('\n'))
        kept += '\n';
    kept += word.toUtf8() + '\n';
    const QString failure = platform::replaceWholeFile(path_, kept);
    if (!failure.isEmpty())
        throw platform::errors::cannotOpen(path_, failure);
    stored_ = kept;
    words_.append(word);
}

} // namespace spell
