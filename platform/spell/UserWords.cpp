#include "platform/spell/UserWords.h"

#include "platform/core/Errors.h"

#include <QFile>
#include <QSaveFile>

namespace spell {

void UserWords::load(const QString& path)
{
    path_ = path;
    words_.clear();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    const QString text = QString::fromUtf8(file.readAll());
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
    QStringList kept = words_;
    kept.append(word);
    // The whole list is written anew and swapped in, so a failed write
    // leaves the old list whole.
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        throw platform::errors::cannotOpen(path_, file.errorString());
    file.write((kept.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8());
    if (!file.commit())
        throw platform::errors::cannotOpen(path_, file.errorString());
    words_ = kept;
}

} // namespace spell
