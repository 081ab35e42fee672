#pragma once

namespace forms {

// The busy pointer is one setting of the program, not a stack: setting it
// twice and restoring once gives the normal pointer back.
void setHourglass();
void restorePointer();
bool hourglassShown();

// Shows the busy pointer for a scope. When the pointer was already busy on
// entry, the scope leaves it busy for whoever set it.
class Hourglass {
public:
    Hourglass();
    ~Hourglass();
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    bool wasShown_;
};

} // namespace forms
