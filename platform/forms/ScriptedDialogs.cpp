#include "platform/forms/ScriptedDialogs.h"

namespace forms {

ScriptedDialogs::ScriptedDialogs()
    : owned_(std::make_unique<Dialogs>()), dialogs_(owned_.get()), previousCurrent_(Dialogs::current()),
      previousScripted_(false)
{
    Dialogs::setCurrent(dialogs_);
    dialogs_->setScripted(true);
}

ScriptedDialogs::ScriptedDialogs(Dialogs& dialogs)
    : dialogs_(&dialogs), previousCurrent_(Dialogs::current()), previousScripted_(dialogs.scripted())
{
    dialogs_->clearScript();
    dialogs_->setScripted(true);
}

ScriptedDialogs::~ScriptedDialogs()
{
    if (owned_) {
        Dialogs::setCurrent(previousCurrent_);
        return;
    }
    dialogs_->clearScript();
    dialogs_->setScripted(previousScripted_);
}

ScriptedDialogs& ScriptedDialogs::answer(int msgBoxResult)
{
    dialogs_->script(msgBoxResult);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::answer(const QString& inputText)
{
    dialogs_->script(inputText);
    return *this;
}

ScriptedDialogs& ScriptedDialogs::chooseFile(const QString& path)
{
    dialogs_->script(Dialogs::FileAnswer{true, path});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::cancelFileDialog()
{
    dialogs_->script(Dialogs::FileAnswer{});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::chooseFont(const FontChoice& font)
{
    dialogs_->script(Dialogs::FontAnswer{true, font});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::cancelFontDialog()
{
    dialogs_->script(Dialogs::FontAnswer{});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::chooseColor(int color)
{
    dialogs_->script(Dialogs::ColorAnswer{true, color});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::cancelColorDialog()
{
    dialogs_->script(Dialogs::ColorAnswer{});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::choosePrinting(const PrintChoice& choice)
{
    dialogs_->script(Dialogs::PrintAnswer{true, choice});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::cancelPrintDialog()
{
    dialogs_->script(Dialogs::PrintAnswer{});
    return *this;
}

namespace {
QString kindName(ShownBox::Kind kind)
{
    switch (kind) {
    case ShownBox::Kind::Input:
        return QStringLiteral("input box");
    case ShownBox::Kind::File:
        return QStringLiteral("file dialog");
    case ShownBox::Kind::Printer:
        return QStringLiteral("printer dialog");
    case ShownBox::Kind::Font:
        return QStringLiteral("font dialog");
    case ShownBox::Kind::Color:
        return QStringLiteral("colour dialog");
    default:
        return QStringLiteral("message box");
    }
}
} // namespace

QString ScriptedDialogs::problems() const
{
    QStringList lines;
    for (const ShownBox& box : dialogs_->unexpected()) {
        lines << QStringLiteral("unexpected %1 (%2) titled \"%3\": \"%4\"")
                     .arg(kindName(box.kind), box.problem, box.title, box.text);
    }
    if (dialogs_->pendingAnswers() > 0)
        lines << QStringLiteral("%1 scripted answer(s) never used").arg(dialogs_->pendingAnswers());
    return lines.join(QLatin1Char('\n'));
}

} // namespace forms
