#pragma once

#include "platform/forms/PictureControl.h"

namespace forms {

// A picture that can be stretched to the box's size.
class ImageBox : public PictureControl {
    Q_OBJECT
public:
    explicit ImageBox(QWidget* parent = nullptr) : PictureControl(parent) {}

    bool stretch() const { return hasScaledContents(); }
    void setStretch(bool on) { setScaledContents(on); }
};

} // namespace forms
