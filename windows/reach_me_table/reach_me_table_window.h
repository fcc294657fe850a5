#pragma once

#include "core/pairs/pair_verdict.h"
#include "windows/pieces/feature_window.h"
#include "windows/pieces/reel_cell_pictures.h"
#include "windows/reach_me_table/pair_table_model.h"
#include "windows/reach_me_table/table_model.h"

#include <QSize>

#include <array>
#include <functional>

class QComboBox;
class QLabel;
namespace ui {
class HeardLine;
}  // namespace ui
class QModelIndex;
class QSpinBox;
class QTabWidget;
class QTableView;
class LegendView;

// The reach-me table: every pattern of one left position as a coloured grid,
// with the count of each outcome group; a cell clicked, or Enter on the
// current one, puts that pattern on the reels. Beside it, on a tab of its
// own (2確目), what every pair of two stopped reels tells in one stop order:
// a cell puts the two reels on the reels, the third where it stands.
class ReachMeTableWindow : public FeatureWindow {
    Q_OBJECT

public:
    // Stands a pattern (left, center, right upper-row positions) on the
    // reels; answers why it could not, or nothing when it did.
    using PlacePattern = std::function<QString(int left, int center, int right)>;
    // Stands the pair's two reels on the reels, the third reel where it
    // stands; answers why it could not, or nothing when it did.
    using PlacePair = std::function<QString(StopOrder order, const StoppedPair& pair)>;
    // Builds the row of buttons under the grid (the exports), given the window
    // they act for; the table itself knows nothing of files.
    using MakeActions = std::function<QWidget*(ReachMeTableWindow& window)>;

    // strips: the reels' strip pictures, left to right, that the headers and
    // the left reel's cells are cut from.
    ReachMeTableWindow(const std::array<QImage, 3>& strips, PlacePattern placePattern, PlacePair placePair,
                       const MakeActions& makeActions);

    // The first opening fits the window to the whole grid, as far as the screen allows.
    void open() override;

    int leftPosition() const { return model_.leftPosition(); }
    const ReelCellPictures& cellPictures() const { return pictures_; }
    // The line under the grid, which says how the last action went.
    void showStatus(const QString& text);

private:
    void showLeftPosition(int left);
    void place(const QModelIndex& cell);
    void placePair(const QModelIndex& cell);
    void showOrder(int index);
    QWidget* buildLeftReel();
    QWidget* buildPatternsPage();
    QWidget* buildPairsPage();

    ReelCellPictures pictures_;
    ReachMeTableModel model_;
    PairTableModel pairModel_;
    PlacePattern place_;
    PlacePair placePair_;
    QTabWidget* views_ = nullptr;
    QSpinBox* leftPosition_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* leftCells_ = nullptr;
    QTableView* grid_ = nullptr;
    LegendView* legend_ = nullptr;
    QComboBox* pairOrder_ = nullptr;
    QLabel* pairTitle_ = nullptr;
    QTableView* pairGrid_ = nullptr;
    LegendView* pairLegend_ = nullptr;
    ui::HeardLine* status_ = nullptr;
    QSize wholeGridSize_;  // the window's size with every cell at its full size
    bool opened_ = false;
};
