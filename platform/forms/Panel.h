#pragma once

#include <QObject>

class QLabel;

namespace forms {

class StatusBar;

// One panel of a status bar: a text with a tip, addressed by key or index.
// Assistive tools read the panel by its role and hear its text as its
// description.
class Panel : public QObject {
    Q_OBJECT
public:
    QString key() const { return key_; }
    int index() const; // 1-based

    QString text() const;
    void setText(const QString& text);
    QString toolTipText() const;
    void setToolTipText(const QString& tip);
    bool visible() const;
    void setVisible(bool visible);
    int minWidth() const; // twips
    void setMinWidth(int twips);

    QLabel* label() const { return label_; }

private:
    friend class StatusBar;
    Panel(StatusBar* bar, const QString& key);

    StatusBar* bar_;
    QLabel* label_;
    QString key_;
};

} // namespace forms
