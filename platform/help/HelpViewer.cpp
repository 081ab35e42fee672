#include "platform/help/HelpViewer.h"

#include "platform/forms/WindowKit.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>
#include <QUrl>

namespace help {

HelpViewer::HelpViewer(QWidget* parent) : QMainWindow(parent)
{
    forms::shapeWindow(*this, {"helpViewer", "Help", QSize(680, 600)});

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpPage"));
    // Links are the viewer's to follow: "#id" names a page, not a place in this one.
    browser_->setOpenLinks(false);
    browser_->setOpenExternalLinks(false);
    browser_->document()->setDocumentMargin(14);
    setCentralWidget(browser_);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpViewer::followLink);

    auto* bar = addToolBar(QStringLiteral("Help"));
    bar->setObjectName(QStringLiteral("helpButtons"));
    bar->setMovable(false);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    contents_ = bar->addAction(QStringLiteral("&Contents"), this, &HelpViewer::goToContents);
    back_ = bar->addAction(QStringLiteral("&Back"), this, &HelpViewer::goBack);
    back_->setShortcut(QKeySequence::Back);

    updateActions();
}

HelpViewer::~HelpViewer() = default;

bool HelpViewer::showContents(const QString& helpFile, QWidget* near)
{
    const bool firstShow = !isVisible();
    history_.clear();
    current_.clear();
    const bool loaded = file_.load(helpFile);
    if (loaded)
        display(*file_.index());
    else
        displayProblem(file_.errorString());
    updateActions();

    if (firstShow) {
        const QWidget* anchor = near && near->isVisible() ? near : nullptr;
        forms::centreOn(*this, anchor ? anchor->frameGeometry() : forms::screenArea());
    }
    show();
    raise();
    activateWindow();
    return loaded;
}

bool HelpViewer::showTopic(const QString& id)
{
    const HelpTopic* page = file_.topic(id);
    if (!page)
        return false;
    if (!current_.isEmpty() && current_ != id)
        history_.append(current_);
    display(*page);
    updateActions();
    return true;
}

void HelpViewer::followLink(const QUrl& link)
{
    // The help file's pages name each other by "#id"; it links nowhere else.
    if (link.isRelative() && link.path().isEmpty() && link.hasFragment())
        showTopic(link.fragment());
}

void HelpViewer::goBack()
{
    if (history_.isEmpty())
        return;
    const QString previous = history_.takeLast();
    if (const HelpTopic* page = file_.topic(previous))
        display(*page);
    updateActions();
}

void HelpViewer::goToContents()
{
    if (file_.index())
        showTopic(file_.index()->id);
}

void HelpViewer::display(const HelpTopic& page)
{
    current_ = page.id;
    browser_->setHtml(file_.pageHtml(page));
    const QString book = file_.title().isEmpty() ? QStringLiteral("Help") : file_.title();
    setWindowTitle(page.id == QLatin1String(HelpFile::indexId) ? book : book + QStringLiteral(" - ") + page.title);
}

void HelpViewer::displayProblem(const QString& problem)
{
    setWindowTitle(QStringLiteral("Help"));
    browser_->setHtml(QStringLiteral("<h2>Help is not available</h2><p>%1</p>").arg(problem.toHtmlEscaped()));
}

void HelpViewer::updateActions()
{
    back_->setEnabled(!history_.isEmpty());
    contents_->setEnabled(file_.index() != nullptr);
}

} // namespace help
