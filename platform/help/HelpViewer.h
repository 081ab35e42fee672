#pragma once

#include "platform/help/HelpFile.h"

#include <QMainWindow>
#include <QStringList>

class QAction;
class QTextBrowser;
class QUrl;

namespace help {

// The help window: shows one page of a help file at a time, opens at the
// table of contents, follows "#id" links between pages, and goes back along
// the pages seen. A help file that cannot be read is reported in the window
// itself, as a help engine does; the program shows no box of its own.
class HelpViewer : public QMainWindow {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);
    ~HelpViewer() override;

    // Reads the help file (again, so an updated file shows) and shows its
    // table of contents, placing a new window over `near`. False when the file
    // could not be read; the window then shows why.
    bool showContents(const QString& helpFile, QWidget* near = nullptr);

    // Shows the page with this id of the loaded file; false for none.
    bool showTopic(const QString& id);
    // What a click on a link in the page does.
    void followLink(const QUrl& link);
    void goBack();
    void goToContents();

    QString currentTopic() const { return current_; } // "" when no page is shown
    const HelpFile& file() const { return file_; }
    QTextBrowser* browser() const { return browser_; }
    QAction* contentsAction() const { return contents_; }
    QAction* backAction() const { return back_; }

private:
    void display(const HelpTopic& topic);
    void displayProblem(const QString& problem);
    void updateActions();

    HelpFile file_;
    QString current_;
    QStringList history_; // pages left, most recent last
    QTextBrowser* browser_;
    QAction* contents_;
    QAction* back_;
};

} // namespace help
