#pragma once

#include <QtGlobal>

#include <functional>
#include <span>
#include <vector>

namespace data {
class Recordset;
}

namespace editing {

// Rows one store of a long pass writes: few enough that the window is painted
// again several times a second, many enough that the statements cost little
// beside the rows they write.
inline constexpr int passBlockRows = 4096;

// The part of a pass done, in whole percent rounded down: 100 only at the end.
int passPercent(qint64 done, qint64 total);

// Lists the keys of the rows to write and runs `writeBlock` over them one
// block at a time (the block and how many keys came before it), the listing
// and every block in one transaction on the file `cursor` reads: the file holds the whole pass or none of it, also when the program
// is killed on the way. Between blocks `progress` is told the part done and
// the program's events are handled except the user's input, so the windows
// stay painted and nothing the user does can reach the file in the middle of
// the pass. Throws RuntimeError, nothing stored, when a block or the commit
// fails.
void runPass(data::Recordset& cursor, const std::function<std::vector<qint64>()>& listKeys,
             const std::function<void(std::span<const qint64> block, qint64 done)>& writeBlock,
             const std::function<void(int percent)>& progress);

} // namespace editing
