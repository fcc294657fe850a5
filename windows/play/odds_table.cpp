#include "windows/play/odds_table.h"

#include <QDoubleSpinBox>
#include <QHeaderView>
#include <QStyledItemDelegate>

#include <array>

namespace {

enum Column { kOdds, kDefault };

struct PrizeRow {
    const char16_t* name;
    double play::SmallPrizeOdds::*odds;
};

constexpr std::array<PrizeRow, 4> kRows = {{
    {u"リプレイ", &play::SmallPrizeOdds::replay},
    {u"風鈴", &play::SmallPrizeOdds::bell},
    {u"氷", &play::SmallPrizeOdds::ice},
    {u"チェリー", &play::SmallPrizeOdds::cherry},
}};

constexpr double kLongestOdds = 99999.9;

// 1/7.3, 1/8.0, 1/64: a tenth shown below 10 and where it is not 0.
QString oneIn(double odds)
{
    QString number = QString::number(odds, 'f', 1);
    if (odds >= 10 && number.endsWith(QStringLiteral(".0")))
        number.chop(2);
    return QStringLiteral("1/") + number;
}

// Shows an odds as 1/N and edits N in a box of its own range.
class OddsDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant& value, const QLocale&) const override { return oneIn(value.toDouble()); }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override
    {
        auto* box = new QDoubleSpinBox(parent);
        box->setObjectName(QStringLiteral("oddsEditor"));
        box->setPrefix(QStringLiteral("1/"));
        box->setDecimals(1);
        box->setRange(1.0, kLongestOdds);
        box->setSingleStep(0.1);
        box->setAlignment(Qt::AlignRight);
        return box;
    }
};

}  // namespace

OddsTable::OddsTable(QWidget* parent) : QTableWidget(static_cast<int>(kRows.size()), 2, parent)
{
    setHorizontalHeaderLabels({QStringLiteral("確率（仮定）"), QStringLiteral("既定")});
    QStringList names;
    for (const PrizeRow& row : kRows)
        names << QString::fromUtf16(row.name);
    setVerticalHeaderLabels(names);
    setItemDelegateForColumn(kOdds, new OddsDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                    | QAbstractItemView::AnyKeyPressed);
    setTabKeyNavigation(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);

    const play::SmallPrizeOdds defaults;
    for (int row = 0; row < rowCount(); ++row) {
        auto* odds = new QTableWidgetItem;
        odds->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        setItem(row, kOdds, odds);
        auto* byDefault = new QTableWidgetItem(oneIn(defaults.*kRows[static_cast<std::size_t>(row)].odds));
        byDefault->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        byDefault->setFlags(Qt::ItemIsEnabled);
        setItem(row, kDefault, byDefault);
    }
    showOdds(defaults);
    setCurrentCell(0, kOdds);
    connect(this, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* changed) {
        if (changed->column() != kOdds)
            return;
        showOdds(odds());
        emit edited(odds());
    });

    // As large as its cells, so that nothing scrolls; the editor's box fits.
    const int wide = fontMetrics().horizontalAdvance(QStringLiteral("1/99999.9")) + 48;
    for (int column = 0; column < columnCount(); ++column)
        setColumnWidth(column, wide);
    setFixedSize(verticalHeader()->sizeHint().width() + wide * columnCount() + 2 * frameWidth(),
                 horizontalHeader()->sizeHint().height() + verticalHeader()->length() + 2 * frameWidth());
}

void OddsTable::showOdds(const play::SmallPrizeOdds& odds)
{
    const QSignalBlocker quiet(this);
    for (int row = 0; row < rowCount(); ++row) {
        const double shown = odds.*kRows[static_cast<std::size_t>(row)].odds;
        item(row, kOdds)->setData(Qt::EditRole, shown);
        // Read as shown, 1/N, not as the bare number.
        item(row, kOdds)->setData(Qt::AccessibleTextRole, oneIn(shown));
    }
    viewport()->update();
}

play::SmallPrizeOdds OddsTable::odds() const
{
    play::SmallPrizeOdds odds;
    for (int row = 0; row < rowCount(); ++row)
        odds.*kRows[static_cast<std::size_t>(row)].odds = item(row, kOdds)->data(Qt::EditRole).toDouble();
    return odds;
}
