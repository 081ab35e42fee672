#pragma once

#include <QObject>
#include <QPointer>

class QWidget;

namespace qv3dopt {

class CQv3dOptionCtrl;

// Watches the button's window for the focus coming and going. The focus
// arriving is handled once the application says where it came from, so the
// button knows whether it was tabbed into from inside its container or its
// window was activated from elsewhere.
class OptionWindowHooks final : public QObject {
    Q_OBJECT

public:
    OptionWindowHooks(CQv3dOptionCtrl& control, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void focusChanged(QWidget* old, QWidget* now);

    CQv3dOptionCtrl& control_;
    QPointer<QWidget> window_;
    bool focusArriving_ = false;
    Qt::FocusReason reason_ = Qt::OtherFocusReason;
};

} // namespace qv3dopt
