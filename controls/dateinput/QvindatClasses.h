#pragma once

#include "platform/com/Guid.h"

// The identifiers of the date-input control library that containers rely on.
namespace qvindat {

inline constexpr com::Guid controlClass{0x4C2B7A10, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x01}};
inline constexpr com::Guid eventsInterface{
    0x4C2B7A11, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x01}};
inline constexpr const char* controlProgId = "QVINDAT.QvindatCtrl.1";
inline constexpr const char* controlTypeName = "QvDateInput Control";
inline constexpr std::uint32_t miscStatus = 0x20191;

// The control's own property pages.
inline constexpr com::Guid generalPageClass{
    0x4C2B7A12, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x01}};
inline constexpr const char* generalPageProgId = "QVINDAT.QvindatPropPage.1";
inline constexpr const char* generalPageTypeName = "QvInDat Property Page";
inline constexpr com::Guid appearancePageClass{
    0x4C2B7A13, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x01}};
inline constexpr const char* appearancePageProgId = "Qvinda32.AppearancePPG";
inline constexpr const char* appearancePageTypeName = "Appearance Property Page";

// Dispatch ids of the control's members.
namespace dispid {
inline constexpr int MousePointer = 1;
inline constexpr int FontBold = 2;
inline constexpr int FontItalic = 3;
inline constexpr int FontName = 4;
inline constexpr int FontSize = 5;
inline constexpr int FontStrikethru = 6;
inline constexpr int FontUnderline = 7;
inline constexpr int Alignment = 8;
inline constexpr int BevelSize = 9;
inline constexpr int BevelStyle = 10;
inline constexpr int BorderColor = 11;
inline constexpr int BorderStyle = 12;
inline constexpr int FillColor = 13;
inline constexpr int LightColor = 14;
inline constexpr int ShadowColor = 15;
inline constexpr int TextColor = 16;
inline constexpr int SelLength = 17;
inline constexpr int SelStart = 18;
inline constexpr int SelText = 19;
inline constexpr int Text = 20;
inline constexpr int ReadOnly = 21;
inline constexpr int Spin = 22;
inline constexpr int Undo = 23;
inline constexpr int SpinDelay = 24;
inline constexpr int SpinSpeed = 25;
inline constexpr int Indent = 26;
inline constexpr int AutoHScroll = 27;
inline constexpr int FontStyle = 28;
inline constexpr int CaretHeight = 29;
inline constexpr int CaretWidth = 30;
inline constexpr int CaretColor = 31;
inline constexpr int CaretStyle = 32;
inline constexpr int CaretVAlign = 33;
inline constexpr int CaretInterval = 34;
inline constexpr int CaretVisible = 35;
inline constexpr int DateFormat = 36;
inline constexpr int Language = 37;
inline constexpr int LanguageNumber = 38;
inline constexpr int VAlignment = 39;
inline constexpr int MaxDay = 40;
inline constexpr int MaxMonth = 41;
inline constexpr int MaxYear = 42;
inline constexpr int MinDay = 43;
inline constexpr int MinMonth = 44;
inline constexpr int MinYear = 45;
inline constexpr int SpinChange = 46;
inline constexpr int AllowBlank = 47;
inline constexpr int MouseIcon = 48;
inline constexpr int Separator = 49;
inline constexpr int FocusSelect = 50;
inline constexpr int CurrentYear = 51;
inline constexpr int CurrentDay = 52;
inline constexpr int CurrentMonth = 53;
} // namespace dispid

// Events, in the order of the event interface.
namespace event {
inline constexpr int AutoTerminate = 1;
inline constexpr int Change = 2;
inline constexpr int InvalidEntry = 3;
inline constexpr int InvalidSetText = 4;
} // namespace event

} // namespace qvindat
