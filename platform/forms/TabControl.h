#pragma once

#include <QString>
#include <QTabWidget>

namespace forms {

// A tab control: pages numbered from 0, each a container for its controls.
// tab() is the page in front; setting it brings that page to the front.
class TabControl : public QTabWidget {
    Q_OBJECT
public:
    explicit TabControl(QWidget* parent = nullptr);

    // A new page with this caption, after the others.
    QWidget* addPage(const QString& caption);

    int tab() const { return currentIndex(); }
    void setTab(int index); // throws 380 outside 0..tabs-1
    int tabs() const { return count(); }
    QString tabCaption(int index) const { return tabText(index); }
};

} // namespace forms
