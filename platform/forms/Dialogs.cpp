#include "platform/forms/Dialogs.h"

#include "platform/forms/CommonDialogs.h"

#include <QApplication>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <optional>

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

// A word too long for any line (a keyword of hundreds of letters, a long
// path) would widen the box to the screen's limit and still be cut there.
// Such a word gets an invisible break opportunity every few letters, so the
// box wraps it like the rest of its text.
QString breakableText(const QString& text)
{
    constexpr int longestUnbroken = 40;
    constexpr QChar zeroWidthSpace(0x200B);
    QString out;
    out.reserve(text.size() + text.size() / longestUnbroken);
    int run = 0;
    for (const QChar c : text) {
        if (c.isSpace()) {
            run = 0;
        } else if (run >= longestUnbroken && !c.isLowSurrogate()) {
            out += zeroWidthSpace;
            run = 0;
        }
        if (!c.isSpace())
            ++run;
        out += c;
    }
    return out;
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

namespace {

// What a scripted answer was meant for, for the report of a mismatch.
const char* dialogMeant(const Dialogs::Answer& answer)
{
    switch (answer.index()) {
    case 0:
        return "a message box";
    case 1:
        return "an input box";
    case 2:
        return "a file dialog";
    case 3:
        return "a printer dialog";
    case 4:
        return "a font dialog";
    default:
        return "a colour dialog";
    }
}

} // namespace

template <class T>
std::optional<T> Dialogs::takeScripted(ShownBox& box)
{
    if (answers_.empty()) {
        box.expected = false;
        box.problem = QStringLiteral("no scripted answer left");
        return std::nullopt;
    }
    if (!std::holds_alternative<T>(answers_.front())) {
        // Left in the queue: it belongs to a box still to come.
        box.expected = false;
        box.problem =
            QStringLiteral("the next scripted answer is for %1").arg(QLatin1String(dialogMeant(answers_.front())));
        return std::nullopt;
    }
    T answer = std::get<T>(std::move(answers_.front()));
    answers_.pop_front();
    return answer;
}

int Dialogs::answerScripted(ShownBox box, int style)
{
    int answer = cancelAnswer(style);
    if (const std::optional<int> scripted = takeScripted<int>(box)) {
        if (offeredAnswers(style).contains(*scripted)) {
            answer = *scripted;
        } else {
            box.expected = false;
            box.problem = QStringLiteral("scripted answer %1 is not a button of this box").arg(*scripted);
        }
    }
    box.answer = answer;
    record(std::move(box));
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
    if (std::optional<QString> scripted = takeScripted<QString>(box))
        answer = *scripted;
    box.answer = answer;
    record(std::move(box));
    return answer;
}

QString Dialogs::fileDialog(const FileRequest& request)
{
    if (!scripted_)
        return showFileDialog(request);
    ShownBox box;
    box.kind = ShownBox::Kind::File;
    box.title = request.mode == FileRequest::Mode::Save ? QStringLiteral("Save As") : QStringLiteral("Open");
    box.text = request.filter;
    box.buttons = vbOKCancel;
    box.defaultText = request.fileName;
    QString path;
    if (const std::optional<FileAnswer> scripted = takeScripted<FileAnswer>(box); scripted && scripted->accepted)
        path = scripted->path;
    // The name as the save dialog hands it back: a name typed without an
    // extension gets the default one.
    if (request.mode == FileRequest::Mode::Save && !request.defaultSuffix.isEmpty() && !path.isEmpty()
        && QFileInfo(path).suffix().isEmpty())
        path += QLatin1Char('.') + request.defaultSuffix;
    box.answer = path;
    record(std::move(box));
    return path;
}

bool Dialogs::printDialog(QPrinter& printer, int pageCount)
{
    if (!scripted_)
        return showPrintDialog(printer, pageCount);
    ShownBox box;
    box.kind = ShownBox::Kind::Printer;
    box.title = QStringLiteral("Print");
    box.buttons = vbOKCancel;
    const std::optional<PrintAnswer> scripted = takeScripted<PrintAnswer>(box);
    const bool accepted = scripted && scripted->accepted;
    if (accepted)
        applyPrintChoice(printer, scripted->choice);
    box.answer = accepted ? scripted->choice.copies : 0;
    record(std::move(box));
    return accepted;
}

std::optional<FontChoice> Dialogs::fontDialog(const QString& title, const FontChoice& initial)
{
    if (!scripted_)
        return showFontDialog(title, initial);
    ShownBox box;
    box.kind = ShownBox::Kind::Font;
    box.title = title;
    box.buttons = vbOKCancel;
    box.defaultText = initial.name;
    std::optional<FontChoice> chosen;
    if (const std::optional<FontAnswer> scripted = takeScripted<FontAnswer>(box); scripted && scripted->accepted)
        chosen = scripted->font;
    box.answer = chosen ? chosen->name : QString();
    record(std::move(box));
    return chosen;
}

std::optional<int> Dialogs::colorDialog(int initial)
{
    if (!scripted_)
        return showColorDialog(initial);
    ShownBox box;
    box.kind = ShownBox::Kind::Color;
    box.title = QStringLiteral("Color");
    box.buttons = vbOKCancel;
    box.defaultText = QString::number(initial);
    std::optional<int> chosen;
    if (const std::optional<ColorAnswer> scripted = takeScripted<ColorAnswer>(box); scripted && scripted->accepted)
        chosen = scripted->color;
    box.answer = chosen.value_or(-1);
    record(std::move(box));
    return chosen;
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
    box.setText(breakableText(text));
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

QString fileDialog(const FileRequest& request)
{
    return requireCurrent(request.filter).fileDialog(request);
}

bool printDialog(QPrinter& printer, int pageCount)
{
    return requireCurrent(QStringLiteral("the printer dialog")).printDialog(printer, pageCount);
}

std::optional<FontChoice> fontDialog(const QString& title, const FontChoice& initial)
{
    return requireCurrent(QStringLiteral("the font dialog")).fontDialog(title, initial);
}

std::optional<int> colorDialog(int initial)
{
    return requireCurrent(QStringLiteral("the colour dialog")).colorDialog(initial);
}

void beep()
{
    QApplication::beep();
}

} // namespace forms
