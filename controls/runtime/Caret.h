#pragma once

#include "controls/runtime/RuntimeExport.h"

#include <QColor>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QTimer>

#include <cstdint>

class QPainter;
class QWidget;

namespace qvrun {

// Caret styles.
enum CaretStyle { kCaretSolid = 0, kCaretGrey = 1, kCaretHollow = 2 };

// A control's own caret: its shape, its place and its blinking belong to
// the one control, so no setting of the desktop or of another control is
// changed. The window repaints the caret's rectangle when it blinks and
// draws it with paint().
class QVRUN_EXPORT Caret : public QObject {
    Q_OBJECT

public:
    // Blink interval 0 takes the desktop's cursor flash time; a negative
    // one makes a caret that does not blink.
    Caret(QWidget* window, int height, int width, const QColor& color, int style, int blinkInterval,
          const QColor& background);

    // The caret's picture: what the control draws where the caret stands.
    const QImage& bitmap() const { return bitmap_; }
    int blinkInterval() const { return interval_; }
    QRect rect() const { return {position_, bitmap_.size()}; }

    void setPosition(const QPoint& position);
    void show();
    void hide();
    bool isShown() const { return shown_; }
    // Whether the caret is in the visible half of its blink.
    bool isLit() const { return shown_ && lit_; }
    void paint(QPainter& painter) const;

private:
    void blink();
    void repaint(const QRect& area);

    QWidget* window_;
    QImage bitmap_;
    int interval_;
    QPoint position_;
    bool shown_ = false;
    bool lit_ = true;
    QTimer timer_;
};

// Makes the caret a control asks for: height and width in pixels (0: the
// width of a thin line, 2 pixels), its colour and style.
QVRUN_EXPORT Caret* createCaret(QWidget* window, int height, int width, const QColor& color, int style,
                                int blinkInterval, const QColor& background);

} // namespace qvrun
