#include "controls/runtime/Caret.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace qvrun {

namespace {

QImage caretBitmap(int height, int width, const QColor& color, int style, const QColor& background)
{
    QImage image(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image.fill(background);
    QPainter painter(&image);
    switch (style) {
    case kCaretGrey:
        painter.fillRect(image.rect(), QBrush(color, Qt::Dense4Pattern));
        break;
    case kCaretHollow:
        painter.setPen(color);
        painter.drawRect(image.rect().adjusted(0, 0, -1, -1));
        break;
    default:
        image.fill(color);
        break;
    }
    return image;
}

} // namespace

Caret::Caret(QWidget* window, int height, int width, const QColor& color, int style, int blinkInterval,
             const QColor& background)
    : QObject(window), window_(window), bitmap_(caretBitmap(height, width <= 0 ? 2 : width, color, style, background)),
      interval_(blinkInterval == 0 ? QApplication::cursorFlashTime() / 2 : blinkInterval)
{
    connect(&timer_, &QTimer::timeout, this, &Caret::blink);
}

void Caret::setPosition(const QPoint& position)
{
    if (position == position_)
        return;
    const QRect old = rect();
    position_ = position;
    lit_ = true;
    repaint(old);
    repaint(rect());
}

void Caret::show()
{
    shown_ = true;
    lit_ = true;
    if (interval_ > 0)
        timer_.start(interval_);
    repaint(rect());
}

void Caret::hide()
{
    shown_ = false;
    timer_.stop();
    repaint(rect());
}

void Caret::paint(QPainter& painter) const
{
    if (isLit())
        painter.drawImage(position_, bitmap_);
}

void Caret::blink()
{
    lit_ = !lit_;
    repaint(rect());
}

void Caret::repaint(const QRect& area)
{
    if (window_)
        window_->update(area);
}

Caret* createCaret(QWidget* window, int height, int width, const QColor& color, int style, int blinkInterval,
                   const QColor& background)
{
    return new Caret(window, height, width, color, style, blinkInterval, background);
}

} // namespace qvrun
