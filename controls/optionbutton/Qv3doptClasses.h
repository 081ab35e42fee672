#pragma once

#include "platform/com/Guid.h"

#include <cstdint>

// The identifiers of the option-button control library that containers rely on.
namespace qv3dopt {

inline constexpr com::Guid controlClass{0x4C2B7A20, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x02}};
inline constexpr com::Guid eventsInterface{
    0x4C2B7A21, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x02}};
inline constexpr const char* controlProgId = "QV3DOPT.Qv3dOptionCtrl.1";
inline constexpr const char* controlTypeName = "Qv3dOption Control";
inline constexpr const char* typeLibrary = "{4C2B7A2F-1D3E-4F60-A051-199904172002}";
inline constexpr std::uint32_t miscStatus = 0x20191;

// The control's own property pages.
inline constexpr com::Guid generalPageClass{
    0x4C2B7A22, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x02}};
inline constexpr const char* generalPageProgId = "QV3DOPT.Qv3dOptionPropPage.1";
inline constexpr const char* generalPageTypeName = "Qv3dOption Property Page";
inline constexpr com::Guid bevelPageClass{0x4C2B7A23, 0x1D3E, 0x4F60, {0xA0, 0x51, 0x19, 0x99, 0x04, 0x17, 0x20, 0x02}};
inline constexpr const char* bevelPageProgId = "Qv3dop32.CQv3dOptionPropPage2";
inline constexpr const char* bevelPageTypeName = "Bevel Property Page";

// Dispatch ids of the control's members.
namespace dispid {
inline constexpr int DefaultValue = 0;
inline constexpr int MousePointer = 1;
inline constexpr int FontBold = 2;
inline constexpr int FontItalic = 3;
inline constexpr int FontName = 4;
inline constexpr int FontSize = 5;
inline constexpr int FontStrikethru = 6;
inline constexpr int FontUnderline = 7;
inline constexpr int Alignment = 8;
inline constexpr int AutoSize = 9;
inline constexpr int BevelSize = 10;
inline constexpr int BevelStyle = 11;
inline constexpr int BoxSize = 12;
inline constexpr int BorderColor = 13;
inline constexpr int BorderStyle = 14;
inline constexpr int FillColor = 15;
inline constexpr int FontStyle = 16;
inline constexpr int FontTransparent = 17;
inline constexpr int LightColor = 18;
inline constexpr int Multiline = 19;
inline constexpr int ShadowColor = 20;
inline constexpr int TextColor = 21;
inline constexpr int WallPaper = 22;
inline constexpr int BoxAlignment = 23;
inline constexpr int Group = 24;
inline constexpr int DataText = 25;
inline constexpr int DataStyle = 26;
inline constexpr int CheckBox2d = 27;
inline constexpr int DataStyleCaseSens = 28;
inline constexpr int Picture = 29;
inline constexpr int PictureChecked = 30;
inline constexpr int PictureUnchecked = 31;
inline constexpr int PicturePressed = 32;
inline constexpr int PictureGrayed = 33;
inline constexpr int PictureGreyed = 34;
inline constexpr int MouseIcon = 35;
inline constexpr int Value = 36;
inline constexpr int Caption = -518;
} // namespace dispid

// Events, in the order of the event interface.
namespace event {
inline constexpr int Click = -600;
inline constexpr int DblClick = -601;
inline constexpr int KeyPress = -603;
inline constexpr int MouseDown = -605;
inline constexpr int MouseMove = -606;
inline constexpr int MouseUp = -607;
inline constexpr int KeyDown = -602;
inline constexpr int KeyUp = -604;
} // namespace event

} // namespace qv3dopt
