#pragma once

#include <QDialog>
#include <QStringList>

class QLineEdit;
class QListWidget;

namespace spell {

// The spelling dialog: one word not in the dictionaries, the spellings on
// offer, and the six answers. Closing it by its close box is "Cancel".
class SpellDialog : public QDialog {
    Q_OBJECT
public:
    SpellDialog(const QString& word, const QStringList& suggestions, QWidget* parent = nullptr);

    // The button pressed (SpellChecker::Button) and the spelling in "Change to:".
    int pressed() const { return pressed_; }
    QString replacement() const;

    QString word() const { return word_; }
    QStringList suggestions() const;

    // Presses a button as the user would; the dialog closes.
    void press(int code);
    void setReplacement(const QString& spelling);

    // Asks about one word over the active window; the button code comes back.
    static int ask(const QString& word, const QStringList& suggestions, QString& replacement);

private:
    QString word_;
    QLineEdit* changeTo_;
    QListWidget* offered_;
    int pressed_;
};

} // namespace spell
