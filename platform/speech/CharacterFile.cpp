#include "platform/speech/CharacterFile.h"

#include "platform/core/Errors.h"
#include "platform/core/WholeFile.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <espeak-ng/speak_lib.h>

#include <array>
#include <utility>

namespace speech {

namespace errors = platform::errors;

namespace {

const QLatin1String formatName("drillbook character");
constexpr int formatVersion = 1;

// The look's colours by their names in the file.
std::array<std::pair<QLatin1String, QColor CharacterLook::*>, 7> lookFields()
{
    return {{{QLatin1String("helmet"), &CharacterLook::helmet},
             {QLatin1String("coat"), &CharacterLook::coat},
             {QLatin1String("trim"), &CharacterLook::trim},
             {QLatin1String("skin"), &CharacterLook::skin},
             {QLatin1String("outline"), &CharacterLook::outline},
             {QLatin1String("balloon"), &CharacterLook::balloon},
             {QLatin1String("balloonText"), &CharacterLook::balloonText}}};
}

QString requiredText(const QJsonObject& object, QLatin1String key, const QString& path)
{
    const QJsonValue value = object.value(key);
    if (!value.isString() || value.toString().trimmed().isEmpty())
        throw errors::characterFileInvalid(path, QStringLiteral("'%1' must be a non-empty text").arg(key));
    return value.toString();
}

int requiredNumber(const QJsonObject& object, QLatin1String key, int lowest, int highest, const QString& path)
{
    const QJsonValue value = object.value(key);
    const double number = value.toDouble(-1.0);
    if (!value.isDouble() || number != int(number) || number < lowest || number > highest) {
        throw errors::characterFileInvalid(
            path, QStringLiteral("'%1' must be a whole number from %2 to %3").arg(key).arg(lowest).arg(highest));
    }
    return int(number);
}

} // namespace

CharacterDescription readCharacterFile(const QString& path)
{
    QFile file(path);
    if (!file.exists())
        throw errors::characterFileMissing(path);
    if (!file.open(QIODevice::ReadOnly))
        throw errors::characterFileInvalid(path, file.errorString());

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        throw errors::characterFileInvalid(path, QStringLiteral("not a character description"));
    const QJsonObject root = document.object();
    if (root.value(QLatin1String("format")).toString() != formatName)
        throw errors::characterFileInvalid(path, QStringLiteral("not a character description"));
    if (root.value(QLatin1String("version")).toInt() != formatVersion)
        throw errors::characterFileInvalid(path, QStringLiteral("unsupported version"));

    CharacterDescription description;
    description.name = requiredText(root, QLatin1String("name"), path);
    description.voice.voice = requiredText(root, QLatin1String("voice"), path);
    description.voice.wordsPerMinute =
        requiredNumber(root, QLatin1String("wordsPerMinute"), espeakRATE_MINIMUM, espeakRATE_MAXIMUM, path);
    description.voice.pitch = requiredNumber(root, QLatin1String("pitch"), 0, 100, path);

    const QJsonObject look = root.value(QLatin1String("look")).toObject();
    for (const auto& [key, member] : lookFields()) {
        const QColor colour = QColor::fromString(look.value(key).toString());
        if (!colour.isValid())
            throw errors::characterFileInvalid(path, QStringLiteral("the look's '%1' is not a colour").arg(key));
        description.look.*member = colour;
    }
    return description;
}

void writeCharacterFile(const QString& path, const CharacterDescription& description)
{
    QJsonObject look;
    for (const auto& [key, member] : lookFields())
        look.insert(key, (description.look.*member).name());
    QJsonObject root;
    root.insert(QLatin1String("format"), formatName);
    root.insert(QLatin1String("version"), formatVersion);
    root.insert(QLatin1String("name"), description.name);
    root.insert(QLatin1String("voice"), description.voice.voice);
    root.insert(QLatin1String("wordsPerMinute"), description.voice.wordsPerMinute);
    root.insert(QLatin1String("pitch"), description.voice.pitch);
    root.insert(QLatin1String("look"), look);

    const QString failure = platform::replaceWholeFile(path, QJsonDocument(root).toJson(QJsonDocument::Indented));
    if (!failure.isEmpty())
        throw errors::characterFileUnwritable(path, failure);
}

CharacterDescription nuviaCharacter()
{
    CharacterDescription nuvia;
    nuvia.name = QStringLiteral("Nuvia");
    nuvia.voice = {QStringLiteral("en-us"), 165, 55};
    nuvia.look.helmet = QColor(0xb7, 0x1c, 0x1c); // fire-service red
    nuvia.look.coat = QColor(0xc8, 0xa2, 0x6a);   // tan turnout coat
    nuvia.look.trim = QColor(0xd9, 0xe0, 0x21);   // reflective yellow-green
    nuvia.look.skin = QColor(0xe8, 0xb9, 0x8a);
    nuvia.look.outline = QColor(0x3b, 0x2a, 0x1e);
    nuvia.look.balloon = QColor(0xff, 0xfb, 0xe6);
    nuvia.look.balloonText = QColor(0x1f, 0x1f, 0x1f);
    return nuvia;
}

} // namespace speech
