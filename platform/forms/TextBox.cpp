#include "platform/forms/TextBox.h"

#include "platform/core/Errors.h"
#include "platform/forms/KeyAscii.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace forms {

namespace {
// Focus that leaves with its window (to a popup or another application) and
// comes back with it is no move between controls.
bool leavesWithWindow(const QFocusEvent& event)
{
    return event.reason() == Qt::PopupFocusReason || event.reason() == Qt::ActiveWindowFocusReason;
}
} // namespace

TextBox::TextBox(QWidget* parent, Lines lines) : QWidget(parent)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (lines == MultiLine) {
        multiLine_ = new QPlainTextEdit(this);
        multiLine_->setTabChangesFocus(true);
        multiLine_->viewport()->installEventFilter(this);
        connect(multiLine_, &QPlainTextEdit::textChanged, this, &TextBox::onEditorTextChanged);
        layout->addWidget(multiLine_);
    } else {
        singleLine_ = new QLineEdit(this);
        connect(singleLine_, &QLineEdit::textChanged, this, &TextBox::onEditorTextChanged);
        layout->addWidget(singleLine_);
    }
    editor()->installEventFilter(this);
    setFocusProxy(editor());
    setFocusPolicy(Qt::StrongFocus);
}

TextBox::~TextBox() = default;

QWidget* TextBox::editor() const
{
    syncEditor();
    return multiLine_ ? static_cast<QWidget*>(multiLine_) : static_cast<QWidget*>(singleLine_);
}

void TextBox::setText(const QString& text)
{
    if (text == text_)
        return;
    text_ = text;
    putIntoEditor(text);
    dataChanged_ = true;
    emit change();
}

void TextBox::showFieldValue(const QVariant& value)
{
    text_ = (value.isValid() && !value.isNull()) ? value.toString() : QString();
    putIntoEditor(text_);
    dataChanged_ = false;
}

// A box that is not on screen (a hidden marker, or any box of a window that is
// not shown) keeps its text and lays it out only when it is shown or its
// editor is asked for: laying out text is most of the cost of a record move.
void TextBox::putIntoEditor(const QString& text)
{
    if (!isVisible()) {
        editorStale_ = true;
        return;
    }
    writeEditor(text);
}

void TextBox::syncEditor() const
{
    if (!editorStale_)
        return;
    editorStale_ = false;
    const_cast<TextBox*>(this)->writeEditor(text_);
}

void TextBox::showEvent(QShowEvent* event)
{
    syncEditor();
    QWidget::showEvent(event);
}

void TextBox::writeEditor(const QString& text)
{
    writingEditor_ = true;
    if (multiLine_) {
        multiLine_->setPlainText(text);
    } else {
        singleLine_->setText(text);
        singleLine_->setCursorPosition(0); // new text is shown from its start
    }
    writingEditor_ = false;
}

void TextBox::onEditorTextChanged()
{
    if (writingEditor_)
        return;
    text_ = multiLine_ ? multiLine_->toPlainText() : singleLine_->text();
    dataChanged_ = true;
    emit change();
}

bool TextBox::locked() const
{
    return multiLine_ ? multiLine_->isReadOnly() : singleLine_->isReadOnly();
}

void TextBox::setLocked(bool locked)
{
    if (multiLine_) {
        multiLine_->setReadOnly(locked);
        // A read-only plain text edit would stop taking the keyboard.
        multiLine_->setTextInteractionFlags(locked ? Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard
                                                   : Qt::TextEditorInteraction);
    } else {
        singleLine_->setReadOnly(locked);
    }
}

int TextBox::editorLength() const
{
    syncEditor();
    return multiLine_ ? multiLine_->document()->characterCount() - 1 : int(singleLine_->text().size());
}

int TextBox::selStart() const
{
    syncEditor();
    if (multiLine_)
        return multiLine_->textCursor().selectionStart();
    return singleLine_->hasSelectedText() ? singleLine_->selectionStart() : singleLine_->cursorPosition();
}

void TextBox::setSelStart(int start)
{
    syncEditor();
    if (start < 0)
        throw platform::errors::invalidPropertyValue();
    start = std::min(start, editorLength());
    if (multiLine_) {
        QTextCursor cursor = multiLine_->textCursor();
        cursor.setPosition(start);
        multiLine_->setTextCursor(cursor);
    } else {
        singleLine_->setCursorPosition(start);
    }
}

int TextBox::selLength() const
{
    syncEditor();
    if (multiLine_) {
        const QTextCursor cursor = multiLine_->textCursor();
        return cursor.selectionEnd() - cursor.selectionStart();
    }
    return int(singleLine_->selectedText().size());
}

void TextBox::setSelLength(int length)
{
    syncEditor();
    if (length < 0)
        throw platform::errors::invalidPropertyValue();
    const int start = selStart();
    const int end = std::min(start + length, editorLength());
    if (multiLine_) {
        QTextCursor cursor = multiLine_->textCursor();
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        multiLine_->setTextCursor(cursor);
    } else {
        singleLine_->setSelection(start, end - start);
    }
}

QString TextBox::selText() const
{
    syncEditor();
    if (!multiLine_)
        return singleLine_->selectedText();
    QString selected = multiLine_->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return selected;
}

void TextBox::setSelText(const QString& text)
{
    syncEditor();
    // Goes through the editor like typing: change() runs and the box is marked.
    if (multiLine_) {
        QTextCursor cursor = multiLine_->textCursor();
        cursor.insertText(text);
        multiLine_->setTextCursor(cursor);
    } else {
        singleLine_->insert(text);
    }
}

void TextBox::setAccessibleName(const QString& name)
{
    QWidget::setAccessibleName(name);
    editor()->setAccessibleName(name);
}

bool TextBox::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        if (watched == editor() && !replayingKey_)
            return filterKeyPress(static_cast<QKeyEvent*>(event));
        break;
    case QEvent::ShortcutOverride: {
        // Ctrl and Alt keys go to the window's menus first (Ctrl+C runs the
        // Edit menu's Copy); a key no menu takes still reaches the editor.
        const auto* key = static_cast<QKeyEvent*>(event);
        if (watched == editor() && (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            event->ignore();
            return true;
        }
        break;
    }
    case QEvent::FocusIn:
        if (watched == editor()) {
            // The focus a window gives its first control when it opens is a
            // real arrival; the focus that returns with the window is not.
            const bool returning = awayWithWindow_ && leavesWithWindow(*static_cast<QFocusEvent*>(event));
            awayWithWindow_ = false;
            if (!returning)
                emit gotFocus();
        }
        break;
    case QEvent::FocusOut:
        if (watched == editor()) {
            awayWithWindow_ = leavesWithWindow(*static_cast<QFocusEvent*>(event));
            if (!awayWithWindow_)
                emit lostFocus();
        }
        break;
    case QEvent::MouseButtonRelease: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        const auto* area = static_cast<QWidget*>(watched);
        if (mouse->button() == Qt::LeftButton && area->rect().contains(mouse->position().toPoint()))
            emit click();
        break;
    }
    case QEvent::MouseButtonDblClick:
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            emit dblClick();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

bool TextBox::filterKeyPress(QKeyEvent* event)
{
    const int typed = keyAsciiOf(*event);
    if (typed == 0)
        return false;
    int keyAscii = typed;
    QPointer<TextBox> alive(this);
    emit keyPress(keyAscii);
    if (!alive)
        return true; // the step closed the window
    if (keyAscii == typed)
        return false;
    if (keyAscii <= 0 || keyAscii > 0xFFFF)
        return true; // swallowed
    const auto replacement = replacementKeyEvent(*event, keyAscii);
    replayingKey_ = true;
    QCoreApplication::sendEvent(editor(), replacement.get());
    if (alive)
        replayingKey_ = false;
    return true;
}

TextBox* focusedTextBox()
{
    // The focus lies on the box's editor, or on the viewport inside it.
    for (QWidget* widget = QApplication::focusWidget(); widget; widget = widget->parentWidget()) {
        if (auto* box = qobject_cast<TextBox*>(widget))
            return box;
    }
    return nullptr;
}

} // namespace forms
