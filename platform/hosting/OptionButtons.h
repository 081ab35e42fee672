#pragma once

#include "platform/com/Dispatch.h"
#include "platform/com/Guid.h"

#include <QRect>
#include <QString>

class QWidget;

namespace hosting {

class ControlHost;

// The option-button control's class and its events, as its library
// registers them.
inline constexpr com::Guid optionButtonClass{
    0x4C2B7A20, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x02}};
inline constexpr com::Guid optionButtonEvents{
    0x4C2B7A21, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x02}};
inline constexpr com::DispId optionButtonClick = -600;

// A place on parent, at place (pixels), holding an option button loaded
// from the properties kept with the window's design. Buttons placed on the
// same parent form one group. Without the library, or when the properties
// cannot be read, the place stays empty and the window goes on.
ControlHost* placeOptionButton(QWidget& parent, const char* name, const QRect& place,
                               const QString& designedProperties);

} // namespace hosting
