#include "speechsetup/SpeechSetup.h"

#include "platform/core/Paths.h"
#include "platform/core/RuntimeError.h"
#include "platform/speech/BookmarkTags.h"
#include "platform/speech/CharacterFile.h"
#include "platform/speech/Synthesizer.h"
#include "speechsetup/CharacterFiles.h"

#include <QAudioDevice>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>

#include <array>

namespace speechsetup {

namespace {

constexpr std::array characterFiles{questionCharacterFile, readerCharacterFile};

QString shownName(QStringView relative)
{
    QString name = relative.toString();
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return name.mid(1);
}

QString pathOf(const QString& programFolder, QStringView relative)
{
    return platform::joinProgramPath(programFolder, relative.toString());
}

void writeAnew(Report& report, const QString& path, const QString& name, const QString& why)
{
    try {
        QDir().mkpath(QFileInfo(path).absolutePath());
        speech::writeCharacterFile(path, speech::nuviaCharacter());
        report.note(QStringLiteral("%1 %2 and has been written.").arg(name, why));
    } catch (const platform::RuntimeError& error) {
        report.lack(QStringLiteral("%1 %2 and could not be written: %3").arg(name, why, error.description()));
    }
}

} // namespace

Report setUpCharacterFiles(const QString& programFolder)
{
    Report report;
    for (QStringView relative : characterFiles) {
        const QString path = pathOf(programFolder, relative);
        const QString name = shownName(relative);
        if (!QFileInfo::exists(path)) {
            writeAnew(report, path, name, QStringLiteral("was missing"));
            continue;
        }
        try {
            const speech::CharacterDescription character = speech::readCharacterFile(path);
            report.note(QStringLiteral("%1 is in place: %2.").arg(name, character.name));
        } catch (const platform::RuntimeError&) {
            // The damaged file is kept for a look at what happened to it.
            const QString aside = path + QStringLiteral(".damaged");
            QFile::remove(aside);
            if (!QFile::rename(path, aside)) {
                report.lack(QStringLiteral("%1 is damaged and could not be set aside.").arg(name));
                continue;
            }
            writeAnew(report, path, name, QStringLiteral("was damaged (kept as %1)").arg(QFileInfo(aside).fileName()));
        }
    }
    return report;
}

Report checkVoices(const QString& programFolder)
{
    Report report;
    speech::Synthesizer synthesizer;
    if (!synthesizer.available()) {
        report.lack(QStringLiteral("espeak-ng could not start: its voice data is missing "
                                   "(the espeak-ng-data package)."));
        return report;
    }
    report.note(QStringLiteral("espeak-ng speaks at %1 Hz.").arg(synthesizer.sampleRate()));
    speech::VoiceSettings tested;
    for (QStringView relative : characterFiles) {
        const QString name = shownName(relative);
        try {
            const speech::CharacterDescription character = speech::readCharacterFile(pathOf(programFolder, relative));
            const QString& voice = character.voice.voice;
            if (synthesizer.hasVoice(voice)) {
                report.note(QStringLiteral("%1 speaks with the voice \"%2\".").arg(name, voice));
                tested = character.voice;
            } else {
                report.lack(QStringLiteral("%1 asks for the voice \"%2\", which is not installed.").arg(name, voice));
            }
        } catch (const platform::RuntimeError& error) {
            report.lack(QStringLiteral("%1 cannot be read: %2").arg(name, error.description()));
        }
    }
    const speech::Utterance sample =
        synthesizer.synthesize(speech::parseBookmarkTags(QStringLiteral("Ready to read to you.")), tested);
    if (sample.durationMs > 0)
        report.note(QStringLiteral("A test sentence gave %1 ms of speech.").arg(sample.durationMs));
    else
        report.lack(QStringLiteral("A test sentence gave no speech."));
    return report;
}

Report checkSoundOutput(const QString&)
{
    Report report;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        report.lack(QStringLiteral("No sound output was found: the characters speak at their pace, silently."));
    else
        report.note(QStringLiteral("Speech is heard through %1.").arg(output.description()));
    return report;
}

} // namespace speechsetup
