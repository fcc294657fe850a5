#include "feature_windows/feature_entries.h"

#include <QAction>
#include <QWidget>

void attachFeatureEntries(QWidget* reelWindow, const std::vector<FeatureEntry>& entries)
{
    for (const FeatureEntry& entry : entries) {
        auto* action = new QAction(entry.menuText, reelWindow);
        action->setShortcut(entry.key);
        action->setShortcutContext(Qt::WindowShortcut);
        // The menu text names the key already.
        action->setShortcutVisibleInContextMenu(false);
        QObject::connect(action, &QAction::triggered, reelWindow, entry.open);
        reelWindow->addAction(action);
    }
    reelWindow->setContextMenuPolicy(Qt::ActionsContextMenu);
}
