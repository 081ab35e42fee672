#pragma once

#include <QIcon>
#include <QObject>

class QAction;

namespace forms {

class Toolbar;

// One button of a toolbar, addressed by its key. value is the pressed state
// (0 up, 1 down): the window sets it on any button; a Check button also
// toggles it when pressed, a ButtonGroup button goes down and releases the
// other buttons of its group. Separators are buttons too, so they can be
// hidden.
class ToolButton : public QObject {
    Q_OBJECT
public:
    enum Style { Default = 0, Check = 1, ButtonGroup = 2, Separator = 3 };

    QString key() const { return key_; }
    Style style() const { return style_; }
    int index() const; // 1-based place in the toolbar

    QString caption() const;
    void setCaption(const QString& caption);
    QString toolTipText() const;
    void setToolTipText(const QString& tip);
    bool visible() const;
    void setVisible(bool visible);
    bool enabled() const;
    void setEnabled(bool enabled);
    int value() const { return value_; }
    void setValue(int value); // throws 380 outside 0..1
    int image() const { return image_; }
    void setImage(int imageListIndex); // 1-based in the toolbar's image list, 0 for none
    void setImage(const QIcon& icon);

    // Presses the button as the user would: nothing when hidden or disabled.
    void click();

    QAction* action() const { return action_; }

private:
    friend class Toolbar;
    ToolButton(Toolbar* bar, const QString& key, Style style, int group);
    void onTriggered();
    void showValue();
    void updateText();

    Toolbar* bar_;
    QAction* action_;
    QString key_;
    QString caption_;
    QString tooltip_;
    Style style_;
    int group_; // buttons of one ButtonGroup share the number
    int value_ = 0;
    bool enabled_ = true; // a hidden QAction reports itself disabled; this is the set value
    int image_ = 0;
};

} // namespace forms
