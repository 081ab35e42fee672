#include "helpmenu/frmAbout.h"

#include "appearance/art/Emblem.h"
#include "platform/forms/App.h"
#include "platform/forms/CommandButton.h"
#include "platform/forms/Dialogs.h"
#include "platform/forms/ImageBox.h"
#include "platform/forms/Label.h"
#include "platform/forms/Twips.h"
#include "platform/forms/WindowKit.h"
#include "platform/registry/Registry.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFrame>
#include <QProcess>

namespace helpmenu {

const QString frmAbout::systemInformationKey = QStringLiteral("SystemInformation");
const QString frmAbout::toolsLocationKey = QStringLiteral("SharedToolsLocation");
const QString frmAbout::systemInformationProgram = QStringLiteral("systeminfo");

QString versionText(int major, int minor, int revision)
{
    return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

QString programVersionText()
{
    return versionText(DRILLBOOK_VERSION_MAJOR, DRILLBOOK_VERSION_MINOR, DRILLBOOK_VERSION_PATCH);
}

namespace {

QFrame* ruleLine(QWidget* parent, const QColor& colour, int top)
{
    auto* line = new QFrame(parent);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::NoFrame);
    line->setAutoFillBackground(true);
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setGeometry(forms::toPixels(120), top, forms::toPixels(6240), 1);
    return line;
}

forms::Label* label(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* control = new forms::Label(parent);
    control->setObjectName(QString::fromLatin1(name));
    forms::setGeometryTwips(*control, left, top, width, height);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return control;
}

} // namespace

frmAbout::frmAbout()
{
    // A fixed tool window whose title bar carries no text.
    forms::shapeWindow(*this, {"frmAbout", "", forms::rectFromTwips(0, 0, 6480, 3840).size(),
                               forms::Start::CentredOnScreen, true,
                               Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint
                                   | Qt::MSWindowsFixedSizeDialogHint});
    setAccessibleName(QStringLiteral("About"));

    auto* canvas = new QWidget(this);
    setCentralWidget(canvas);

    FXImage2 = new forms::ImageBox(canvas);
    FXImage2->setObjectName(QStringLiteral("FXImage2"));
    forms::setGeometryTwips(*FXImage2, 240, 240, 1020, 1020);
    FXImage2->showDrawnPicture(art::emblemPicture(FXImage2->size()));

    lblTitle = label(canvas, "lblTitle", 1440, 210, 4800, 480);
    QFont titleFont = lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblTitle->setCaption(QStringLiteral("Application Title"));

    lblVersion = label(canvas, "lblVersion", 1440, 720, 4800, 300);
    lblVersion->setCaption(QStringLiteral("Version"));

    lblDescription = label(canvas, "lblDescription", 1440, 1065, 4800, 1260);
    lblDescription->setWordWrap(true);
    lblDescription->setCaption(QStringLiteral(
        "Study and test preparation for Fire Fighter I and II certification: question banks by chapter, "
        "answer modes, drill and review sets and printed tests. Sealed with this release's question banks."));

    Line1.add(0, ruleLine(canvas, QColor(128, 128, 128), forms::toPixels(2460)));
    Line1.add(1, ruleLine(canvas, QColor(255, 255, 255), forms::toPixels(2460) + 1));

    lblDisclaimer = label(canvas, "lblDisclaimer", 240, 2640, 4260, 1020);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setCaption(
        QStringLiteral("The program, its question banks and its help are the work of the drillbook authors. "
                       "Questions are for study only; check your department's procedures. Updated with this version."));
    QFont small = lblDisclaimer->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lblDisclaimer->setFont(small);

    using Self = frmAbout;
    // clang-format off
    static const forms::ButtonDesign<Self> buttons[] = {
        {&Self::cmdOK, "cmdOK", "OK", {4740, 2640, 1500, 375}, &Self::cmdOK_Click, "", "", forms::Default | forms::Cancel},
        {&Self::cmdSysInfo, "cmdSysInfo", "&System Info...", {4740, 3120, 1500, 375}, &Self::cmdSysInfo_Click},
    };
    // clang-format on
    forms::buildButtons(*this, *canvas, buttons);
}

void frmAbout::Form_Load()
{
    lblVersion->setCaption(programVersionText());
    lblTitle->setCaption(forms::Dialogs::current() ? forms::Dialogs::current()->applicationTitle()
                                                   : QCoreApplication::applicationName());
}

void frmAbout::cmdOK_Click()
{
    Unload();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    const registry::Registry root = registry::Registry::ofProgramFolder(forms::App::current().path());
    QString program;
    QString folder;
    bool found = GetKeyValue(root, systemInformationKey, QStringLiteral("Path"), program);
    if (!found && GetKeyValue(root, toolsLocationKey, QStringLiteral("SystemInformation"), folder)) {
        const QString candidate = folder + QLatin1Char('/') + systemInformationProgram;
        if (QFileInfo(candidate).isFile()) {
            program = candidate;
            found = true;
        }
    }
    // Started on its own, in its own window; the about box does not wait for it.
    if (found && !program.isEmpty() && QProcess::startDetached(program, {}))
        return;
    forms::msgBox(QStringLiteral("System Information Is Unavailable At This Time"), forms::vbOKOnly);
}

bool frmAbout::GetKeyValue(const registry::Registry& root, const QString& keyPath, const QString& valueName,
                           QString& valueText)
{
    const std::optional<QString> value = root.value(keyPath, valueName);
    if (!value) {
        valueText.clear();
        return false;
    }
    valueText = *value;
    return true;
}

} // namespace helpmenu
