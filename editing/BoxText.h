#pragma once

#include "platform/spell/TextTarget.h"

namespace forms {
class TextBox;
}

namespace editing {

// An edit box as the spell checker's text: a correction selects the word
// and types over it, so the box's record takes it like any edit.
class BoxText : public spell::TextTarget {
public:
    explicit BoxText(forms::TextBox& box) : box_(box) {}
    QString text() const override;
    void replace(int start, int length, const QString& replacement) override;

private:
    forms::TextBox& box_;
};

} // namespace editing
