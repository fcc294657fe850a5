#pragma once

#include <QPushButton>

// A push button of the drill whose focus shows as a thick outline.
class DrillButton : public QPushButton {
    Q_OBJECT

public:
    DrillButton(const QString& text, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
