#pragma once

#include <QWidget>

namespace controls {

class HostedControl;

// A control's window: it paints through the control's onDraw and hands the
// control its keys, mouse and cursor requests. Keys the control lets pass
// get the window's own default handling and never become the control's
// events; a container's shortcuts never take them.
class ControlWindow : public QWidget {
    Q_OBJECT

public:
    ControlWindow(HostedControl& control, QWidget* parent);
    ~ControlWindow() override;

    HostedControl& control() const { return control_; }
    // Tells a screen reader the control's text changed, or its caret moved,
    // when they did.
    void announceText();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Hands the key to the handler unless the control passes it to the
    // window; answers whether the control took it.
    bool controlTakesKey(QKeyEvent& event, void (HostedControl::*handler)(QKeyEvent&));

    HostedControl& control_;
    QString spokenText_;
    int spokenCaret_ = 0;
};

} // namespace controls
