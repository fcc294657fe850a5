#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <span>
#include <vector>

class QLabel;

// What the grid's colours mean: each entry's mark on its colour, its
// caption, and how many cells of the grid shown fall under it. The outcome
// groups over a left position's patterns, count_<key>; the verdicts over an
// order's pairs, pairCount_<name>.
class LegendView : public QWidget {
    Q_OBJECT

public:
    struct Entry {
        QString countName;  // the count's object name
        QString caption;
        QColor face;
        QString mark;
    };

    LegendView(const std::vector<Entry>& entries, QWidget* parent = nullptr);

    // One count an entry, in the entries' order.
    void setCounts(std::span<const int> counts);

private:
    std::vector<QString> captions_;
    std::vector<QLabel*> counts_;
};

std::vector<LegendView::Entry> outcomeGroupLegend();
std::vector<LegendView::Entry> pairVerdictLegend();
