#pragma once

#include "platform/data/BoundControl.h"
#include "platform/forms/Appearance.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;

namespace forms {

// An edit box: one line or several, chosen when the window builds it.
// Every change of the text, typed or set by code, raises change() and marks
// the box changed for its data control; a value the data control shows does
// neither, so showing a record never counts as an edit.
class TextBox : public QWidget, public data::BoundControl, public Appearance<TextBox> {
    Q_OBJECT
public:
    enum Lines { SingleLine, MultiLine };

    explicit TextBox(QWidget* parent = nullptr, Lines lines = SingleLine);
    ~TextBox() override;

    bool isMultiLine() const { return multiLine_ != nullptr; }

    QString text() const { return text_; }
    void setText(const QString& text);

    // A locked box takes focus, selection and key-press steps but no edits.
    bool locked() const;
    void setLocked(bool locked);

    // Selection in characters; setting selStart collapses the selection there.
    int selStart() const;
    void setSelStart(int start);
    int selLength() const;
    void setSelLength(int length);
    QString selText() const;
    void setSelText(const QString& text); // replaces the selection, caret after it

    // The inner editor takes the name too, so assistive tools find the field.
    void setAccessibleName(const QString& name);

    // data::BoundControl
    QString dataField() const override { return dataField_; }
    void setDataField(const QString& field) { dataField_ = field; }
    void showFieldValue(const QVariant& value) override;
    QVariant boundValue() const override { return text_; }
    bool dataChanged() const override { return dataChanged_; }
    void setDataChanged(bool changed) override { dataChanged_ = changed; }

    // The widget that holds the focus and receives the keys.
    QWidget* editor() const;

signals:
    void change();
    // keyAscii = 0 swallows the key; another value types that character instead.
    void keyPress(int& keyAscii);
    void click();
    void dblClick();
    void gotFocus();
    void lostFocus();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void putIntoEditor(const QString& text);
    void writeEditor(const QString& text);
    void syncEditor() const;
    void onEditorTextChanged();
    bool filterKeyPress(QKeyEvent* event);
    int editorLength() const;

    QLineEdit* singleLine_ = nullptr;
    QPlainTextEdit* multiLine_ = nullptr;
    QString text_;
    QString dataField_;
    bool dataChanged_ = false;
    bool writingEditor_ = false;       // the editor changes because we set it
    mutable bool editorStale_ = false; // text_ waits to be laid out until shown
    bool replayingKey_ = false;        // a replaced key is on its way to the editor
    bool awayWithWindow_ = false;      // the focus left with the window, not to a control
};

// The text box whose editor has the keyboard focus in the program; null when
// the focus is elsewhere (a button, a list) or nowhere.
TextBox* focusedTextBox();

} // namespace forms
