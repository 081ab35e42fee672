#include "platform/speech/CharacterControl.h"

#include "platform/core/Errors.h"
#include "platform/speech/Character.h"
#include "platform/speech/CharacterFile.h"
#include "platform/speech/SpeechEngine.h"

namespace speech {

namespace errors = platform::errors;

CharacterControl::CharacterControl(QObject* parent) : CharacterControl(SpeechEngine::forApplication(), parent) {}

CharacterControl::CharacterControl(SpeechEngine& engine, QObject* parent) : QObject(parent), engine_(engine) {}

CharacterControl::~CharacterControl() = default;

Character& CharacterControl::load(const QString& id, const QString& characterFile)
{
    const QString key = id.toLower();
    if (characters_.count(key))
        throw errors::characterAlreadyLoaded(id);
    const CharacterDescription description = readCharacterFile(characterFile);
    auto character = std::make_unique<Character>(id, description, engine_, log_);
    connect(character.get(), &Character::bookmark, this, &CharacterControl::bookmark);
    return *characters_.emplace(key, std::move(character)).first->second;
}

Character& CharacterControl::character(const QString& id) const
{
    const auto found = characters_.find(id.toLower());
    if (found == characters_.end())
        throw errors::characterNotLoaded(id);
    return *found->second;
}

bool CharacterControl::isLoaded(const QString& id) const
{
    return characters_.count(id.toLower()) != 0;
}

} // namespace speech
