#include "platform/spell/SpellChecker.h"

#include "platform/core/RuntimeError.h"

#include "platform/core/Errors.h"
#include "platform/spell/SpellDialog.h"
#include "platform/spell/TextTarget.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextDocument>

namespace spell {

SpellChecker::SpellChecker(QObject* parent) : QObject(parent) {}

SpellChecker::~SpellChecker()
{
    attach(nullptr);
}

void SpellChecker::setMainDictionary(const QString& path)
{
    mainPath_ = path;
    dictionary_.open(path);
}

void SpellChecker::setUserDictionary(const QString& path)
{
    userWords_.load(path);
    for (const QString& word : userWords_.words())
        dictionary_.addWord(word);
}

bool SpellChecker::isCorrect(const QString& word) const
{
    return ignored_.contains(word) || dictionary_.check(word);
}

void SpellChecker::setWord(const QString& word)
{
    // The word the report just looked up costs nothing to set again.
    if (word == word_ && !suggestions_.isEmpty())
        return;
    word_ = word;
    suggestions_ = dictionary_.suggest(word);
}

QString SpellChecker::suggestion(int index) const
{
    if (index < 0 || index >= suggestions_.size())
        throw platform::errors::invalidProcedureCall();
    return suggestions_.at(index);
}

// ---- Checking while typing ----------------------------------------------------------

void SpellChecker::attach(QWidget* editor)
{
    if (editor_)
        editor_->removeEventFilter(this);
    editor_ = editor;
    checkPending_ = false;
    wordOpen_ = false;
    if (editor)
        editor->installEventFilter(this);
}

QString SpellChecker::editorText() const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data()))
        return line->text();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor_.data()))
        return plain->toPlainText();
    return {};
}

int SpellChecker::editorCaret() const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data()))
        return line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor_.data()))
        return plain->textCursor().selectionStart();
    return 0;
}

// Whether the user may have typed the editor's text as it stands: a locked
// editor takes no typing, and text set anew (another record shown) was not
// typed, whatever keys went before it.
bool SpellChecker::editorHoldsTyping() const
{
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data()))
        return !line->isReadOnly() && line->isModified();
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor_.data()))
        return !plain->isReadOnly() && plain->document()->isModified();
    return false;
}

bool SpellChecker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != editor_)
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) {
        // The key has not reached the editor yet: remember where it lands
        // and look once it has. Only a character that closes a word starts a
        // check, so typing inside a word costs nothing.
        const auto* key = static_cast<QKeyEvent*>(event);
        const QString typed = key->text();
        if (!typed.isEmpty() && closesWord(typed.at(0))) {
            if (!checkPending_) {
                checkPending_ = true;
                openBeforeKey_ = wordOpen_;
                textBeforeKey_ = editorText();
                insertAt_ = editorCaret();
                QMetaObject::invokeMethod(this, &SpellChecker::checkTypedWord, Qt::QueuedConnection);
            }
            wordOpen_ = false;
        } else if ((!typed.isEmpty() && typed.at(0).isPrint()) || key->key() == Qt::Key_Backspace
                   || key->key() == Qt::Key_Delete) {
            wordOpen_ = true;
        }
    } else if (event->type() == QEvent::FocusOut) {
        // Only the user leaving the editor ends a word: a popup or another
        // window takes the focus for a while, and it comes back here.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason
            || reason == Qt::ShortcutFocusReason)
            checkLeftWord();
    }
    return QObject::eventFilter(watched, event);
}

void SpellChecker::checkTypedWord()
{
    // The check was made at the focus change, or belongs to an editor no
    // longer watched: its positions mean nothing in the editor watched now.
    if (!checkPending_)
        return;
    checkPending_ = false;
    if (!editor_)
        return;
    const QString text = editorText();
    // A locked box refused the key, or a step swallowed it, or it was one
    // the editor does not insert (Return in one line): the word goes on.
    if (text == textBeforeKey_ || insertAt_ >= text.size() || !closesWord(text.at(insertAt_))) {
        wordOpen_ = wordOpen_ || openBeforeKey_;
        return;
    }
    const WordSpan span = wordEndingAt(text, insertAt_);
    if (span.isEmpty())
        return;
    report(span, text);
}

// Reported before the focus arrives elsewhere, so the word is replaced in
// the editor it was typed into.
void SpellChecker::checkLeftWord()
{
    // The closing key just typed is checked first, as it would have been.
    if (checkPending_)
        checkTypedWord();
    if (!wordOpen_ || !editor_)
        return;
    wordOpen_ = false;
    if (!editorHoldsTyping())
        return;
    const QString text = editorText();
    const WordSpan span = wordAt(text, editorCaret());
    if (!span.isEmpty())
        report(span, text);
}

void SpellChecker::report(const WordSpan& span, const QString& text)
{
    const QString typed = text.mid(span.start, span.length);
    if (isCorrect(typed))
        return;
    setWord(typed);
    wordPosition_ = screenPositionOf(span);
    bool handled = false;
    emit wordFlagged(span.start, span.length, handled);
}

QPoint SpellChecker::screenPositionOf(const WordSpan& word) const
{
    if (auto* plain = qobject_cast<QPlainTextEdit*>(editor_.data())) {
        QTextCursor at(plain->document());
        at.setPosition(qMin(word.start, plain->document()->characterCount() - 1));
        return plain->viewport()->mapToGlobal(plain->cursorRect(at).bottomLeft());
    }
    if (auto* line = qobject_cast<QLineEdit*>(editor_.data())) {
        // The caret stands after the closing character; step back over the word.
        const QRect caret = line->inputMethodQuery(Qt::ImCursorRectangle).toRect();
        const QString text = line->text();
        const int caretAt = line->cursorPosition();
        const int back = QFontMetrics(line->font()).horizontalAdvance(text.mid(word.start, caretAt - word.start));
        return line->mapToGlobal(QPoint(caret.left() - back, caret.bottom()));
    }
    return {};
}

// ---- The spelling dialog ----------------------------------------------------------------

void SpellChecker::checkText(TextTarget& target)
{
    int from = 0;
    while (dialogEnabled_) {
        const QString text = target.text();
        const WordSpan span = nextWord(text, from);
        if (span.isEmpty())
            return;
        const QString found = text.mid(span.start, span.length);
        from = span.end();
        if (isCorrect(found))
            continue;

        int code = ChangeAll;
        QString replacement = changeAll_.value(found);
        if (!changeAll_.contains(found)) {
            setWord(found);
            code = SpellDialog::ask(found, suggestions_, replacement);
            int reported = code;
            emit dialogButton(reported);
        }
        switch (code) {
        case ChangeAll:
            changeAll_.insert(found, replacement);
            [[fallthrough]];
        case Change:
            if (replacement != found) {
                target.replace(span.start, span.length, replacement);
                from = span.start + int(replacement.size());
                ++errorsHandled_;
            }
            break;
        case IgnoreAll:
            ignored_.insert(found);
            break;
        case Add:
            addUserWord(found);
            break;
        case Cancel:
            return;
        default:
            break;
        }
    }
}

void SpellChecker::addUserWord(const QString& word)
{
    // Known for this run even when the list cannot be written; the walk goes
    // on, and the caller tells the user what was not kept.
    dictionary_.addWord(word);
    if (userWords_.path().isEmpty())
        return;
    try {
        userWords_.add(word);
    } catch (const platform::RuntimeError& error) {
        unsavedWords_ << QStringLiteral("%1 (%2)").arg(word, error.description());
    }
}

} // namespace spell
