#include "platform/media/WavePlayer.h"

#include "platform/media/PlayableFile.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

namespace media {

WavePlayer::WavePlayer(QObject* parent) : QObject(parent) {}

WavePlayer::~WavePlayer()
{
    if (effect_)
        effect_->stop();
}

void WavePlayer::setFileName(const QString& path)
{
    if (path == fileName_)
        return;
    stop();
    fileName_ = path;
}

bool WavePlayer::hasPlayableFile() const
{
    return isPlayableFile(fileName_);
}

void WavePlayer::play()
{
    if (!hasPlayableFile())
        return;
    // Without an output there is nothing to hear; making the effect anyway
    // would only fill the log with the audio system's complaints.
    if (QMediaDevices::defaultAudioOutput().isNull())
        return;
    if (!effect_)
        effect_ = new QSoundEffect(this);
    const QUrl source = QUrl::fromLocalFile(fileName_);
    if (effect_->source() != source)
        effect_->setSource(source); // loads in the background; play() waits for it, not we
    effect_->play();
}

void WavePlayer::stop()
{
    if (effect_)
        effect_->stop();
}

bool WavePlayer::isPlaying() const
{
    return effect_ && effect_->isPlaying();
}

} // namespace media
