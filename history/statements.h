#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <QVariantList>

#include <optional>

// The statements a store runs on the history in one read or one write. The
// first failure's error is kept, so that the history can say why a change
// or a reading failed: a failed statement's error is its own, not the
// connection's.
class Statements {
public:
    explicit Statements(QSqlDatabase db) : db_(std::move(db)) {}

    // Runs `sql`, prepared with `values` bound to its ?s in order when there
    // are any.
    bool run(const QString& sql, const QVariantList& values = {});

    // The rows of the last statement run, each read once.
    bool next() { return rows_ && rows_->next(); }
    QVariant value(int column) const { return rows_->value(column); }

    // The first failure's error; invalid while none failed.
    const QSqlError& error() const { return error_; }

private:
    QSqlDatabase db_;
    std::optional<QSqlQuery> rows_;
    QSqlError error_;
};
