#include "windows/reach_me_table/reach_me_table_window.h"

#include "core/reach_me_patterns.h"
#include "ui/heard_line.h"
#include "windows/pieces/table_fonts.h"
#include "windows/reach_me_table/axis_corner.h"
#include "windows/reach_me_table/cell_delegate.h"
#include "windows/reach_me_table/legend_view.h"
#include "windows/reach_me_table/reel_header_view.h"

#include <QHBoxLayout>
#include <QScreen>
#include <QLabel>
#include <QShortcut>
#include <QStyle>
#include <QSpinBox>
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

}  // namespace

ReachMeTableWindow::ReachMeTableWindow(const std::array<QImage, 3>& strips, PlacePattern placePattern,
                                       const MakeActions& makeActions)
    : FeatureWindow("ReachMeTable", QStringLiteral("リーチ目表"), tableFont()),
      pictures_(strips),
      model_(pictures_),
      place_(std::move(placePattern))
{
    grid_ = new QTableView(this);
    legend_ = new LegendView(this);
    status_ = new ui::HeardLine(this);

    grid_->setObjectName(QStringLiteral("grid"));
    grid_->setAccessibleName(QStringLiteral("リーチ目表の升目"));
    grid_->setAccessibleDescription(QStringLiteral("行は中リール、列は右リールの上段の位置"));
    grid_->setHorizontalHeader(new ReelHeaderView(Qt::Horizontal, grid_));
    grid_->setVerticalHeader(new ReelHeaderView(Qt::Vertical, grid_));
    grid_->setModel(&model_);
    grid_->setItemDelegate(new CellDelegate(grid_));
    grid_->setShowGrid(false);  // the cells draw their own frames
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Arrow keys move between the cells; Tab goes on to the window's other controls.
    grid_->setTabKeyNavigation(false);
    grid_->horizontalHeader()->setMinimumSectionSize(kCellShown.width());
    grid_->verticalHeader()->setMinimumSectionSize(kCellShown.height());
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grid_->verticalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    nameAxesInCorner(grid_);
    connect(grid_, &QTableView::clicked, this, &ReachMeTableWindow::place);
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), grid_, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { place(grid_->currentIndex()); });
    }

    status_->setObjectName(QStringLiteral("status"));
    status_->setText(QStringLiteral("升目をクリックするか Enter を押すと、その目をリールに置きます。"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildLeftReel());
    layout->addWidget(grid_, 1);
    layout->addWidget(legend_);
    layout->addWidget(status_);
    layout->addWidget(makeActions(*this));

    // The window opens as large as the whole grid needs where the screen has
    // room; on a smaller one, a laptop's, the grid scrolls instead of pushing
    // the buttons off the screen.
    auto gridFor = [this](int cells) {
        const int frame = 2 * grid_->frameWidth();
        return QSize(grid_->verticalHeader()->sizeHint().width() + cells * kCellShown.width() + frame,
                     grid_->horizontalHeader()->sizeHint().height() + cells * kCellShown.height() + frame);
    };
    grid_->setMinimumSize(gridFor(reel::kPositions));
    wholeGridSize_ = sizeHint();
    grid_->setMinimumSize(gridFor(kRowsAtLeast));

    showLeftPosition(kFirstLeftPosition);
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
    const QImage& cells = pictures_.stacked(ReelCellPictures::Left, left);
    leftCells_->setPixmap(QPixmap::fromImage(
        cells.scaled(kLeftCellsShown - QSize(2, 2), Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    leftCells_->setAccessibleName(leftReelTitle(left) + QStringLiteral("の三つの図柄"));
    legend_->setCounts(patterns::groupCounts(left));
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

void ReachMeTableWindow::showStatus(const QString& text)
{
    status_->say(text);
}
