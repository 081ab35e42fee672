#pragma once

#include <QSlider>

namespace forms {

// A horizontal slider. change() runs when the value changes, set by code or
// by the user (once the user lets go of the handle).
class Slider : public QSlider {
    Q_OBJECT
public:
    explicit Slider(QWidget* parent = nullptr);

    int min() const { return minimum(); }
    void setMin(int value) { setMinimum(value); }
    int max() const { return maximum(); }
    void setMax(int value) { setMaximum(value); }
    int largeChange() const { return pageStep(); }
    void setLargeChange(int step) { setPageStep(step); }
    int smallChange() const { return singleStep(); }
    void setSmallChange(int step) { setSingleStep(step); }

signals:
    void change();
};

} // namespace forms
