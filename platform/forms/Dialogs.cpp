#include "platform/forms/Dialogs.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace forms {

namespace {

Dialogs*& currentDialogs()
{
    static Dialogs* current = nullptr;
    return current;
}

// The answers a box offers, in the order its buttons stand.
QList<int> offeredAnswers(int style)
{
    switch (style & msgBoxButtonsMask) {
    case vbOKCancel:
        return {vbOK, vbCancel};
    case vbAbortRetryIgnore:
        return {vbAbort, vbRetry, vbIgnore};
    case vbYesNoCancel:
        return {vbYes, vbNo, vbCancel};
    case vbYesNo:
        return {vbYes, vbNo};
    case vbRetryCancel:
        return {vbRetry, vbCancel};
    default:
        return {vbOK};
    }
}

int defaultButtonNumber(int style)
{
    const int number = ((style & msgBoxDefaultMask) >> 8) + 1;
    return number <= offeredAnswers(style).size() ? number : 1;
}

int defaultAnswer(int style)
{
    return offeredAnswers(style)[defaultButtonNumber(style) - 1];
}

QMessageBox::StandardButton standardButtonFor(int answer)
{
    switch (answer) {
    case vbCancel:
        return QMessageBox::Cancel;
    case vbAbort:
        return QMessageBox::Abort;
    case vbRetry:
        return QMessageBox::Retry;
    case vbIgnore:
        return QMessageBox::Ignore;
    case vbYes:
        return QMessageBox::Yes;
    case vbNo:
        return QMessageBox::No;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon iconFor(int style)
{
    switch (style & msgBoxIconMask) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

} // namespace

Dialogs::~Dialogs()
{
    if (currentDialogs() == this)
        currentDialogs() = nullptr;
}

Dialogs* Dialogs::current()
{
    return currentDialogs();
}

void Dialogs::setCurrent(Dialogs* dialogs)
{
    currentDialogs() = dialogs;
}

QString Dialogs::applicationTitle() const
{
    return applicationTitle_.isEmpty() ? QCoreApplication::applicationName() : applicationTitle_;
}

int Dialogs::cancelAnswer(int style)
{
    // Boxes with a Cancel button answer Cancel; OK alone answers OK; Yes/No
    // and Abort/Retry/Ignore have no way out but their default button.
    const QList<int> offered = offeredAnswers(style);
    if (offered.contains(vbCancel))
        return vbCancel;
    if (offered.size() == 1)
        return offered.front();
    return defaultAnswer(style);
}

int Dialogs::msgBox(const QString& text, int style)
{
    return msgBox(text, style, applicationTitle());
}

int Dialogs::msgBox(const QString& text, int style, const QString& title)
{
    if (!scripted_)
        return showMessageBox(text, style, title);
    ShownBox box;
    box.kind = ShownBox::Kind::Message;
    box.title = title;
    box.text = text;
    box.buttons = style & msgBoxButtonsMask;
    box.icon = style & msgBoxIconMask;
    box.defaultButton = defaultButtonNumber(style);
    return answerScripted(std::move(box), style);
}

int Dialogs::answerScripted(ShownBox box, int style)
{
    int answer = cancelAnswer(style);
    if (answers_.empty()) {
        box.expected = false;
        box.problem = QStringLiteral("no scripted answer left");
    } else if (!std::holds_alternative<int>(answers_.front())) {
        // Left in the queue: it belongs to an input box still to come.
        box.expected = false;
        box.problem = QStringLiteral("the next scripted answer is for an input box");
    } else {
        const int scripted = std::get<int>(answers_.front());
        answers_.pop_front();
        if (offeredAnswers(style).contains(scripted)) {
            answer = scripted;
        } else {
            box.expected = false;
            box.problem = QStringLiteral("scripted answer %1 is not a button of this box").arg(scripted);
        }
    }
    box.answer = answer;
    shown_.append(std::move(box));
    return answer;
}

QString Dialogs::inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    if (!scripted_)
        return showInputBox(prompt, title, defaultText);
    ShownBox box;
    box.kind = ShownBox::Kind::Input;
    box.title = title;
    box.text = prompt;
    box.buttons = vbOKCancel;
    box.defaultText = defaultText;
    return answerScriptedInput(std::move(box));
}

QString Dialogs::answerScriptedInput(ShownBox box)
{
    QString answer;
    if (answers_.empty()) {
        box.expected = false;
        box.problem = QStringLiteral("no scripted answer left");
    } else if (!std::holds_alternative<QString>(answers_.front())) {
        box.expected = false;
        box.problem = QStringLiteral("the next scripted answer is for a message box");
    } else {
        answer = std::get<QString>(answers_.front());
        answers_.pop_front();
    }
    box.answer = answer;
    shown_.append(std::move(box));
    return answer;
}

void Dialogs::clearScript()
{
    answers_.clear();
    shown_.clear();
}

QList<ShownBox> Dialogs::unexpected() const
{
    QList<ShownBox> result;
    for (const ShownBox& box : shown_) {
        if (!box.expected)
            result.append(box);
    }
    return result;
}

int Dialogs::showMessageBox(const QString& text, int style, const QString& title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText); // the text shows as written, "<" and all
    box.setText(text);
    box.setIcon(iconFor(style));
    const QList<int> offered = offeredAnswers(style);
    QList<QAbstractButton*> buttons;
    for (int answer : offered)
        buttons.append(box.addButton(standardButtonFor(answer)));
    box.setDefaultButton(static_cast<QPushButton*>(buttons[defaultButtonNumber(style) - 1]));
    box.setEscapeButton(buttons[offered.indexOf(cancelAnswer(style))]);
    box.exec();
    const int clicked = int(buttons.indexOf(box.clickedButton()));
    return clicked >= 0 ? offered[clicked] : cancelAnswer(style);
}

QString Dialogs::showInputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    QInputDialog dialog(QApplication::activeWindow());
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    if (auto* label = dialog.findChild<QLabel*>())
        label->setTextFormat(Qt::PlainText);
    dialog.setTextValue(defaultText);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

namespace {
Dialogs& requireCurrent(const QString& text)
{
    Dialogs* dialogs = Dialogs::current();
    if (!dialogs)
        qFatal("A box was asked for with no dialog module set: %s", qPrintable(text));
    return *dialogs;
}
} // namespace

int msgBox(const QString& text, int style)
{
    return requireCurrent(text).msgBox(text, style);
}

int msgBox(const QString& text, int style, const QString& title)
{
    return requireCurrent(text).msgBox(text, style, title);
}

QString inputBox(const QString& prompt, const QString& title, const QString& defaultText)
{
    return requireCurrent(prompt).inputBox(prompt, title, defaultText);
}

void beep()
{
    QApplication::beep();
}

} // namespace forms
