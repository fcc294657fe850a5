#include "windows/setting_estimate/probability_bar.h"

#include <QPainter>
#include <QStyleOptionProgressBar>

namespace {

constexpr int kSteps = 1000;

}  // namespace

ProbabilityBar::ProbabilityBar(QWidget* parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void ProbabilityBar::setProbability(double probability)
{
    if (probability == probability_)
        return;
    probability_ = probability;
    update();
}

QSize ProbabilityBar::sizeHint() const
{
    return {160, fontMetrics().height() + 4};
}

QSize ProbabilityBar::minimumSizeHint() const
{
    return {40, fontMetrics().height() + 4};
}

void ProbabilityBar::paintEvent(QPaintEvent*)
{
    QStyleOptionProgressBar bar;
    bar.initFrom(this);
    bar.minimum = 0;
    bar.maximum = kSteps;
    bar.progress = static_cast<int>(probability_ * kSteps + 0.5);
    bar.textVisible = false;
    bar.state |= QStyle::State_Horizontal;
    QPainter painter(this);
    style()->drawControl(QStyle::CE_ProgressBar, &bar, &painter, this);
}
