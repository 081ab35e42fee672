#include "platform/data/KeyList.h"

namespace data {

QByteArray jsonKeyList(std::span<const qint64> keys)
{
    QByteArray list;
    list.reserve(qsizetype(keys.size()) * 8 + 2);
    list += '[';
    for (size_t i = 0; i < keys.size(); ++i) {
        if (i > 0)
            list += ',';
        list += QByteArray::number(keys[i]);
    }
    list += ']';
    return list;
}

} // namespace data
