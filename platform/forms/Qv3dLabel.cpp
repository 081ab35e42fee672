#include "platform/forms/Qv3dLabel.h"

#include "platform/core/Errors.h"
#include "platform/forms/Appearance.h"
#include "platform/forms/Captions.h"
#include "platform/forms/MouseArgs.h"
#include "platform/forms/Qv3dLabelAccessible.h"
#include "platform/forms/TitleDrop.h"
#include "platform/gdi/Bevel.h"

#include <QAccessible>
#include <QDragEnterEvent>
#include <QDateTime>
#include <QDropEvent>
#include <QFileInfo>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmapCache>
#include <QPointer>
#include <QShortcutEvent>

namespace forms {

namespace {

constexpr int bevelWidth = 2;
constexpr int captionPadding = 3;
constexpr int textFlags = Qt::TextShowMnemonic;

int captionWidth(const QFontMetrics& metrics, const QString& text)
{
    return metrics.size(textFlags, text).width();
}

QString elided(const QFontMetrics& metrics, const QString& text, int width)
{
    return metrics.elidedText(text, Qt::ElideRight, width, textFlags);
}

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(QLatin1Char(' ')))
        text.chop(1);
    return text;
}

// The longest start of a word that fits, at least one character, never
// cutting an access-key marker from its letter.
qsizetype fittingPrefix(const QFontMetrics& metrics, const QString& text, int width)
{
    qsizetype length = 1;
    while (length < text.size() && captionWidth(metrics, text.left(length + 1)) <= width)
        ++length;
    if (length > 1 && text[length - 1] == QLatin1Char('&'))
        --length;
    return length;
}

// Semi-transparent edges, so the texture shows through the bevel as it
// shows through the rest of the button.
constexpr QColor lightEdge(255, 255, 255, 220);
constexpr QColor softLightEdge(255, 255, 255, 110);
constexpr QColor darkEdge(0, 0, 0, 190);
constexpr QColor softDarkEdge(0, 0, 0, 95);

// Two rings, as the classic 3-D frame: raised is lit from the top left.
void drawBevel(QPainter& painter, const QRect& bounds, int style)
{
    if (style == Qv3dLabel::BevelNone)
        return;
    const bool raised = style == Qv3dLabel::BevelRaised;
    const QRect outer = bounds;
    const QRect inner = bounds.adjusted(1, 1, -1, -1);
    gdi::drawBevelRing(painter, outer, raised ? lightEdge : darkEdge, raised ? darkEdge : lightEdge);
    gdi::drawBevelRing(painter, inner, raised ? softLightEdge : softDarkEdge, raised ? softDarkEdge : softLightEdge);
}

// A dark caption gets a light halo below right and a light caption a dark
// one, so it stays readable over any texture.
QColor shadowFor(const QColor& caption)
{
    return qGray(caption.rgb()) >= 128 ? QColor(0, 0, 0, 160) : QColor(255, 255, 255, 150);
}

} // namespace

Qv3dLabel::Qv3dLabel(QWidget* parent, const QString& caption) : QWidget(parent)
{
    installQv3dLabelAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    showCaption(caption);
}

void Qv3dLabel::showCaption(const QString& caption)
{
    caption_ = caption;
    applyCaptionAccessibleName(*this, caption.trimmed()); // the held-down blank is not read aloud
    takeAccessKey();
    updateGeometry();
    update();
}

// The access key follows the caption: a caption set without its marker (as
// the windows' release captions are) gives the key up.
void Qv3dLabel::takeAccessKey()
{
    const QKeySequence key = accessKeyOf(caption_);
    if (accessKeyId_ != 0) {
        releaseShortcut(accessKeyId_);
        accessKeyId_ = 0;
    }
    if (!key.isEmpty())
        accessKeyId_ = grabShortcut(key, Qt::WindowShortcut);
}

bool Qv3dLabel::event(QEvent* event)
{
    if (event->type() != QEvent::Shortcut)
        return QWidget::event(event);
    const auto* shortcut = static_cast<QShortcutEvent*>(event);
    if (shortcut->shortcutId() != accessKeyId_)
        return QWidget::event(event);
    // Two buttons with the same letter: each Alt press moves to the next, as
    // on the other controls, and none is pressed.
    if (focusPolicy() & Qt::TabFocus)
        setFocus(Qt::ShortcutFocusReason);
    if (!shortcut->isAmbiguous())
        press();
    return true;
}

void Qv3dLabel::setCaption(const QString& caption)
{
    if (caption == caption_)
        return;
    showCaption(caption);
    dataChanged_ = true;
}

void Qv3dLabel::showFieldValue(const QVariant& value)
{
    showCaption((value.isValid() && !value.isNull()) ? value.toString() : QString());
    dataChanged_ = false;
}

void Qv3dLabel::setCaptionColor(int rgb)
{
    colorFromValue(rgb); // refuses a value out of range before anything changes
    captionColor_ = rgb;
    update();
}

// Every button of a window wears the same texture: it is read and scaled once
// and Qt's pixmap cache hands the same copies to the other buttons.
namespace {
QString textureKey(const QString& path)
{
    const QFileInfo file(path);
    return QStringLiteral("qv3d-texture:%1:%2")
        .arg(file.absoluteFilePath())
        .arg(file.lastModified().toMSecsSinceEpoch());
}
} // namespace

bool Qv3dLabel::setPicture(const QString& path)
{
    if (path.isEmpty())
        return false;
    QPixmap loaded;
    const QString key = textureKey(path);
    if (!QPixmapCache::find(key, &loaded)) {
        if (!loaded.load(path))
            return false;
        QPixmapCache::insert(key, loaded);
    }
    picture_ = loaded;
    picturePath_ = path;
    scaled_ = QPixmap();
    update();
    return true;
}

void Qv3dLabel::clearPicture()
{
    picture_ = QPixmap();
    picturePath_.clear();
    scaled_ = QPixmap();
    update();
}

void Qv3dLabel::setMultiLine(bool on)
{
    if (on == multiLine_)
        return;
    multiLine_ = on;
    updateGeometry();
    update();
}

void Qv3dLabel::setBevelStyleInner(int style)
{
    if (style != BevelNone && style != BevelRaised && style != BevelInset)
        throw platform::errors::invalidPropertyValue();
    const bool wasHeld = bevel_ == BevelNone;
    bevel_ = style;
    update();
    if (wasHeld != (style == BevelNone)) {
        // Assistive tools read the held-down look as the pressed state.
        QAccessible::State pressed;
        pressed.pressed = true;
        QAccessibleStateChangeEvent event(this, pressed);
        QAccessible::updateAccessibility(&event);
    }
}

void Qv3dLabel::setAcceptsTitleDrops(bool on)
{
    acceptsTitleDrops_ = on;
    setAcceptDrops(on);
}

QString Qv3dLabel::titleMimeType()
{
    return QStringLiteral("application/x-drillbook-chapter-title");
}

QMimeData* Qv3dLabel::titleMimeData(const QString& title)
{
    auto* mime = new QMimeData; // owned by the caller or its QDrag
    mime->setData(titleMimeType(), title.toUtf8());
    mime->setText(title);
    markAsOurs(*mime);
    return mime;
}

QStringList Qv3dLabel::captionLines(const QString& caption, const QFontMetrics& metrics, int width, bool multiLine)
{
    width = std::max(width, 1);
    if (caption.isEmpty())
        return {};
    if (!multiLine || captionWidth(metrics, caption) <= width)
        return {elided(metrics, caption, width)};

    // The first line takes as many words as fit; a leading blank (the
    // held-down look) is no place to break.
    qsizetype breakAt = -1;
    for (qsizetype i = 1; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char(' ') || caption[i - 1] == QLatin1Char(' '))
            continue;
        if (captionWidth(metrics, caption.left(i)) > width)
            break;
        breakAt = i;
    }
    QString first;
    QString rest;
    if (breakAt > 0) {
        first = caption.left(breakAt);
        rest = caption.mid(breakAt);
    } else {
        const qsizetype length = fittingPrefix(metrics, caption, width);
        first = caption.left(length);
        rest = caption.mid(length);
    }
    while (rest.startsWith(QLatin1Char(' ')))
        rest.remove(0, 1);
    QStringList lines{withoutTrailingBlanks(first)};
    if (!rest.isEmpty())
        lines.append(elided(metrics, rest, width));
    return lines;
}

QRect Qv3dLabel::captionRect() const
{
    const int inset = bevelWidth + captionPadding;
    return rect().adjusted(inset, inset - 1, -inset, -(inset - 1));
}

QStringList Qv3dLabel::shownCaptionLines() const
{
    return captionLines(caption_, fontMetrics(), captionRect().width(), multiLine_);
}

QSize Qv3dLabel::sizeHint() const
{
    const QFontMetrics metrics = fontMetrics();
    const int inset = 2 * (bevelWidth + captionPadding);
    const int lines = multiLine_ ? 2 : 1;
    return {std::max(captionWidth(metrics, caption_), metrics.averageCharWidth() * 8) + inset + 8,
            metrics.height() * lines + inset + 4};
}

const QPixmap& Qv3dLabel::scaledPicture()
{
    const QSize target = size() * devicePixelRatioF();
    if (scaled_.size() != target) {
        const QString key =
            QStringLiteral("qv3d-scaled:%1:%2x%3").arg(picture_.cacheKey()).arg(target.width()).arg(target.height());
        if (!QPixmapCache::find(key, &scaled_)) {
            scaled_ = picture_.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QPixmapCache::insert(key, scaled_);
        }
        scaled_.setDevicePixelRatio(devicePixelRatioF());
    }
    return scaled_;
}

void Qv3dLabel::resizeEvent(QResizeEvent* event)
{
    scaled_ = QPixmap(); // made again at the new size when painted
    QWidget::resizeEvent(event);
}

void Qv3dLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    // The button colour also shows through a texture that is partly transparent.
    painter.fillRect(rect(), palette().color(QPalette::Button));
    if (hasPicture())
        painter.drawPixmap(0, 0, scaledPicture());

    drawBevel(painter, rect(), bevel_);

    QColor color = colorFromValue(captionColor_);
    if (!isEnabled())
        color.setAlpha(110);
    const QRect area = captionRect();
    const QStringList lines = shownCaptionLines();
    const int lineHeight = painter.fontMetrics().height();
    int top = area.top() + (area.height() - lineHeight * int(lines.size())) / 2;
    const QColor shadow = shadowFor(color);
    for (const QString& line : lines) {
        const QRect lineRect(area.left(), top, area.width(), lineHeight);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine | textFlags;
        if (isEnabled()) {
            painter.setPen(shadow);
            painter.drawText(lineRect.translated(1, 1), flags, line);
        }
        painter.setPen(color);
        painter.drawText(lineRect, flags, line);
        top += lineHeight;
    }

    if (hasFocus()) {
        QColor ring = colorFromValue(captionColor_);
        ring.setAlpha(180);
        painter.setPen(QPen(ring, 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(bevelWidth + 1, bevelWidth + 1, -bevelWidth - 2, -bevelWidth - 2));
    }
}

void Qv3dLabel::mousePressEvent(QMouseEvent* event)
{
    const MouseArgs args = mouseArgsOf(*event);
    emit mouseDown(args.button, args.shift, args.x, args.y);
    event->accept();
}

// The click follows the mouse-up, so the windows' steps see the caption the
// mouse-up restored.
void Qv3dLabel::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    const MouseArgs args = mouseArgsOf(*event);
    QPointer<Qv3dLabel> alive(this);
    emit mouseUp(args.button, args.shift, args.x, args.y);
    if (!alive)
        return; // the step closed the window
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit click();
}

void Qv3dLabel::press()
{
    if (!isEnabled())
        return;
    // The windows' click steps read what their mouse-down step recorded,
    // so a press without the mouse runs all three steps as the mouse does.
    QPointer<Qv3dLabel> alive(this);
    emit mouseDown(1, 0, 0, 0);
    if (!alive)
        return;
    emit mouseUp(1, 0, 0, 0);
    if (!alive)
        return;
    emit click();
}

void Qv3dLabel::keyPressEvent(QKeyEvent* event)
{
    const bool pressKey =
        event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const bool windowKey = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!pressKey || windowKey) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        press();
}

// Only a title dragged inside the program is taken. Text from another
// program (a web page, an editor) would rename the chapter and be stored at
// once, so it is refused however it is offered.
void Qv3dLabel::dragEnterEvent(QDragEnterEvent* event)
{
    answerTitleDrag(*event, acceptsTitleDrops_);
}

void Qv3dLabel::dragMoveEvent(QDragMoveEvent* event)
{
    answerTitleDrag(*event, acceptsTitleDrops_);
}

void Qv3dLabel::dropEvent(QDropEvent* event)
{
    if (const std::optional<QString> title = takeDroppedTitle(*event, acceptsTitleDrops_))
        emit dragDrop(*title);
}

} // namespace forms
