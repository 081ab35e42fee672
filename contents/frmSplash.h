#pragma once

#include "platform/forms/Form.h"

#include <QSize>

#include <functional>

class XPStyle;

namespace forms {
class ImageBox;
class TextBox;
class Timer;
} // namespace forms
namespace media {
class WavePlayer;
}

namespace contents {

// The start-up window: the first window of the program. Its load step
// measures the screen, places the title picture of the main table of
// contents for the two screen sizes the layouts know and starts the start-up
// sound; 12.5 seconds later its timer shows the main table of contents and
// unloads the splash, which never comes back.
//
// Placing the title loads the whole table of contents, and the sound starts
// the sound system: the load step leaves both until its picture is first on
// screen, so that the user sees the program start at once. A hand-over that
// comes sooner does them first. The start leaves its own remaining work
// there too (onScreen).
class frmSplash : public forms::Form {
    Q_OBJECT
public:
    frmSplash();
    ~frmSplash() override;

    static constexpr int handOverInterval = 12500; // milliseconds

    forms::ImageBox* FXImage1; // the start-up picture, over the whole window
    forms::TextBox* txtRes;    // hidden: the screen-size text, " 1024 x 768"
    media::WavePlayer* Wav1;   // the start-up sound
    XPStyle* XPStyle1;         // the program's look, held while the splash exists
    forms::Timer* Timer1;      // the hand-over

    void Timer1_Timer();

    // What the start still has to do once the splash is on screen; run
    // before the rest of the load step, once.
    std::function<void()> onScreen;

protected:
    void Form_Load() override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // The size in pixels of the screen the program starts on.
    virtual QSize screenSize() const;

private:
    // The part of the load step that waits for the picture to be on screen; it runs once.
    void finishLoad();
    bool loadFinished_ = false;
};

} // namespace contents
