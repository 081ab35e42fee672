#pragma once

#include "platform/forms/PictureControl.h"

namespace forms {

// A picture shown at its own size from the top-left corner; also a container.
class PictureBox : public PictureControl {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr) : PictureControl(parent) {}
};

} // namespace forms
