// The enumerations the option-button library describes, with the names
// scripts and property pages see.
#include "controls/optionbutton/Qv3dOptPagesTypeLib.h"

namespace qv3dopt {

namespace {

const EnumMember alignments[] = {{0, "qvAlignmentLeft"}, {1, "qvAlignmentRight"}, {2, "qvAlignmentCenter"}};
const EnumMember borderStyles[] = {{0, "qvBorderStyleNone"}, {1, "qvBorderSingleLine"}, {2, "qvBorderRoundedCorners"}};
const EnumMember bevelStyles[] = {{0, "qvExtBevelLowered"},
                                  {1, "qvExtBevelRaised"},
                                  {2, "qvExtBevelChisled"},
                                  {3, "qvExtBevelShadowedRight"},
                                  {4, "qvExtBevelShadowedLeft"}};
const EnumMember fontStyles[] = {{0, "qvFontStyleNone"},
                                 {1, "qvFontStyleRaised"},
                                 {2, "qvFontStyleRaisedShading"},
                                 {3, "qvFontStyleLowered"},
                                 {4, "qvFontStyleLoweredShading"}};
const EnumMember mousePointers[] = {
    {0, "qvDefault"},  {1, "qvArrow"},      {2, "qvCross"},   {3, "qvIBeam"},           {4, "qvIcon"},
    {5, "qvSize"},     {6, "qvSizeNESW"},   {7, "qvSizeNS"},  {8, "qvSizeNWSE"},        {9, "qvSizeEW"},
    {10, "qvUpArrow"}, {11, "qvHourglass"}, {12, "qvNoDrop"}, {13, "qvArrowHourglass"}, {14, "qvArrowQuestion"},
    {15, "qvSizeAll"}, {99, "qvCustom"},
};
const EnumMember wallpapers[] = {{0, "qvWallPaperStrBlt"}, {1, "qvWallPaperBitblt"}, {2, "qvWallPaperReplicate"}};
const EnumMember boxAlignments[] = {{0, "_BoxAlignLeft"}, {1, "_BoxAlignRight"}};
const EnumMember dataStyles[] = {{0, "_Boolean"}, {1, "_String"}};
const EnumMember values[] = {{0, "_Unchecked"}, {1, "_Checked"}};

const TypeDescription library[] = {
    {"AlignmentConstants", alignments},
    {"BorderStyleConstants", borderStyles},
    {"ExtBevelStyleConstants", bevelStyles},
    {"FontStyleConstants", fontStyles},
    {"MousePointerConstants", mousePointers},
    {"WallpaperConstants", wallpapers},
    {"BoxAlignConstants", boxAlignments},
    {"DataStyleConstants", dataStyles},
    {"ValueConstants", values},
};

} // namespace

std::span<const TypeDescription> ownTypeLibrary()
{
    return library;
}

} // namespace qv3dopt
