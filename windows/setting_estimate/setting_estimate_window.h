#pragma once

#include "windows/pieces/feature_window.h"

#include <array>

class QComboBox;
class QDoubleSpinBox;
class QLabel;
class ProbabilityBar;
class QSpinBox;
class QWidget;

// 設定判別: how likely each of the machine's six settings is, from the games
// played and the BIG and REG counts, updated as the numbers change.
class SettingEstimateWindow : public FeatureWindow {
    Q_OBJECT

public:
    SettingEstimateWindow();

private:
    QWidget* buildCounts();
    QWidget* buildPrior();
    QWidget* buildSettings();
    void update();

    QSpinBox* games_ = nullptr;
    QSpinBox* bigCount_ = nullptr;
    QSpinBox* regCount_ = nullptr;
    QComboBox* prior_ = nullptr;
    QWidget* priorWeights_ = nullptr;
    std::array<QDoubleSpinBox*, 6> weights_{};
    std::array<QLabel*, 6> posterior_{};
    std::array<ProbabilityBar*, 6> bars_{};
    std::array<QLabel*, 6> expected_{};
    QLabel* meanSetting_ = nullptr;
    QLabel* fourOrHigher_ = nullptr;
    QLabel* caution_ = nullptr;
};
