#include "editing/ChapterCount.h"

#include "editing/NewRecordNumbers.h"
#include "platform/data/Recordset.h"
#include "platform/forms/TextBox.h"

namespace editing {

std::optional<qint64> lastNumberedQuestion(data::Recordset& chapterRows, const forms::TextBox& number)
{
    std::optional<qint64> lastNumbered;
    if (chapterRows.recordCount() > 0) {
        chapterRows.moveLast();
        // A last question without a number defers to the one before it.
        while (!chapterRows.bof() && !(lastNumbered = questionNumberValue(number.text())))
            chapterRows.movePrevious();
    }
    return lastNumbered;
}

} // namespace editing
