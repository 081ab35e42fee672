#include "platform/forms/Frame.h"

#include "platform/forms/Captions.h"

namespace forms {

Frame::Frame(QWidget* parent, const QString& caption) : QGroupBox(parent)
{
    setCaption(caption);
}

void Frame::setCaption(const QString& caption)
{
    setTitle(caption);
    applyCaptionAccessibleName(*this, caption);
}

} // namespace forms
