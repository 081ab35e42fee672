#pragma once

#include "platform/forms/Appearance.h"

#include <QLabel>

namespace forms {

// A caption shown as plain text (so "<" and "&" show as typed), wrapped to
// the label's width.
class Label : public QLabel, public Appearance<Label> {
    Q_OBJECT
public:
    explicit Label(QWidget* parent = nullptr, const QString& caption = {});

    QString caption() const { return text(); }
    void setCaption(const QString& caption);

    // Whether the program answers clicks on the label.
    bool isClickable() const;
    // A click given without the mouse, as a screen reader gives it.
    void press() { emit click(); }

signals:
    void click();
    void dblClick();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace forms
