#include "app/feature_entries.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace {

void addEntries(QMenu* menu, const std::vector<FeatureEntry>& entries)
{
    for (const FeatureEntry& entry : entries)
        QObject::connect(menu->addAction(entry.menuText), &QAction::triggered, menu,
                         [open = entry.open] { open(); });
}

// Shows the menu until it is closed, as Qt's own context menus do.
void popUp(QMenu* menu, QWidget* over, const QPoint& at)
{
    menu->setObjectName(QStringLiteral("featureMenu"));
    menu->exec(over->mapToGlobal(at));
    menu->deleteLater();
}

void popUpEntries(QWidget* window, const std::vector<FeatureEntry>& entries, const QPoint& at)
{
    auto* menu = new QMenu(window);
    addEntries(menu, entries);
    popUp(menu, window, at);
}

// Qt hands no right click on a disabled control on to the window behind it;
// the plates and separator bars are always disabled, so such clicks are
// caught on their way into the window.
class RightClickOnDisabled : public QObject {
public:
    RightClickOnDisabled(QWidget* window, std::vector<FeatureEntry> entries)
        : QObject(window), window_(window), entries_(std::move(entries))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::MouseButtonPress)
            return QObject::eventFilter(watched, event);
        const auto* press = static_cast<QMouseEvent*>(event);
        const QPoint at = press->position().toPoint();
        const QWidget* control = window_->childAt(at);
        if (press->button() != Qt::RightButton || !control || control->isEnabled())
            return false;
        popUpEntries(window_, entries_, at);
        return true;
    }

private:
    QWidget* window_;
    std::vector<FeatureEntry> entries_;
};

// The entries' keys, in whichever window of the program has the keyboard; a
// modal dialog or an open menu keeps its keys to itself.
class FeatureKeys : public QObject {
public:
    FeatureKeys(QObject* owner, std::vector<FeatureEntry> entries) : QObject(owner), entries_(std::move(entries)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress || !watched->isWidgetType() || QApplication::activeModalWidget()
            || QApplication::activePopupWidget())
            return false;
        const auto* press = static_cast<QKeyEvent*>(event);
        const QKeySequence pressed(press->keyCombination());
        for (const FeatureEntry& entry : entries_) {
            if (entry.key == pressed) {
                entry.open();
                return true;
            }
        }
        return false;
    }

private:
    std::vector<FeatureEntry> entries_;
};

}  // namespace

void attachFeatureEntries(QWidget* reelWindow, const std::vector<FeatureEntry>& entries)
{
    QApplication::instance()->installEventFilter(new FeatureKeys(reelWindow, entries));

    // Every enabled control passes a right click on to the window.
    reelWindow->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(reelWindow, &QWidget::customContextMenuRequested, reelWindow,
                     [reelWindow, entries](const QPoint& at) { popUpEntries(reelWindow, entries, at); });
    reelWindow->winId();  // makes the native window, whose clicks can then be watched
    reelWindow->windowHandle()->installEventFilter(new RightClickOnDisabled(reelWindow, entries));

    for (QLineEdit* box : reelWindow->findChildren<QLineEdit*>()) {
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, box, [box, entries](const QPoint& at) {
            QMenu* menu = box->createStandardContextMenu();
            menu->addSeparator();
            addEntries(menu, entries);
            popUp(menu, box, at);
        });
    }
}
