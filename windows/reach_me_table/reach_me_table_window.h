#pragma once

#include "windows/pieces/feature_window.h"
#include "windows/pieces/reel_cell_pictures.h"
#include "windows/reach_me_table/table_model.h"

#include <QSize>

#include <array>
#include <functional>

class QLabel;
namespace ui {
class HeardLine;
}  // namespace ui
class QModelIndex;
class QSpinBox;
class QTableView;
class LegendView;

// The reach-me table: every pattern of one left position as a coloured grid,
// with the count of each outcome group; a cell clicked, or Enter on the
// current one, puts that pattern on the reels.
class ReachMeTableWindow : public FeatureWindow {
    Q_OBJECT

public:
    // Stands a pattern (left, center, right upper-row positions) on the
    // reels; answers why it could not, or nothing when it did.
    using PlacePattern = std::function<QString(int left, int center, int right)>;
    // Builds the row of buttons under the grid (the exports), given the window
    // they act for; the table itself knows nothing of files.
    using MakeActions = std::function<QWidget*(ReachMeTableWindow& window)>;

    // strips: the reels' strip pictures, left to right, that the headers and
    // the left reel's cells are cut from.
    ReachMeTableWindow(const std::array<QImage, 3>& strips, PlacePattern placePattern, const MakeActions& makeActions);

    // The first opening fits the window to the whole grid, as far as the screen allows.
    void open() override;

    int leftPosition() const { return model_.leftPosition(); }
    const ReelCellPictures& cellPictures() const { return pictures_; }
    // The line under the grid, which says how the last action went.
    void showStatus(const QString& text);

private:
    void showLeftPosition(int left);
    void place(const QModelIndex& cell);
    QWidget* buildLeftReel();

    ReelCellPictures pictures_;
    ReachMeTableModel model_;
    PlacePattern place_;
    QSpinBox* leftPosition_ = nullptr;
    QLabel* title_ = nullptr;
    QLabel* leftCells_ = nullptr;
    QTableView* grid_ = nullptr;
    LegendView* legend_ = nullptr;
    ui::HeardLine* status_ = nullptr;
    QSize wholeGridSize_;  // the window's size with every cell at its full size
    bool opened_ = false;
};
