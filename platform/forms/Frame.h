#pragma once

#include "platform/forms/Appearance.h"
#include "platform/forms/MouseArgs.h"

#include <QGroupBox>

namespace forms {

// A captioned container; option buttons inside it form their own group.
class Frame : public QGroupBox, public Appearance<Frame> {
    Q_OBJECT
public:
    explicit Frame(QWidget* parent = nullptr, const QString& caption = {});

    QString caption() const { return title(); }
    void setCaption(const QString& caption);

signals:
    // Reported only once mouse tracking is on.
    void mouseMove(const forms::MouseArgs& args);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

} // namespace forms
