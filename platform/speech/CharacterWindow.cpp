#include "platform/speech/CharacterWindow.h"

#include "platform/speech/BalloonPainter.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QRegion>

namespace speech {

namespace {
constexpr int animationTickMs = 130;
}

CharacterWindow::CharacterWindow(const CharacterDescription& description)
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus),
      description_(description)
{
    const QString platform = QGuiApplication::platformName();
    shapeable_ = platform != QLatin1String("offscreen") && platform != QLatin1String("minimal");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(description.name);
    setAccessibleName(description.name);
    setFixedSize(windowWidth, balloonHeight + figureSize.height());
    animation_.setInterval(animationTickMs);
    connect(&animation_, &QTimer::timeout, this, &CharacterWindow::tick);
    render();
}

void CharacterWindow::moveFigureTo(QPoint screenPoint)
{
    move(screenPoint - QPoint(0, balloonHeight));
}

QPoint CharacterWindow::figurePosition() const
{
    return pos() + QPoint(0, balloonHeight);
}

void CharacterWindow::setTalking(bool talking)
{
    if (pose_.talking == talking)
        return;
    pose_.talking = talking;
    render();
}

void CharacterWindow::setGesture(Gesture gesture)
{
    if (pose_.gesture == gesture)
        return;
    pose_.gesture = gesture;
    render();
}

void CharacterWindow::setFrozen(bool frozen)
{
    frozen_ = frozen;
    updateAnimation();
}

void CharacterWindow::setBalloonText(const QString& text)
{
    if (balloonText_ == text)
        return;
    balloonText_ = text;
    setAccessibleDescription(text);
    render();
}

void CharacterWindow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

void CharacterWindow::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    updateAnimation();
}

void CharacterWindow::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    updateAnimation();
}

void CharacterWindow::updateAnimation()
{
    // The figure only moves while someone can see it.
    if (isVisible() && !frozen_)
        animation_.start();
    else
        animation_.stop();
}

void CharacterWindow::tick()
{
    ++pose_.frame;
    render();
}

void CharacterWindow::render()
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        if (!balloonText_.isEmpty()) {
            const QPointF tailTip(78, balloonHeight + 6);
            paintBalloon(painter, description_.look, QRectF(0, 0, windowWidth, balloonHeight + 4), tailTip,
                         balloonText_);
        }
        painter.translate(0, balloonHeight);
        paintFigure(painter, description_.look, pose_);
    }
    frame_ = image;
    // Shaped to the drawing, so the desktop shows around the figure without
    // needing a compositor. Platforms without a window system cannot shape.
    if (shapeable_)
        setMask(QBitmap::fromImage(image.createAlphaMask()));
    update();
}

} // namespace speech
