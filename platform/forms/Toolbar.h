#pragma once

#include "platform/forms/ToolButton.h"

#include <QIcon>
#include <QList>
#include <QToolBar>

namespace forms {

// A window's toolbar. Buttons are addressed by key (without regard to letter
// case, as lookups go; the key itself keeps its case) or by 1-based index; a
// missing key throws 35601, an index outside the buttons 35600. Pressing a
// button runs buttonClick with its key.
class Toolbar : public QToolBar {
    Q_OBJECT
public:
    explicit Toolbar(QWidget* parent = nullptr);

    // The pictures buttons refer to by number (1-based).
    void setImageList(const QList<QIcon>& images) { images_ = images; }
    QIcon imageAt(int number) const;

    ToolButton* addButton(const QString& key, const QString& toolTipText = {}, int image = 0,
                          ToolButton::Style style = ToolButton::Default);
    ToolButton* addSeparator(); // a button without key, style Separator

    ToolButton* button(const QString& key) const;
    ToolButton* button(int index) const;
    bool hasButton(const QString& key) const;
    int buttonCount() const { return int(buttons_.size()); }

    // Releases the other buttons of a button group.
    void releaseGroup(int group, const ToolButton* except);

signals:
    void buttonClick(const QString& key);

private:
    friend class ToolButton;
    int indexOf(const ToolButton* button) const;
    ToolButton* append(const QString& key, ToolButton::Style style);

    QList<QIcon> images_;
    QList<ToolButton*> buttons_;
    int nextGroup_ = 1;
    bool lastWasGroup_ = false;
};

} // namespace forms
