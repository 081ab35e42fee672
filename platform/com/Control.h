#pragma once

#include "platform/com/Dispatch.h"

#include <QRect>
#include <QString>

class QPainter;
class QWidget;

namespace com {

// Verbs a container asks of a control.
inline constexpr int kVerbPrimary = 0;

// What a container offers the controls it hosts.
struct ControlSite : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x01}};

    // Ambient properties: false while the container designs its window.
    virtual bool userMode() = 0;
    virtual QString displayName() = 0;
    // A property the container may have bound changed its value.
    virtual void propertyChanged(DispId id) = 0;
    // A modal dialog of the control begins (true) or ends (false).
    virtual void modalDialog(bool begins) = 0;

protected:
    ~ControlSite() = default;
};

// The control side of hosting: its place in the container, its window, its
// verbs, its display strings and its drawing outside a window.
struct Control : Unknown {
    static constexpr Guid iid{0xD1C4B8E0, 0x3F1A, 0x4C52, {0x8E, 0x61, 0x11, 0x0A, 0x5B, 0x27, 0x90, 0x02}};

    virtual Result setSite(ControlSite* site) = 0;
    // Makes the control's window as a child of the parent at the rectangle;
    // the window belongs to the control until destroyWindow.
    virtual Result createWindow(QWidget* parent, const QRect& rect, QWidget** window) = 0;
    virtual Result destroyWindow() = 0;
    virtual Result doVerb(int verb) = 0;
    // kOk when the control changed since it was loaded or saved, else kFalse.
    virtual Result isDirty() = 0;
    // The text a property browser shows for a property; kFalse to show its value.
    virtual Result displayString(DispId id, QString* text) = 0;
    // Draws the control into the bounds of any painter (a picture of it).
    virtual Result drawTo(QPainter* painter, const QRect& bounds) = 0;

protected:
    ~Control() = default;
};

} // namespace com
