#pragma once

#include "platform/speech/BookmarkTags.h"
#include "platform/speech/CharacterFile.h"
#include "platform/speech/CharacterRequest.h"
#include "platform/speech/Gesture.h"
#include "platform/speech/Utterance.h"

#include <QObject>
#include <QPoint>
#include <QString>

#include <deque>
#include <memory>
#include <optional>

namespace speech {

class CharacterWindow;
class RequestLog;
class SpeechEngine;
class SpeechPlayer;

// A loaded speaking character. Requests (show, hide, moveTo, speak, play) are
// queued and played in the order given; each call returns at once with the
// request's id. A request is played at once when nothing is ahead of it, so
// show() on an idle character shows it before returning; behind speech it
// waits its turn. Speech runs whether or not the character is visible.
//
// bookmark(n) is emitted on the UI thread when the speech reaches a tag
// "\mrk=n\" of a speak request; requestDone(id) when a request has been
// played to its end (never for one that stop() discarded).
class Character : public QObject {
    Q_OBJECT
public:
    // Balloon style: bit 0 puts the speech balloon up; the other bits are
    // kept but mean nothing here.
    static constexpr int balloonOn = 0x1;
    // The two styles the windows set: the balloon up, and down.
    static constexpr int balloonShownStyle = 0x0220000F;
    static constexpr int balloonHiddenStyle = 0x0220000E;

    Character(const QString& id, const CharacterDescription& description, SpeechEngine& engine, RequestLog& log,
              QObject* parent = nullptr);
    ~Character() override;

    const QString& id() const { return id_; }
    const QString& name() const { return description_.name; }
    const CharacterDescription& description() const { return description_; }

    int show();
    int hide();
    int moveTo(int x, int y);
    // Queues the text; the tags in it come back through bookmark().
    int speak(const QString& text);
    // Plays a gesture ("Pleased", "Decline"); throws error 5 for another name.
    int play(const QString& gesture);

    // Ends the current request and discards every queued one, with their
    // marks; also ends a pause.
    void stop();
    // The same for this character, which has no other kind of request.
    void stopAll();
    // Asks the character to pause: the speech and the queue hold still, and
    // new requests queue behind them. Asked again while paused, the character
    // goes on where it stopped. An idle character has nothing to pause.
    void pause();

    int balloonStyle() const { return balloonStyle_; }
    void setBalloonStyle(int style);

    bool visible() const { return visible_; }
    QPoint position() const;
    bool isPaused() const { return paused_; }
    // Whether a request is playing or waiting.
    bool isBusy() const { return current_ || !queue_.empty(); }

    CharacterWindow& window() { return *window_; }

signals:
    void bookmark(int number);
    void requestDone(int requestId);

private:
    using Request = CharacterRequest;

    int enqueue(Request request);
    void advance();
    bool start(Request& request); // true when it finished at once
    void playSpeech(Request& request);
    void onPrepared(quint64 ticket, const Utterance& utterance);
    void finishCurrent();
    void discardAll();
    void refreshBalloon();

    QString id_;
    CharacterDescription description_;
    SpeechEngine& engine_;
    RequestLog& log_;
    std::unique_ptr<SpeechPlayer> player_;
    std::unique_ptr<CharacterWindow> window_;

    std::deque<Request> queue_;
    std::unique_ptr<Request> current_;
    int nextRequestId_ = 1;
    bool advancing_ = false;
    bool paused_ = false;
    bool visible_ = false;
    int balloonStyle_ = balloonOn;
};

} // namespace speech
