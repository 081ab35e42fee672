#pragma once

#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

#include <QString>

class QFrame;

namespace forms {
class CommandButton;
class ImageBox;
class Label;
} // namespace forms
namespace registry {
class Registry;
}

namespace helpmenu {

// "Version 1.5.61": the word, a blank and the three numbers joined by points,
// each without padding.
QString versionText(int major, int minor, int revision);
// The same for this build of the program.
QString programVersionText();

// The about box: the program's title and version, and a way to start the
// system-information program. It is loaded afresh on every show; OK and the
// title bar's close unload it.
class frmAbout : public forms::Form {
    Q_OBJECT
public:
    frmAbout();

    // Where the system records its system-information program, and the
    // program's file name inside the tools folder of the second key.
    static const QString systemInformationKey; // value "Path": the program's full path
    static const QString toolsLocationKey;     // value "SystemInformation": a folder
    static const QString systemInformationProgram;

    forms::Label* lblTitle;
    forms::Label* lblVersion;
    forms::Label* lblDescription;
    forms::Label* lblDisclaimer;
    forms::ImageBox* FXImage2;
    forms::ControlArray<QFrame> Line1; // an etched rule: 0 grey, 1 white
    forms::CommandButton* cmdOK;
    forms::CommandButton* cmdSysInfo;

    void cmdOK_Click();
    void cmdSysInfo_Click();

    // Starts the system-information program, or says it is unavailable.
    void StartSysInfo();
    // Reads a text value of the system's store into valueText; false (and
    // valueText "") when the key or the value is not there.
    bool GetKeyValue(const registry::Registry& root, const QString& keyPath, const QString& valueName,
                     QString& valueText);

protected:
    void Form_Load() override;
};

} // namespace helpmenu
