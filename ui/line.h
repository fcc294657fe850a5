#pragma once

#include <QWidget>

namespace ui {

// A straight horizontal or vertical line, one pixel wide, in the window-text colour.
class Line : public QWidget {
    Q_OBJECT

public:
    explicit Line(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
