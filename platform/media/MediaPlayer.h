#pragma once

#include <QImage>
#include <QPointer>
#include <QString>
#include <QWidget>

class QAudioOutput;
class QMediaPlayer;
class QVideoSink;

namespace media {

// The question window's video player: a black screen that plays one video
// file. A player on screen plays its file: given a file while shown, or
// shown with a file, it starts at once, as a player with automatic start
// does; while hidden it only keeps the name. A missing file, a file
// that is no video, or the bare folder path an empty file name gives, plays
// nothing and raises no error. Hiding the player stops it.
class MediaPlayer : public QWidget {
    Q_OBJECT
public:
    explicit MediaPlayer(QWidget* parent = nullptr);
    ~MediaPlayer() override;

    QString fileName() const { return fileName_; }
    void setFileName(const QString& path);

    // Plays the file from its start; nothing when there is no playable file.
    void play();
    void stop();
    bool isPlaying() const;

    // Whether the name names a file that exists (a folder does not count).
    bool hasPlayableFile() const;

signals:
    // The video played to its end; the result code is always 0.
    void playEnded(int result);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ensurePlayer();
    void showFrame();

    QString fileName_;
    QMediaPlayer* player_ = nullptr; // made on first play, so a window that never plays loads no backend
    QAudioOutput* audio_ = nullptr;
    QVideoSink* sink_ = nullptr;
    QImage frame_;
};

} // namespace media
