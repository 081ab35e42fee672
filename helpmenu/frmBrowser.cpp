#include "helpmenu/frmBrowser.h"

#include "appearance/SkinTable.h"
#include "appearance/art/Emblem.h"

#include "appearance/SkinBackground.h"
#include "platform/forms/App.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/Label.h"
#include "platform/forms/TextBox.h"
#include "platform/forms/WindowKit.h"
#include "settings/Settings.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QImage>
#include <QTabWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace helpmenu {

const QString frmBrowser::mainSiteAddress = QStringLiteral("https://drillbook.example/");
const QString frmBrowser::downloadLibraryAddress = QStringLiteral("https://drillbook.example/downloads/");
const QString frmBrowser::troubleShootingAddress = QStringLiteral("https://drillbook.example/support/troubleshooting");
const QString frmBrowser::contactAddress = QStringLiteral("https://drillbook.example/contact");
const QString frmBrowser::supportAddress = QStringLiteral("https://drillbook.example/support/ask");

namespace {

// What choosing each tab puts into the address box and onto the open button.
struct Page {
    const QString& address;
    const char* button;
};
const Page pages[] = {
    {frmBrowser::mainSiteAddress, "Connect To Brislot's Main Website"},
    {frmBrowser::downloadLibraryAddress, "Connect To Brislot's Free Demo Download Library"},
    {frmBrowser::troubleShootingAddress, "Connect To Brislot's Trouble Shooting Page"},
    {frmBrowser::contactAddress, "Brisolt Software's Contact Page"},
};

forms::Label* pageLabel(QWidget* page, const char* name, const QString& caption, bool heading = false)
{
    auto* label = new forms::Label(page, caption);
    label->setObjectName(QString::fromLatin1(name));
    label->setWordWrap(true);
    if (heading) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSizeF(font.pointSizeF() * 1.25);
        label->setFont(font);
    }
    return label;
}

// A tab's page: the emblem at the left, its lines at the right.
QWidget* tabPage(const QImage& emblem, const QList<QWidget*>& lines, QWidget* page)
{
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(14, 14, 14, 14);
    row->setSpacing(16);
    auto* picture = new forms::ImageBox(page);
    picture->setObjectName(QStringLiteral("picture"));
    picture->showDrawnPicture(emblem);
    picture->setFixedSize(96, 96);
    row->addWidget(picture, 0, Qt::AlignTop);
    auto* column = new QVBoxLayout;
    column->setSpacing(10);
    for (QWidget* line : lines)
        column->addWidget(line);
    column->addStretch(1);
    row->addLayout(column, 1);
    return page;
}

} // namespace

frmBrowser::frmBrowser() : opener_(&frmBrowser::openInSystemBrowser)
{
    forms::shapeWindow(
        *this, {"frmBrowser", "Connect To Brisolt On The Internet", QSize(560, 380), forms::Start::CentredOnScreen});

    QWidget* front = layOverSkinBackground(*this, FXImage1);
    auto* column = new QVBoxLayout(front);
    column->setContentsMargins(12, 12, 12, 12);
    column->setSpacing(10);

    using Self = frmBrowser;
    static const forms::BoxDesign<Self> boxes[] = {{&Self::txtWeb, "txtWeb", "Web address", {}}};
    forms::buildBoxes(*this, *front, boxes);
    txtWeb->setText(mainSiteAddress);
    txtWeb->setDataChanged(false);
    column->addWidget(txtWeb);

    const QImage emblem = art::emblemPicture(QSize(96, 96));
    SSTab1 = new QTabWidget(front);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setDocumentMode(false);
    {
        auto* page = new QWidget;
        SSTab1->addTab(
            tabPage(emblem,
                    {pageLabel(page, "lblWebsite", QStringLiteral("Brisolt Software's Flagship Website"), true),
                     pageLabel(page, "lblProducts",
                               QStringLiteral("Complete Information About All Brisolt Software Products"))},
                    page),
            QStringLiteral("Brisolt Website"));
    }
    {
        auto* page = new QWidget;
        SSTab1->addTab(
            tabPage(emblem,
                    {pageLabel(page, "lblDemo",
                               QStringLiteral("Download Free Demo Versions Of All Brisolt Software Products."), true)},
                    page),
            QStringLiteral("Demo Library"));
    }
    {
        auto* page = new QWidget;
        lblSupportAddress = pageLabel(page, "lblSupportAddress", supportAddress);
        lblSupportAddress->setTextInteractionFlags(Qt::TextSelectableByMouse);
        QFont link = lblSupportAddress->font();
        link.setBold(true);
        lblSupportAddress->setFont(link);
        SSTab1->addTab(
            tabPage(
                emblem,
                {pageLabel(page, "lblTrouble",
                           QStringLiteral("Most of the technical supports answers that we get are answered on our "
                                          "Trouble Shooting page.  You should review this page before calling "
                                          "Technical Support.")),
                 pageLabel(page, "lblEmail",
                           QStringLiteral("You can also e-mail support questions by accessing the following site:")),
                 lblSupportAddress},
                page),
            QStringLiteral("Tech Support"));
    }
    {
        auto* page = new QWidget;
        SSTab1->addTab(
            tabPage(emblem,
                    {pageLabel(page, "lblContact",
                               QStringLiteral("Contact Numbers For Various Departments Of Brisolt Software"), true)},
                    page),
            QStringLiteral("Contact Brisolt"));
    }
    column->addWidget(SSTab1, 1);
    connect(SSTab1, &QTabWidget::currentChanged, this, &frmBrowser::SSTab1_Click);

    static const forms::ButtonDesign<Self> buttons[] = {
        {&Self::Command1, "Command1", "Connect To Brisolt On The Internet", {}, &Self::Command1_Click},
        {&Self::Command2, "Command2", "E&xit", {}, &Self::Command2_Click},
    };
    forms::buildButtons(*this, *front, buttons);
    auto* buttonRow = new QHBoxLayout;
    for (forms::CommandButton* button : {Command1, Command2})
        button->setMinimumHeight(34);
    buttonRow->addWidget(Command1, 1);
    buttonRow->addWidget(Command2);
    column->addLayout(buttonRow);
}

QString frmBrowser::backgroundOfSkin(const QString& skinName)
{
    const appearance::Skin* skin = appearance::findSkin(skinName);
    return skin ? QString(skin->windowBackground) : QString();
}

void frmBrowser::Form_Activate()
{
    // A skin without a background here keeps the one shown before.
    const QString picture = backgroundOfSkin(settings::skinName());
    if (!picture.isEmpty())
        FXImage1->setPictureFile(forms::App::current().file(picture));
}

void frmBrowser::SSTab1_Click()
{
    const int tab = SSTab1->currentIndex();
    if (tab < 0 || tab >= int(std::size(pages)))
        return;
    txtWeb->setText(pages[tab].address);
    Command1->setCaption(QString::fromLatin1(pages[tab].button));
}

void frmBrowser::Command1_Click()
{
    const QString address = txtWeb->text().trimmed();
    if (address.isEmpty() || address == QLatin1String("http://www.")) {
        forms::msgBox(QStringLiteral("You don't have a web address entered for this entry"),
                      forms::vbOKOnly | forms::vbCritical, QStringLiteral("Missing Data"));
        return;
    }
    ShellToBrowser(this, address, 0);
}

void frmBrowser::Command2_Click()
{
    Unload();
}

bool frmBrowser::ShellToBrowser(QWidget* window, const QString& address, int showCommand)
{
    const int result = opener_ ? opener_(address) : 0;
    if (result > 32)
        return true;
    const QString title = forms::Dialogs::current() ? forms::Dialogs::current()->applicationTitle() : QString();
    if (result == noAssociation) {
        forms::msgBox(title + QStringLiteral(" could not find a file association for ") + address
                          + QStringLiteral(" on your system. You should check that your browser")
                          + QStringLiteral("is correctly installed and associated with this type of file."),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Browser Unavailable"));
    } else {
        forms::msgBox(title + QStringLiteral(" had a problem running your web browser.")
                          + QStringLiteral("You should check that your browser is correctly installed.")
                          + QStringLiteral("(Error") + QString::number(result) + QStringLiteral(")"),
                      forms::vbOKOnly | forms::vbExclamation, QStringLiteral("Browser Unavailable"));
    }
    return false;
}

int frmBrowser::openInSystemBrowser(const QString& address)
{
    // The address goes as typed; nothing adds a scheme to it.
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid())
        return 2; // as a shell answers for an address it cannot make out
    // The browser is associated with web addresses only. One without a scheme
    // is none, also where it reads like one: "www.example.com:8080" is the
    // scheme "www.example.com" to a URL parser, and the desktop would hand it
    // to whatever claims that, saying nothing when nothing does. A desktop
    // without a browser says the same.
    if (!isWebAddress(url) || !QDesktopServices::openUrl(url))
        return noAssociation;
    return 42;
}

bool frmBrowser::isWebAddress(const QUrl& url)
{
    const QString scheme = url.scheme();
    const bool web = scheme.compare(QLatin1String("http"), Qt::CaseInsensitive) == 0
                     || scheme.compare(QLatin1String("https"), Qt::CaseInsensitive) == 0;
    return web && !url.host().isEmpty();
}

} // namespace helpmenu
