#include "helpmenu/HelpBinding.h"

#include "platform/forms/App.h"
#include "platform/help/HelpViewer.h"

#include <QPointer>

#include <memory>

namespace helpmenu {

namespace {

const QString helpFileName = QStringLiteral("TARNIV.HLP");

// What the binding keeps for the whole run. It lives with the running
// program (a child of its App), so every program starts unbound.
class HelpBinding : public QObject {
    Q_OBJECT
public:
    explicit HelpBinding(QObject* program) : QObject(program) { setObjectName(QStringLiteral("helpBinding")); }

    QPointer<QWidget> window;
    QString file;
    std::unique_ptr<help::HelpViewer> viewer;
};

HelpBinding* findBinding()
{
    if (!forms::App::exists())
        return nullptr;
    return forms::App::current().findChild<HelpBinding*>(QString(), Qt::FindDirectChildrenOnly);
}

HelpBinding& binding()
{
    if (HelpBinding* found = findBinding())
        return *found;
    return *new HelpBinding(&forms::App::current()); // owned by the App
}

} // namespace

QString helpFilePath(const QString& programFolder)
{
    const QString trimmed = programFolder.trimmed();
    if (trimmed.endsWith(QLatin1Char('/')) || trimmed.endsWith(QLatin1Char('\\')))
        return programFolder + helpFileName;
    return programFolder + QLatin1Char('/') + helpFileName;
}

void InitHelp(QWidget* window)
{
    HelpBinding& state = binding();
    state.window = window;
    state.file = helpFilePath(forms::App::current().path());
}

bool ShowHelpContents()
{
    HelpBinding& state = binding();
    // Every window that offers help is reached through the main table of
    // contents, which binds the file first; a request before that still
    // finds the program's own help file rather than none.
    const QString file = state.file.isEmpty() ? helpFilePath(forms::App::current().path()) : state.file;
    if (!state.viewer)
        state.viewer = std::make_unique<help::HelpViewer>();
    return state.viewer->showContents(file, state.window);
}

QString boundHelpFile()
{
    const HelpBinding* state = findBinding();
    return state ? state->file : QString();
}

QWidget* boundHelpWindow()
{
    const HelpBinding* state = findBinding();
    return state ? state->window.data() : nullptr;
}

help::HelpViewer* helpViewer()
{
    const HelpBinding* state = findBinding();
    return state ? state->viewer.get() : nullptr;
}

} // namespace helpmenu

#include "HelpBinding.moc"
