#pragma once

#include <QLabel>

namespace ui {

// A line that tells the result of what the player just did, spoken by a
// screen reader whenever it says something new, while the keyboard stays
// where the player is. It reports itself as a notification and shows its new
// words anew, which Orca presents; a plain label's change is not spoken.
class HeardLine : public QLabel {
    Q_OBJECT

public:
    explicit HeardLine(QWidget* parent = nullptr);

    // Shows `words` and has them heard, the same words again too.
    void say(const QString& words);
};

}  // namespace ui
