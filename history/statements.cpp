#include "history/statements.h"

bool Statements::run(const QString& sql, const QVariantList& values)
{
    rows_.emplace(db_);
    rows_->setForwardOnly(true);  // rows are read once; Qt keeps no copy of them
    bool done = false;
    if (values.isEmpty()) {
        // Run as written: Qt would take a colon in a comment of the schema,
        // such as 7:C, for a named value to bind.
        done = rows_->exec(sql);
    } else {
        done = rows_->prepare(sql);
        for (const QVariant& value : values)
            rows_->addBindValue(value);
        done = done && rows_->exec();
    }
    if (!done && !error_.isValid())
        error_ = rows_->lastError();
    return done;
}
