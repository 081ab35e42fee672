#include "platform/forms/ScriptedDialogs.h"

namespace forms {

ScriptedDialogs::ScriptedDialogs()
    : owned_(std::make_unique<Dialogs>()),
      dialogs_(owned_.get()),
      previousCurrent_(Dialogs::current()),
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

QString ScriptedDialogs::problems() const
{
    QStringList lines;
    for (const ShownBox& box : dialogs_->unexpected()) {
        lines << QStringLiteral("unexpected %1 box (%2) titled \"%3\": \"%4\"")
                     .arg(box.kind == ShownBox::Kind::Input ? QStringLiteral("input") : QStringLiteral("message"),
                          box.problem, box.title, box.text);
    }
    if (dialogs_->pendingAnswers() > 0)
        lines << QStringLiteral("%1 scripted answer(s) never used").arg(dialogs_->pendingAnswers());
    return lines.join(QLatin1Char('\n'));
}

} // namespace forms
