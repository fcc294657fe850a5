#pragma once

#include <QWidget>

// What the mastery map's squares mean, under the map: the colour scale of
// the recall a day from now, the grey of a card never asked and the thick
// frame of a card on its short learning steps. Its accessible description
// says the same in words.
class MapLegend : public QWidget {
    Q_OBJECT

public:
    explicit MapLegend(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int lineHeight() const;
};
