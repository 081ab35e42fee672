#include "platform/media/MediaPlayer.h"

#include "platform/media/PlayableFile.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QMouseEvent>
#include <QPainter>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>

namespace media {

MediaPlayer::MediaPlayer(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(32, 24);
    setAccessibleName(QStringLiteral("Video"));
    setToolTip(QStringLiteral("Click to pause or go on"));
}

MediaPlayer::~MediaPlayer()
{
    if (player_)
        player_->stop();
}

bool MediaPlayer::hasPlayableFile() const
{
    return isPlayableFile(fileName_);
}

void MediaPlayer::setFileName(const QString& path)
{
    if (path == fileName_)
        return;
    stop();
    fileName_ = path;
    frame_ = QImage();
    update();
    // A player on screen starts what it is given.
    if (isVisible())
        play();
}

void MediaPlayer::ensurePlayer()
{
    if (player_)
        return;
    player_ = new QMediaPlayer(this);
    audio_ = new QAudioOutput(this);
    sink_ = new QVideoSink(this);
    player_->setAudioOutput(audio_);
    player_->setVideoSink(sink_);
    connect(sink_, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) {
        frame_ = frame.toImage();
        update();
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, [this](QMediaPlayer::MediaStatus status) {
        if (status == QMediaPlayer::EndOfMedia)
            emit playEnded(0);
    });
}

void MediaPlayer::play()
{
    if (!hasPlayableFile())
        return;
    ensurePlayer();
    const QUrl source = QUrl::fromLocalFile(fileName_);
    if (player_->source() != source)
        player_->setSource(source);
    player_->setPosition(0);
    player_->play();
}

void MediaPlayer::stop()
{
    if (player_)
        player_->stop();
}

bool MediaPlayer::isPlaying() const
{
    return player_ && player_->playbackState() == QMediaPlayer::PlayingState;
}

void MediaPlayer::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (frame_.isNull())
        return;
    const QSize fitted = frame_.size().scaled(size(), Qt::KeepAspectRatio);
    QRect target(QPoint(0, 0), fitted);
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, frame_);
}

void MediaPlayer::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!isPlaying())
        play();
}

void MediaPlayer::hideEvent(QHideEvent* event)
{
    // A hidden video must not go on talking.
    stop();
    QWidget::hideEvent(event);
}

void MediaPlayer::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && player_) {
        if (player_->playbackState() == QMediaPlayer::PlayingState)
            player_->pause();
        else if (player_->playbackState() == QMediaPlayer::PausedState)
            player_->play();
        else
            play();
    }
    QWidget::mousePressEvent(event);
}

} // namespace media
