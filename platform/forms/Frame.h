#pragma once

#include "platform/forms/Appearance.h"

#include <QGroupBox>

namespace forms {

// A captioned container; option buttons inside it form their own group.
class Frame : public QGroupBox, public Appearance<Frame> {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr, const QString& caption = {});

    QString caption() const { return title(); }
    void setCaption(const QString& caption);
};

} // namespace forms
