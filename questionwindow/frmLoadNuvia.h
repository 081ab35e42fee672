#pragma once

#include "platform/forms/Form.h"

#include <QStringList>

namespace forms {
class CommandButton;
class OptionButton;
class TextBox;
} // namespace forms

namespace questionwindow {

// The system the user names in the installer window.
enum class SystemChoice { None, WindowsXP, OlderWindows };

// The speech installers for a choice, in the order they are started, each
// named relative to the program folder; none without a choice.
QStringList speechInstallers(SystemChoice choice);

// The speech component installer: starts the two setup programs for the
// system the user names, records in the flags row that the components are
// installed and asks for a restart. Released after a completed Install, so
// the next opening starts with no option selected.
class frmLoadNuvia : public forms::Form {
    Q_OBJECT
public:
    frmLoadNuvia();

    forms::TextBox* Text1;          // the instructions, locked
    forms::OptionButton* Option1;   // "Windows XP"
    forms::OptionButton* Option2;   // "Windows 95, 98, NT, 2000,98 SE, Windows ME"
    forms::CommandButton* Command1; // "Install"

    void Command1_Click();

    // The choice the options show now.
    SystemChoice choice() const;
};

} // namespace questionwindow
