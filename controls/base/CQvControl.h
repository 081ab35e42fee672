#pragma once

#include "controls/base/HostedControl.h"
#include "platform/com/Picture.h"

#include <QBrush>

#include <cstdint>
#include <optional>

class QDialog;

namespace controls {

class PropExchange;

// Errors every control of the suite raises.
inline constexpr int kInvalidPropertyValue = 380;
inline constexpr com::Result kLocaleMissingCode = com::result(0x800A0035);
inline constexpr const char* kLocaleMissingText = "QVLOCALE.DLL Not Found";

// The base of the suite's controls: the locale library and the localized
// errors, MousePointer and MouseIcon with the cursor they give, the
// background brush, the navigation keys that go straight to the window, a
// picture of the control, and the about box.
class CQvControl : public HostedControl {
public:
    // Where the locale library is looked for: DRILLBOOK_QVLOCALE when set,
    // else beside the suite runtime.
    static constexpr const char* localeVariable = "DRILLBOOK_QVLOCALE";
    static QString localeLibraryPath();

    explicit CQvControl(const com::Guid& eventInterface);

    // Raises an automation error with the locale library's text for the
    // number; never returns. Without the locale library every error is
    // "QVLOCALE.DLL Not Found".
    [[noreturn]] void RaiseSuiteError(int number) const;
    // A property value out of its range: error 380.
    [[noreturn]] void refuse() const { RaiseSuiteError(kInvalidPropertyValue); }
    bool hasLocaleLibrary() const { return locale_ != nullptr; }

    // Font members (and the like) are read at run time only: error 394
    // at design time.
    void requireRunMode() const;

    std::int16_t mousePointer() const { return mousePointer_; }
    // Refuses a value outside 0 to 15 and not 99 with error 380, keeping the
    // pointer it had; otherwise shows the new pointer at once and announces
    // the change under dispid.
    void setMousePointer(std::int16_t value, com::DispId dispid);
    com::Ptr<com::Picture> GetMouseIcon() const;
    // Takes an icon, no picture or an uninitialised picture; error 380 for
    // anything else, the icon kept as it was.
    void SetMouseIcon(com::Picture* picture);

    // The colours and brush a child window of the control paints with: the
    // painter gets the translated back and fore colours; no brush before the
    // first back-colour change.
    std::optional<QBrush> OnOcmCtlColor(QPainter& painter) const;

    // The AboutBox method every control of the suite shares.
    void AboutBox();
    // Shows the suite runtime's about dialog modally; its result.
    int ShowAboutBox();

    // A pointer read from a stored control: one outside the table is taken
    // as 0, so the cursor look-up never reads past it.
    void loadMousePointer(std::int16_t value);
    // MousePointer kept with the container's design, into the control's
    // copy of it; a loaded pointer is taken as loadMousePointer takes it.
    void exchangeMousePointer(PropExchange& exchange, std::int16_t& pointer);
    com::Ptr<com::Picture>& mouseIconHolder() { return mouseIcon_; }

    com::Result displayString(com::DispId id, QString* text) override;
    bool preTranslateKey(const QKeyEvent& key) override;
    void onSetCursor() override;

protected:
    ~CQvControl() override;
    void onBackColorChanged() override;
    // The control's pages in a property frame, run as the control's modal dialog.
    com::Result onProperties() override;
    // A fresh control of the same class, for the about box.
    virtual CQvControl* newInstance() const = 0;
    // Runs a modal dialog; tests answer it instead.
    virtual int runModal(QDialog& dialog);

private:
    void* locale_ = nullptr;
    com::Ptr<com::Picture> mouseIcon_;
    std::optional<QBrush> backgroundBrush_;
    std::int16_t mousePointer_ = 0;
};

} // namespace controls
