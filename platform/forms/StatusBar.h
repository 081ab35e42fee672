#pragma once

#include "platform/forms/Panel.h"

#include <QList>
#include <QStatusBar>

namespace forms {

// A window's status bar (set on its QMainWindow with setStatusBar). Panels
// are addressed by key (lookups without regard to letter case) or by 1-based
// index; a missing key throws 35601, an index outside the panels 35600. A
// click on a panel runs panelClick with its index.
class StatusBar : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent = nullptr);

    // A panel without key when key is empty; stretch shares the spare width.
    Panel* addPanel(const QString& key = {}, const QString& text = {}, const QString& toolTipText = {},
                    int stretch = 1);

    Panel* panel(const QString& key) const;
    Panel* panel(int index) const;
    bool hasPanel(const QString& key) const;
    int panelCount() const { return int(panels_.size()); }

signals:
    void panelClick(int index);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class Panel;
    int indexOf(const Panel* panel) const;

    QList<Panel*> panels_;
};

} // namespace forms
