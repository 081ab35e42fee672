#pragma once

#include "platform/forms/ImageBox.h"

class QMainWindow;

namespace appearance {

// The picture behind a table of contents, filling the window. Display mode 3
// stretches it over the window; mode 2 shows it at its own size, centred,
// for a picture drawn to be seen unscaled.
class SkinBackground : public forms::ImageBox {
    Q_OBJECT
public:
    explicit SkinBackground(QWidget* parent = nullptr);

    int displayMode() const { return displayMode_; }
    void setDisplayMode(int mode); // 2 or 3; 380 for another value

    // Shows a picture file. One that cannot be read keeps the picture shown
    // before, so a missing skin file never leaves the window blank.
    bool setPictureFile(const QString& path);

private:
    int displayMode_ = 3;
};

// Gives a window whose controls lie in layouts a skin background filling its
// client area: the background lands in `background` (named FXImage1), and
// the returned widget, above it, takes the controls.
QWidget* layOverSkinBackground(QMainWindow& window, SkinBackground*& background);

} // namespace appearance
