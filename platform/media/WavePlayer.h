#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace media {

// Plays a short wave file (the start-up sound) in the background: play()
// starts it and returns at once. A missing file, one that is no wave sound,
// or a machine without an audio output plays nothing and raises no error.
class WavePlayer : public QObject {
    Q_OBJECT
public:
    explicit WavePlayer(QObject* parent = nullptr);
    ~WavePlayer() override;

    QString fileName() const { return fileName_; }
    // A new file stops the one playing.
    void setFileName(const QString& path);

    void play();
    void stop();
    bool isPlaying() const;

    // Whether the name names a readable file (a folder does not count).
    bool hasPlayableFile() const;

private:
    QString fileName_;
    QSoundEffect* effect_ = nullptr; // made on the first play that can sound
};

} // namespace media
