#pragma once

#include "platform/forms/Form.h"

#include <QString>

#include <functional>

class QTabWidget;
class QUrl;

namespace forms {
class CommandButton;
class ImageBox;
class Label;
class TextBox;
} // namespace forms

namespace appearance {
class SkinBackground;
}

namespace helpmenu {

// The web-links window: four tabs choose one of the program's web pages, the
// address box shows it, and the open button hands it to the system's browser.
class frmBrowser : public forms::Form {
    Q_OBJECT
public:
    // Asks the system to open an address and answers as a shell does: a code
    // above 32 when the request was accepted, 31 when nothing on the system is
    // associated with that kind of address, any other code for another failure.
    using Opener = std::function<int(const QString& address)>;
    static constexpr int noAssociation = 31;

    // The pages the tabs open, and the support page named on the support tab.
    static const QString mainSiteAddress;
    static const QString downloadLibraryAddress;
    static const QString troubleShootingAddress;
    static const QString contactAddress;
    static const QString supportAddress;

    frmBrowser();

    forms::TextBox* txtWeb;               // the address to open
    QTabWidget* SSTab1;                   // the four pages
    forms::CommandButton* Command1;       // opens the address
    forms::CommandButton* Command2;       // "E&xit"
    appearance::SkinBackground* FXImage1; // the window's background, from the skin
    forms::Label* lblSupportAddress;      // the support page's address on tab 2

    void SSTab1_Click();
    void Command1_Click();
    void Command2_Click();

    // Hands the address, as given, to the opener; reports a refusal in a box.
    // True when the request was accepted. showCommand is kept for the callers'
    // sake; the system's browser decides how it shows itself.
    bool ShellToBrowser(QWidget* window, const QString& address, int showCommand);

    // The system's browser by default; tests put their own in.
    void setOpener(Opener opener) { opener_ = std::move(opener); }
    // The default: the desktop's browser for a web address (http or https
    // with a host); any other address has no browser associated with it.
    static int openInSystemBrowser(const QString& address);
    static bool isWebAddress(const QUrl& url);

    // The background file of a skin ("\\images\\nan2.jpg"), or "" for a name
    // that has none; names are compared exactly.
    static QString backgroundOfSkin(const QString& skinName);

protected:
    void Form_Activate() override;

private:
    Opener opener_;
};

} // namespace helpmenu
