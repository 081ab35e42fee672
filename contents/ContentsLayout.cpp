#include "contents/ContentsLayout.h"

#include "platform/forms/Twips.h"

#include <QWidget>

namespace contents::layout {

void placeChapterButtons(std::span<QWidget* const> buttons, int top, int rows, int gap)
{
    const int height = (bottom - top - (rows - 1) * gap) / rows;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int column = int(i) / rows;
        const int row = int(i) % rows;
        buttons[i]->setGeometry(chapterLeft + column * (chapterColumnWidth + columnGap), top + row * (height + gap),
                                chapterColumnWidth, height);
    }
}

forms::Twips sideButton(int top)
{
    using forms::toTwips;
    return {toTwips(sideLeft), toTwips(top), toTwips(sideWidth), toTwips(sideButtonHeight)};
}

} // namespace contents::layout
