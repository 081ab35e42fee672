#pragma once

#include <QString>

namespace spell {

// A text the spelling dialog works through: read it, and replace a part of
// it. The window adapts its own text boxes, so a correction goes through
// the box like typing and reaches the record the box is bound to.
class TextTarget {
public:
    virtual ~TextTarget() = default;
    virtual QString text() const = 0;
    virtual void replace(int start, int length, const QString& replacement) = 0;
};

} // namespace spell
