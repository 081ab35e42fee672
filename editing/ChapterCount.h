#pragma once

#include <QtGlobal>

#include <optional>

namespace data {
class Recordset;
}

namespace forms {
class TextBox;
}

namespace editing {

// The number of a chapter's last question that holds one, walking back from
// its last row in stored order; `number` is the box bound to the cursor's
// qnum. None for a chapter without numbered questions. Leaves the cursor on
// the row found, or before the first.
std::optional<qint64> lastNumberedQuestion(data::Recordset& chapterRows, const forms::TextBox& number);

} // namespace editing
