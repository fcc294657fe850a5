#include "windows/pieces/feature_window.h"

#include "ui/bring_to_front.h"
#include "ui/fonts.h"
#include "ui/program_icon.h"
#include "windows/pieces/history_problem_words.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>

#include <cstdio>

FeatureWindow::FeatureWindow(const char* objectName, const QString& title, const QFont& face)
    : QWidget(nullptr, Qt::Window)
{
    setObjectName(QString::fromLatin1(objectName));
    setWindowTitle(title);
    setWindowIcon(programIcon());
    // Set before the controls exist, so that they are built in it once.
    setFont(face);
    recordNote_ = new QLabel(this);
    recordNote_->setObjectName(QStringLiteral("recordNote"));
    recordNote_->setTextFormat(Qt::PlainText);
    recordNote_->setWordWrap(true);
    recordNote_->hide();
    // Esc is caught before the focused control, which may have a use of its own for it.
    QApplication::instance()->installEventFilter(this);
}

FeatureWindow::FeatureWindow(const char* objectName, const QString& title)
    : FeatureWindow(objectName, title, ui::designFont(ui::regular(12)))
{
}

void FeatureWindow::open()
{
    ui::bringToFront(this);
}

void FeatureWindow::sayRecordProblem(const std::optional<HistoryProblem>& problem, const RecordSentences& sentences,
                                     const char* record)
{
    if (!problem)
        return;
    std::fprintf(stderr, "kareto: %s: %s\n", record, qPrintable(describedForTerminal(*problem)));
    const QString& sentence = problem->whileReading ? sentences.cannotRead : sentences.cannotKeep;
    recordNote_->setText(sentence.arg(wordsFor(*problem)));
    recordNote_->show();
}

const QKeyEvent* FeatureWindow::keyPressedHere(const QObject* watched, const QEvent* event) const
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()
        || static_cast<const QWidget*>(watched)->window() != this || QApplication::activePopupWidget()
        || QApplication::activeModalWidget())
        return nullptr;
    return static_cast<const QKeyEvent*>(event);
}

bool FeatureWindow::isPlain(const QKeyEvent* key)
{
    return (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool FeatureWindow::isBox(const QObject* watched)
{
    for (const QObject* o = watched; o; o = o->parent())
        if (qobject_cast<const QComboBox*>(o) || qobject_cast<const QAbstractSpinBox*>(o))
            return true;
    return false;
}

// Esc closes the window whichever of its controls has the keyboard.
bool FeatureWindow::eventFilter(QObject* watched, QEvent* event)
{
    const QKeyEvent* key = keyPressedHere(watched, event);
    if (!key || key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
        return false;
    close();
    return true;
}
