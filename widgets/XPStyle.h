#pragma once

#include <QWidget>

// The control that gives the program's windows their common look. The start-up
// window carries the only one, created before any other window exists.
//
// On this system there are no common controls to prepare and no library to
// keep loaded: creating the control applies the program's widget style (Fusion
// with its standard palette) to the whole application, and that look stays
// after the control goes, as the prepared visual style did. The control's face
// is a fixed 810 by 810 twips whatever size its host gives it.
class XPStyle : public QWidget {
    Q_OBJECT
public:
    static constexpr int sizeTwips = 810;

    explicit XPStyle(QWidget* parent = nullptr); // UserControl_Initialize
    ~XPStyle() override;                         // UserControl_Terminate

    // The style the control applied ("fusion"), or "" when the platform has none.
    QString appliedStyle() const { return appliedStyle_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString appliedStyle_;
};
