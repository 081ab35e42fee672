#pragma once

#include "support/ProgramFolder.h"

#include "platform/speech/CharacterFile.h"

#include <QString>

namespace speechtest {

// An empty program folder holding only the program's character file, written
// by the character file writer, for tests that load characters.
class CharacterFolder {
public:
    CharacterFolder() { speech::writeCharacterFile(characterFile(), speech::nuviaCharacter()); }

    QString characterFile() const { return path(QStringLiteral("tamsel.acs")); }
    QString path(const QString& name) const { return folder_.filePath(name); }

private:
    testsupport::ProgramFolder folder_{false};
};

} // namespace speechtest
