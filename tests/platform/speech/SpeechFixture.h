#pragma once

#include "platform/speech/CharacterFile.h"

#include <QString>
#include <QTemporaryDir>

namespace speechtest {

// A temporary folder holding the program's character file, written by the
// character file writer, for tests that load characters.
class CharacterFolder {
public:
    CharacterFolder() { speech::writeCharacterFile(characterFile(), speech::nuviaCharacter()); }

    QString characterFile() const { return dir_.filePath(QStringLiteral("tamsel.acs")); }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

} // namespace speechtest
