#include "windows/reel/riru_accessibility.h"

#include "core/reels/symbols_in_words.h"
#include "ui/text.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <array>

namespace riru_accessibility {

namespace {

struct Name {
    const char* control;
    const char16_t* name;
};

constexpr Name kNames[] = {
    {"r1stop", u"左リール 停止"},           {"r2stop", u"中リール 停止"},           {"r3stop", u"右リール 停止"},
    {"r1ue", u"左リール 一コマ上へ"},       {"r2ue", u"中リール 一コマ上へ"},       {"r3ue", u"右リール 一コマ上へ"},
    {"r1sita", u"左リール 一コマ下へ"},     {"r2sita", u"中リール 一コマ下へ"},     {"r3sita", u"右リール 一コマ下へ"},
    {"Image1", u"左リール"},                {"Image2", u"中リール"},                {"Image3", u"右リール"},
    {"Text1", u"リール１コマのスピード"},   {"Text3", u"Ａutoの停止までの時間"},    {"Text2", u"出目"},
};

constexpr std::array<const char*, 3> kStrips = {"Image1", "Image2", "Image3"};

}  // namespace

void nameControls(QWidget* riru)
{
    riru->setAccessibleName(QStringLiteral("カレト職人養成マシーン"));
    for (const Name& entry : kNames)
        if (auto* control = riru->findChild<QWidget*>(QString::fromLatin1(entry.control)))
            control->setAccessibleName(QString::fromUtf16(entry.name));
}

void describeReels(QWidget* riru, const int (&upperPositions)[3], const bool (&running)[3])
{
    bool allStand = true;
    for (reel::Reel which : reel::kReels) {
        auto* strip = riru->findChild<QWidget*>(QString::fromLatin1(kStrips[which]));
        const QString words = running[which] ? QStringLiteral("回転中")
                                             : ui::qt(reel::reelInWords(which, upperPositions[which]));
        allStand = allStand && !running[which];
        if (strip && strip->accessibleDescription() != words) {
            strip->setAccessibleDescription(words);
            QAccessibleEvent changed(strip, QAccessible::DescriptionChanged);
            QAccessible::updateAccessibility(&changed);
        }
    }
    if (auto* readOut = riru->findChild<QLineEdit*>(QStringLiteral("Text2")); readOut && allStand)
        readOut->setAccessibleDescription(
            ui::qt(reel::patternInWords({upperPositions[0], upperPositions[1], upperPositions[2]})));
}

}  // namespace riru_accessibility
