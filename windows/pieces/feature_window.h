#pragma once

#include "history/history_problem.h"

#include <QFont>
#include <QWidget>

#include <optional>

class QKeyEvent;
class QLabel;

// What every window opened beside the reel window shares: the program's
// face and icon, Esc to close it, opening it again bringing it to the front,
// and the line that says once why its record cannot be kept.
class FeatureWindow : public QWidget {
    Q_OBJECT

public:
    // Shows the window without blocking, in front.
    virtual void open();

protected:
    // The window's sentences for a problem with its record, each holding %1
    // for the reason in words.
    struct RecordSentences {
        QString cannotKeep;  // such as "成績を保存できません（%1）。…"
        QString cannotRead;  // such as "これまでの成績を読めません（%1）。…"
    };

    // `face`: the font the window's controls are built in.
    FeatureWindow(const char* objectName, const QString& title, const QFont& face);
    FeatureWindow(const char* objectName, const QString& title);

    // The line where the record's problem is said, hidden until there is one;
    // the window places it in its layout.
    QLabel* recordNote() const { return recordNote_; }

    // Says `problem`, if any, in the record note and on the terminal, where
    // `record` names the record ("drill history").
    void sayRecordProblem(const std::optional<HistoryProblem>& problem, const RecordSentences& sentences,
                          const char* record);

    // The key pressed in a control of this window, or null for any other
    // event, and while an open list or a question asked over the window keeps
    // its keys.
    const QKeyEvent* keyPressedHere(const QObject* watched, const QEvent* event) const;
    // A key without Ctrl, Alt, Shift or Meta; the keypad's keys count as plain.
    static bool isPlain(const QKeyEvent* key);
    // A box whose value a key could change, or a control inside one.
    static bool isBox(const QObject* watched);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* recordNote_ = nullptr;
};
