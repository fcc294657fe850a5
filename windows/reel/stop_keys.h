#pragma once

#include <QObject>

#include <array>

class QAbstractButton;
class QWidget;

// The keyboard's stop buttons: Z, X and C, and the arrow keys ←, ↓ and →,
// press the stop button of the left, center and right reel, as a click
// would, while that button is enabled. While it is not, the key does what it
// always did (an arrow moves the focus); while a text box has the focus, the
// box gets every key.
class StopKeys : public QObject {
    Q_OBJECT

public:
    // Listens on the window and on its buttons, which take the arrow keys
    // before the window sees them.
    StopKeys(QWidget* window, std::array<QAbstractButton*, 3> stopButtons);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QAbstractButton*, 3> stopButtons_;
};
