#pragma once

#include "platform/forms/Label.h"
#include "platform/forms/MouseArgs.h"

namespace forms {

// A flat label button: a caption that the window gives one of three looks
// in its mouse steps - 0 plain, 1 pressed, 2 under the mouse. The control
// only reports the mouse; moves are reported with no button held too.
class FlatButton : public Label {
    Q_OBJECT
public:
    enum Look { Plain = 0, Pressed = 1, Hover = 2 };

    explicit FlatButton(QWidget* parent = nullptr, const QString& caption = {});

    // "&" marks the access letter; the caption shows without it, and Alt
    // with the letter clicks the button anywhere in its window.
    QString caption() const { return caption_; }
    void setCaption(const QString& caption);

    int look() const { return look_; }
    void setLook(int look); // 380 for a value other than 0, 1 and 2

signals:
    void mouseDown(const forms::MouseArgs& args);
    void mouseMove(const forms::MouseArgs& args);
    void mouseUp(const forms::MouseArgs& args);

protected:
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString caption_;
    int look_ = Plain;
    int accessKeyId_ = 0;
};

} // namespace forms
