#include "appearance/SkinBackground.h"

#include "platform/core/Errors.h"

#include <QGridLayout>
#include <QImageReader>
#include <QMainWindow>

namespace appearance {

SkinBackground::SkinBackground(QWidget* parent) : forms::ImageBox(parent)
{
    setStretch(true);
    setAlignment(Qt::AlignCenter);
    // Only a backdrop: clicks and the keyboard belong to the buttons on it.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void SkinBackground::setDisplayMode(int mode)
{
    if (mode != 2 && mode != 3)
        throw platform::errors::invalidPropertyValue();
    displayMode_ = mode;
    setStretch(mode == 3);
}

bool SkinBackground::setPictureFile(const QString& path)
{
    // Every activation paints the skin again; the picture on show already is
    // not read and decoded a second time.
    if (!path.isEmpty() && path == picturePath() && hasPicture())
        return true;
    QImageReader reader(path);
    if (path.isEmpty() || !reader.canRead())
        return false;
    return setPicture(path);
}

QWidget* layOverSkinBackground(QMainWindow& window, SkinBackground*& background)
{
    auto* canvas = new QWidget(&window);
    window.setCentralWidget(canvas);
    auto* stack = new QGridLayout(canvas);
    stack->setContentsMargins(0, 0, 0, 0);
    background = new SkinBackground(canvas);
    background->setObjectName(QStringLiteral("FXImage1"));
    background->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    stack->addWidget(background, 0, 0);
    auto* front = new QWidget(canvas);
    stack->addWidget(front, 0, 0);
    return front;
}

} // namespace appearance
