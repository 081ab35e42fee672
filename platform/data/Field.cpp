#include "platform/data/Field.h"

#include "platform/data/Recordset.h"

namespace data {

QString Field::name() const
{
    return recordset_->column(index_).name;
}

int Field::type() const
{
    return recordset_->column(index_).type;
}

QVariant Field::value() const
{
    return recordset_->fieldValue(index_);
}

void Field::setValue(const QVariant& value)
{
    recordset_->setFieldValue(index_, value);
}

} // namespace data
