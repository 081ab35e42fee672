#include "platform/forms/PictureControl.h"

#include "platform/forms/MouseArgs.h"
#include "platform/forms/TitleDrop.h"

#include <QDropEvent>
#include <QFile>
#include <QMouseEvent>

namespace forms {

namespace {

constexpr Qt::Alignment pictureAlignment = Qt::AlignLeft | Qt::AlignTop;

} // namespace

PictureControl::PictureControl(QWidget* parent) : QLabel(parent)
{
    setAlignment(pictureAlignment);
}

bool PictureControl::display(const QByteArray& bytes, const QString& path)
{
    QPixmap loaded;
    if (bytes.isEmpty() || !loaded.loadFromData(bytes)) {
        showNothing();
        return false;
    }
    picture_ = loaded;
    bytes_ = bytes;
    path_ = path;
    setAlignment(pictureAlignment);
    setPixmap(picture_);
    return true;
}

// Only a picture that loaded counts as a new value for the data control: a
// missing file shows an empty box but never wipes the stored picture.
bool PictureControl::setPicture(const QString& path)
{
    QFile file(path);
    if (path.isEmpty() || !file.open(QIODevice::ReadOnly)) {
        showNothing();
        return false;
    }
    const bool loaded = display(file.readAll(), path);
    dataChanged_ = dataChanged_ || loaded;
    return loaded;
}

bool PictureControl::setPictureData(const QByteArray& bytes)
{
    const bool loaded = display(bytes, QString());
    dataChanged_ = dataChanged_ || loaded;
    return loaded;
}

void PictureControl::showDrawnPicture(const QImage& image)
{
    picture_ = QPixmap::fromImage(image);
    path_.clear();
    setPixmap(picture_);
}

void PictureControl::clearPicture()
{
    showNothing();
    bytes_.clear();
    dataChanged_ = true;
}

void PictureControl::showNote(const QString& text)
{
    showNothing();
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    // On its own background, so the words read over any picture behind the box.
    setAutoFillBackground(true);
    setText(text);
}

// Shows an empty box; the value for the data control stays the last picture
// that loaded.
void PictureControl::showNothing()
{
    picture_ = QPixmap();
    path_.clear();
    QLabel::clear();
    setAlignment(pictureAlignment);
    setAutoFillBackground(false);
}

void PictureControl::showFieldValue(const QVariant& value)
{
    if (value.isValid() && !value.isNull())
        display(value.toByteArray(), QString());
    else
        showNothing();
    bytes_ = (value.isValid() && !value.isNull()) ? value.toByteArray() : QByteArray();
    dataChanged_ = false;
}

void PictureControl::mousePressEvent(QMouseEvent* event)
{
    QLabel::mousePressEvent(event);
    const MouseArgs args = mouseArgsOf(*event);
    emit mouseDown(args.button, args.shift, args.x, args.y);
}

void PictureControl::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit click();
}

void PictureControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        emit dblClick();
}

void PictureControl::setAcceptsTitleDrops(bool on)
{
    acceptsTitleDrops_ = on;
    setAcceptDrops(on);
}

void PictureControl::dragEnterEvent(QDragEnterEvent* event)
{
    answerTitleDrag(*event, acceptsTitleDrops_);
}

void PictureControl::dragMoveEvent(QDragMoveEvent* event)
{
    answerTitleDrag(*event, acceptsTitleDrops_);
}

void PictureControl::dropEvent(QDropEvent* event)
{
    if (const std::optional<QString> title = takeDroppedTitle(*event, acceptsTitleDrops_))
        emit dragDrop(*title);
}

} // namespace forms
