#include "editing/BlockPass.h"

#include "platform/data/Transaction.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <algorithm>

namespace editing {

int passPercent(qint64 done, qint64 total)
{
    if (total <= 0 || done >= total)
        return 100;
    return int(done * 100 / total);
}

void runPass(data::Recordset& cursor, const std::function<std::vector<qint64>()>& listKeys,
             const std::function<void(std::span<const qint64> block, qint64 done)>& writeBlock,
             const std::function<void(int percent)>& progress)
{
    data::Transaction pass(cursor);
    const std::vector<qint64> keys = listKeys();
    const std::span<const qint64> all(keys);
    const qint64 total = qint64(keys.size());
    for (qint64 done = 0; done < total;) {
        const qint64 rows = std::min<qint64>(passBlockRows, total - done);
        writeBlock(all.subspan(size_t(done), size_t(rows)), done);
        done += rows;
        // After the last block the commit follows at once and the window
        // goes back to its own event loop: a pass of one block, over in an
        // instant, shows nothing.
        if (done < total) {
            progress(passPercent(done, total));
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
    }
    pass.commit();
}

} // namespace editing
