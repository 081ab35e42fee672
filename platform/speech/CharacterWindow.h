#pragma once

#include "platform/speech/CharacterFile.h"
#include "platform/speech/FigurePainter.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

namespace speech {

// The character on screen: a small frameless window above the others that
// draws the figure and, while a balloon is up, the speech balloon above it.
// The window is shaped to what it draws. It is a tool-tip kind of window so
// that showing it never takes the focus or activation from the program's
// windows (whose activation steps depend on which of them is active).
//
// For assistive technology the window's accessible name is the character's
// name and its accessible description the text in the balloon.
class CharacterWindow : public QWidget {
    Q_OBJECT
public:
    explicit CharacterWindow(const CharacterDescription& description);

    // Places the figure's top-left corner at this screen point; the balloon
    // sits above it.
    void moveFigureTo(QPoint screenPoint);
    QPoint figurePosition() const;

    void setTalking(bool talking);
    void setGesture(Gesture gesture);
    // Holds the animation still (a paused character).
    void setFrozen(bool frozen);
    // The balloon with this text; an empty text takes the balloon down.
    void setBalloonText(const QString& text);
    QString balloonText() const { return balloonText_; }

    const FigurePose& pose() const { return pose_; }
    // The window as it looks now.
    QImage frame() const { return frame_; }

    static constexpr int balloonHeight = 112;
    static constexpr int windowWidth = 330;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void tick();
    void render();
    void updateAnimation();

    CharacterDescription description_;
    FigurePose pose_;
    QString balloonText_;
    bool frozen_ = false;
    bool shapeable_ = true;
    QTimer animation_;
    QImage frame_;
};

} // namespace speech
