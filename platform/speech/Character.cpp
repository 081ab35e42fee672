#include "platform/speech/Character.h"

#include "platform/core/Errors.h"
#include "platform/speech/CharacterWindow.h"
#include "platform/speech/RequestLog.h"
#include "platform/speech/SpeechEngine.h"
#include "platform/speech/SpeechPlayer.h"

#include <QGuiApplication>
#include <QPointer>
#include <QScreen>

namespace speech {

namespace errors = platform::errors;

namespace {

// Where a character stands before anyone moves it: near the bottom right of
// the screen, clear of the taskbar.
QPoint startingPosition()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {0, 0};
    const QRect area = screen->availableGeometry();
    return {std::max(area.left(), area.right() - figureSize.width() - 40),
            std::max(area.top(), area.bottom() - figureSize.height() - 40)};
}

} // namespace

Character::Character(const QString& id, const CharacterDescription& description, SpeechEngine& engine, RequestLog& log,
                     QObject* parent)
    : QObject(parent), id_(id), description_(description), engine_(engine), log_(log),
      player_(std::make_unique<SpeechPlayer>()), window_(std::make_unique<CharacterWindow>(description))
{
    window_->moveFigureTo(startingPosition());
    connect(&engine_, &SpeechEngine::prepared, this, &Character::onPrepared);
    connect(player_.get(), &SpeechPlayer::markReached, this, &Character::bookmark);
    connect(player_.get(), &SpeechPlayer::finished, this, &Character::finishCurrent);
}

Character::~Character()
{
    player_->disconnect(this);
    player_->stop();
}

int Character::show()
{
    log_.append({id_, LoggedRequest::Kind::Show});
    Request request;
    request.kind = Request::Kind::Show;
    return enqueue(std::move(request));
}

int Character::hide()
{
    log_.append({id_, LoggedRequest::Kind::Hide});
    Request request;
    request.kind = Request::Kind::Hide;
    return enqueue(std::move(request));
}

int Character::moveTo(int x, int y)
{
    log_.append({id_, LoggedRequest::Kind::MoveTo, {}, QPoint(x, y)});
    Request request;
    request.kind = Request::Kind::MoveTo;
    request.position = QPoint(x, y);
    return enqueue(std::move(request));
}

int Character::speak(const QString& text)
{
    log_.append({id_, LoggedRequest::Kind::Speak, text});
    Request request;
    request.kind = Request::Kind::Speak;
    request.text = parseBookmarkTags(text);
    request.ticket = engine_.prepare(request.text, description_.voice);
    return enqueue(std::move(request));
}

int Character::play(const QString& gesture)
{
    log_.append({id_, LoggedRequest::Kind::Play, gesture});
    const std::optional<Gesture> known = gestureNamed(gesture);
    if (!known)
        throw errors::invalidGesture(gesture);
    Request request;
    request.kind = Request::Kind::Play;
    request.gesture = *known;
    Utterance pose;
    pose.durationMs = engine_.pace() == Pace::Instant ? 0 : gestureDurationMs;
    request.utterance = pose;
    return enqueue(std::move(request));
}

void Character::stop()
{
    log_.append({id_, LoggedRequest::Kind::Stop});
    discardAll();
}

void Character::stopAll()
{
    log_.append({id_, LoggedRequest::Kind::StopAll});
    discardAll();
}

void Character::pause()
{
    log_.append({id_, LoggedRequest::Kind::Pause});
    if (!paused_ && !isBusy())
        return; // nothing to hold; a later request is not kept waiting
    paused_ = !paused_;
    player_->setPaused(paused_);
    window_->setFrozen(paused_);
    if (!paused_)
        advance();
}

void Character::setBalloonStyle(int style)
{
    log_.append({id_, LoggedRequest::Kind::BalloonStyle, {}, {}, style});
    balloonStyle_ = style;
    refreshBalloon();
}

QPoint Character::position() const
{
    return window_->figurePosition();
}

int Character::enqueue(Request request)
{
    request.id = nextRequestId_++;
    const int id = request.id;
    queue_.push_back(std::move(request));
    advance();
    return id;
}

void Character::advance()
{
    // A requestDone handler may queue or stop requests; the loop below picks
    // those up, so it is not entered again from inside itself.
    if (advancing_)
        return;
    advancing_ = true;
    QPointer<Character> alive(this);
    while (!current_ && !paused_ && !queue_.empty()) {
        current_ = std::make_unique<Request>(std::move(queue_.front()));
        queue_.pop_front();
        if (!start(*current_))
            break;
        const int id = current_->id;
        current_.reset();
        emit requestDone(id);
        if (!alive)
            return;
    }
    advancing_ = false;
}

bool Character::start(Request& request)
{
    switch (request.kind) {
    case Request::Kind::Show:
        visible_ = true;
        window_->show();
        return true;
    case Request::Kind::Hide:
        visible_ = false;
        window_->hide();
        return true;
    case Request::Kind::MoveTo:
        window_->moveFigureTo(request.position);
        return true;
    case Request::Kind::Speak:
        if (request.utterance)
            playSpeech(request);
        return false; // ends when the player finishes
    case Request::Kind::Play:
        window_->setGesture(request.gesture);
        player_->play(*request.utterance, false);
        return false;
    }
    return true;
}

void Character::playSpeech(Request& request)
{
    window_->setTalking(true);
    player_->play(*request.utterance, engine_.audioOutput());
    refreshBalloon();
}

void Character::onPrepared(quint64 ticket, const Utterance& utterance)
{
    if (current_ && current_->ticket == ticket) {
        current_->utterance = utterance;
        playSpeech(*current_);
        return;
    }
    for (Request& waiting : queue_) {
        if (waiting.ticket == ticket) {
            waiting.utterance = utterance;
            return;
        }
    }
    // Otherwise another character's request, or one that was stopped.
}

void Character::finishCurrent()
{
    if (!current_)
        return;
    const int id = current_->id;
    current_.reset();
    window_->setTalking(false);
    window_->setGesture(Gesture::None);
    refreshBalloon();
    QPointer<Character> alive(this);
    emit requestDone(id);
    if (alive)
        advance();
}

void Character::discardAll()
{
    player_->stop();
    player_->setPaused(false);
    queue_.clear();
    current_.reset();
    paused_ = false;
    window_->setTalking(false);
    window_->setGesture(Gesture::None);
    window_->setFrozen(false);
    refreshBalloon();
}

void Character::refreshBalloon()
{
    const bool speaking = current_ && current_->kind == Request::Kind::Speak && player_->isPlaying();
    const bool balloonUp = speaking && (balloonStyle_ & balloonOn);
    window_->setBalloonText(balloonUp ? current_->text.plainText.trimmed() : QString());
}

} // namespace speech
