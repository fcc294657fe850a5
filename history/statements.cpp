#include "history/statements.h"

bool Statements::run(const QString& sql, const QVariantList& values)
{
    rows_.emplace(db_);
    rows_->setForwardOnly(true);  // rows are read once; Qt keeps no copy of them
    bool done = rows_->prepare(sql);
    for (const QVariant& value : values)
        rows_->addBindValue(value);
    done = done && rows_->exec();
    if (!done && !error_.isValid())
        error_ = rows_->lastError();
    return done;
}
