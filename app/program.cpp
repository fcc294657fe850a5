#include "app/program.h"

#include "app/feature_entries.h"
#include "app/feature_windows.h"
#include "windows/notice_and_info/form4.h"
#include "windows/pieces/strip_pictures.h"
#include "windows/reel/riru.h"

#include <QApplication>

#include <random>

Program::Program(std::function<void()> quit)
    : quit_(std::move(quit)), stripsRead_(std::async(std::launch::deferred, loadStripPictures))
{
    notice_ = std::make_unique<Form4>([this] { showReelWindow(); });
    // Closed without its OK, the notice leaves nothing to go on with.
    notice_->onClose([this] { end(); });
    // Read on another core, not competing with the notice's first frame.
    notice_->afterFirstFrame([this] {
        if (!riru_)
            stripsRead_ = std::async(std::launch::async, loadStripPictures);
    });
    notice_->open();
}

Program::~Program() = default;

void Program::showReelWindow()
{
    // The notice is gone for good; its own click is still running, so it is
    // deleted once that returns.
    notice_->hide();
    notice_.release()->deleteLater();
    strips_ = stripsRead_.get();
    riru_ = std::make_unique<Riru>(game_, strips_, [this] { end(); });
    features_.resize(featureWindows().size());
    std::vector<FeatureEntry> entries;
    for (std::size_t entry = 0; entry < featureWindows().size(); ++entry)
        entries.push_back({featureWindows()[entry].menuText, featureWindows()[entry].key, [this, entry] { openFeature(entry); }});
    // The reel window's own information windows, by the keys a player tries for help.
    entries.push_back({QStringLiteral("操作の説明 (F1)"), QKeySequence(Qt::Key_F1), [this] { riru_->openGuide(); }});
    entries.push_back({QStringLiteral("解説の説明 (Shift+F1)"), QKeySequence(Qt::SHIFT | Qt::Key_F1),
                       [this] { riru_->openGlossary(); }});
    attachFeatureEntries(riru_.get(), entries);
    riru_->open();
}

// Made on first use; the reel window plays on meanwhile.
void Program::openFeature(std::size_t entry)
{
    std::unique_ptr<FeatureWindow>& window = features_[entry];
    if (!window)
        window = featureWindows()[entry].make({game_, strips_, std::random_device()()});
    window->open();
}

void Program::end()
{
    ended_ = true;
    for (QWidget* window : QApplication::topLevelWidgets())
        window->hide();
    quit_();
}
