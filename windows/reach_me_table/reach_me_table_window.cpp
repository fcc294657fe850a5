#include "windows/reach_me_table/reach_me_table_window.h"

#include "core/pairs/pair_words.h"
#include "core/reach_me_patterns.h"
#include "core/reels/symbols_in_words.h"
#include "ui/heard_line.h"
#include "ui/text.h"
#include "windows/pieces/pair_look.h"
#include "windows/pieces/table_fonts.h"
#include "windows/reach_me_table/axis_corner.h"
#include "windows/reach_me_table/cell_delegate.h"
#include "windows/reach_me_table/legend_view.h"
#include "windows/reach_me_table/reel_header_view.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QSpinBox>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr int kFirstLeftPosition = 7;
constexpr QSize kLeftCellsShown(50, 95);
constexpr QSize kCellShown(30, 22);
// Rows and columns the grid shows at its smallest; the rest scroll.
constexpr int kRowsAtLeast = 8;

QString leftReelTitle(int left)
{
    return QStringLiteral("左リール %1").arg(left);
}

// A 21 by 21 grid of coloured cells between two reels' headers.
QTableView* makeGrid(PositionGridModel* model, const QString& name, const QString& accessibleName, QWidget* parent)
{
    auto* grid = new QTableView(parent);
    grid->setObjectName(name);
    grid->setAccessibleName(accessibleName);
    grid->setAccessibleDescription(axesDescription(model->axes()));
    grid->setHorizontalHeader(new ReelHeaderView(Qt::Horizontal, grid));
    grid->setVerticalHeader(new ReelHeaderView(Qt::Vertical, grid));
    grid->setModel(model);
    grid->setItemDelegate(new CellDelegate(grid));
    grid->setShowGrid(false);  // the cells draw their own frames
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Arrow keys move between the cells; Tab goes on to the window's other controls.
    grid->setTabKeyNavigation(false);
    grid->horizontalHeader()->setMinimumSectionSize(kCellShown.width());
    grid->verticalHeader()->setMinimumSectionSize(kCellShown.height());
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    nameAxesInCorner(grid, model->axes());
    return grid;
}

// Enter or Return on the grid's current cell.
void onEnter(QTableView* grid, const std::function<void()>& act)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), grid, nullptr, nullptr, Qt::WidgetShortcut);
        QObject::connect(enter, &QShortcut::activated, grid, act);
    }
}

// The grid's size with `cells` rows and columns shown whole.
QSize gridFor(const QTableView* grid, int cells)
{
    const int frame = 2 * grid->frameWidth();
    return {grid->verticalHeader()->sizeHint().width() + cells * kCellShown.width() + frame,
            grid->horizontalHeader()->sizeHint().height() + cells * kCellShown.height() + frame};
}

}  // namespace

ReachMeTableWindow::ReachMeTableWindow(const std::array<QImage, 3>& strips, PlacePattern placePattern,
                                       PlacePair placePair, const MakeActions& makeActions)
    : FeatureWindow("ReachMeTable", QStringLiteral("リーチ目表"), tableFont()),
      pictures_(strips),
      model_(pictures_),
      pairModel_(pictures_),
      place_(std::move(placePattern)),
      placePair_(std::move(placePair))
{
    status_ = new ui::HeardLine(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setText(QStringLiteral("升目をクリックするか Enter を押すと、その目をリールに置きます。"));

    views_ = new QTabWidget(this);
    views_->setObjectName(QStringLiteral("views"));
    views_->setDocumentMode(true);
    views_->addTab(buildPatternsPage(), QStringLiteral("完成形"));
    views_->addTab(buildPairsPage(), QStringLiteral("2確目"));
    views_->setTabToolTip(0, QStringLiteral("左リールの位置ごとの、３リールの出目"));
    views_->setTabToolTip(1, QStringLiteral("２リール止まった時点で分かること"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(views_, 1);
    layout->addWidget(status_);
    layout->addWidget(makeActions(*this));

    // The window opens as large as the whole grid needs where the screen has
    // room; on a smaller one, a laptop's, the grid scrolls instead of pushing
    // the buttons off the screen. Both grids are alike in size.
    for (QTableView* grid : {grid_, pairGrid_})
        grid->setMinimumSize(gridFor(grid, reel::kPositions));
    wholeGridSize_ = sizeHint();
    for (QTableView* grid : {grid_, pairGrid_}) {
        grid->setMinimumSize(gridFor(grid, kRowsAtLeast));
        // The pages between the grids and the window take the smaller size now.
        grid->parentWidget()->updateGeometry();
    }
    views_->updateGeometry();
    // The keys act on the grid from the first opening, and on the grid shown
    // when the tab changes, but while the tabs themselves have the focus.
    grid_->setFocus();
    connect(views_, &QTabWidget::currentChanged, this, [this](int index) {
        if (focusWidget() != views_->tabBar())
            (index == 0 ? grid_ : pairGrid_)->setFocus();
    });

    showLeftPosition(kFirstLeftPosition);
    showOrder(0);
}

QWidget* ReachMeTableWindow::buildPatternsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("patternsPage"));
    grid_ = makeGrid(&model_, QStringLiteral("grid"), QStringLiteral("リーチ目表の升目"), page);
    connect(grid_, &QTableView::clicked, this, &ReachMeTableWindow::place);
    onEnter(grid_, [this] { place(grid_->currentIndex()); });
    legend_ = new LegendView(outcomeGroupLegend(), page);

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addWidget(buildLeftReel());
    layout->addWidget(grid_, 1);
    layout->addWidget(legend_);
    return page;
}

QWidget* ReachMeTableWindow::buildPairsPage()
{
    auto* page = new QWidget(this);
    page->setObjectName(QStringLiteral("pairsPage"));
    auto* caption = new QLabel(QStringLiteral("押し順"), page);
    pairOrder_ = new QComboBox(page);
    pairOrder_->setObjectName(QStringLiteral("pairOrder"));
    pairOrder_->setAccessibleName(QStringLiteral("押し順"));
    for (StopOrder order : kStopOrders)
        pairOrder_->addItem(pair_look::orderText(order));
    caption->setBuddy(pairOrder_);
    connect(pairOrder_, &QComboBox::currentIndexChanged, this, &ReachMeTableWindow::showOrder);
    pairTitle_ = new QLabel(page);
    pairTitle_->setObjectName(QStringLiteral("pairTitle"));
    pairTitle_->setWordWrap(true);

    auto* row = new QHBoxLayout;
    row->addWidget(caption);
    row->addWidget(pairOrder_);
    row->addSpacing(16);
    row->addWidget(pairTitle_, 1);

    pairGrid_ = makeGrid(&pairModel_, QStringLiteral("pairGrid"), QStringLiteral("2確目表の升目"), page);
    connect(pairGrid_, &QTableView::clicked, this, &ReachMeTableWindow::placePair);
    onEnter(pairGrid_, [this] { placePair(pairGrid_->currentIndex()); });
    pairLegend_ = new LegendView(pairVerdictLegend(), page);
    pairLegend_->setObjectName(QStringLiteral("pairLegend"));

    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 6, 0, 0);
    layout->addLayout(row);
    layout->addWidget(pairGrid_, 1);
    layout->addWidget(pairLegend_);
    return page;
}

QWidget* ReachMeTableWindow::buildLeftReel()
{
    auto* row = new QWidget(this);
    auto* caption = new QLabel(QStringLiteral("左リールの位置"), row);
    leftPosition_ = new QSpinBox(row);
    leftPosition_->setObjectName(QStringLiteral("leftPosition"));
    leftPosition_->setAccessibleName(QStringLiteral("左リールの位置"));
    leftPosition_->setRange(1, reel::kPositions);
    leftPosition_->setWrapping(true);
    leftPosition_->setValue(kFirstLeftPosition);
    caption->setBuddy(leftPosition_);
    connect(leftPosition_, &QSpinBox::valueChanged, this, &ReachMeTableWindow::showLeftPosition);

    title_ = new QLabel(row);
    title_->setObjectName(QStringLiteral("title"));
    title_->setFont(tableTitleFont());
    leftCells_ = new QLabel(row);
    leftCells_->setObjectName(QStringLiteral("leftCells"));
    leftCells_->setFixedSize(kLeftCellsShown);
    leftCells_->setFrameShape(QFrame::Box);

    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(caption);
    layout->addWidget(leftPosition_);
    layout->addSpacing(16);
    layout->addWidget(leftCells_);
    layout->addWidget(title_);
    layout->addStretch(1);
    return row;
}

void ReachMeTableWindow::open()
{
    if (!isVisible() && !opened_) {
        opened_ = true;
        // Room is left for the title bar and a panel.
        constexpr QSize kDecoration(16, 64);
        const QSize room = screen()->availableSize() - kDecoration;
        QSize size = wholeGridSize_;
        // Too short a screen: the grid scrolls down, and its scroll bar needs width.
        if (size.height() > room.height())
            size.rwidth() += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
        resize(size.boundedTo(room).expandedTo(minimumSizeHint()));
    }
    FeatureWindow::open();
}

void ReachMeTableWindow::showLeftPosition(int left)
{
    model_.setLeftPosition(left);
    leftPosition_->setValue(left);
    title_->setText(leftReelTitle(left));
    const QImage& cells = pictures_.stacked(reel::Left, left);
    leftCells_->setPixmap(QPixmap::fromImage(
        cells.scaled(kLeftCellsShown - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    leftCells_->setAccessibleName(leftReelTitle(left) + QStringLiteral("の三つの図柄"));
    const auto counts = patterns::groupCounts(left);
    legend_->setCounts(counts);
}

void ReachMeTableWindow::place(const QModelIndex& cell)
{
    if (!cell.isValid())
        return;
    const int left = model_.leftPosition();
    const int center = cell.row() + 1;
    const int right = cell.column() + 1;
    const QString refusal = place_(left, center, right);
    showStatus(refusal.isEmpty() ? QStringLiteral("%1-%2-%3 をリールに置きました。").arg(left).arg(center).arg(right)
                                 : refusal);
}

void ReachMeTableWindow::showOrder(int index)
{
    const StopOrder order = kStopOrders[static_cast<std::size_t>(index)];
    pairModel_.setOrder(order);
    const header_drawing::Axes axes = pairModel_.axes();
    nameAxesInCorner(pairGrid_, axes);
    pairGrid_->setAccessibleDescription(axesDescription(axes));
    pairTitle_->setText(QStringLiteral("左リールと%1が止まった時点で分かること。%2。")
                            .arg(ui::qt(reel::nameOf(axes.across)), axesDescription(axes)));
    const auto counts = verdictCounts(order);
    pairLegend_->setCounts(counts);
}

void ReachMeTableWindow::placePair(const QModelIndex& cell)
{
    if (!cell.isValid())
        return;
    const StopOrder order = pairModel_.order();
    const StoppedPair pair{cell.row() + 1, cell.column() + 1};
    const QString refusal = placePair_(order, pair);
    showStatus(refusal.isEmpty()
                   ? QStringLiteral("%1 の２リールを置きました（%2はそのまま）。")
                         .arg(QString::fromStdString(readOutOf(order, pair)), ui::qt(reel::nameOf(thirdReelOf(order))))
                   : refusal);
}

void ReachMeTableWindow::showStatus(const QString& text)
{
    status_->say(text);
}
