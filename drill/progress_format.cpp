#include "drill/progress_format.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

QJsonObject tallyToJson(const Tally& tally)
{
    return {{"answered", tally.answered}, {"right", tally.right}};
}

QString keyOf(const OutcomeGroup& group)
{
    return QString::fromUtf8(group.key.data(), static_cast<qsizetype>(group.key.size()));
}

// A whole number from low to high, or nothing.
std::optional<int> wholeNumber(const QJsonValue& value, int low, int high = std::numeric_limits<int>::max())
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (number != std::floor(number) || number < low || number > high)
        return std::nullopt;
    return static_cast<int>(number);
}

std::optional<Tally> tallyFromJson(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const std::optional<int> answered = wholeNumber(object["answered"], 0);
    const std::optional<int> right = wholeNumber(object["right"], 0);
    if (!answered || !right || *right > *answered)
        return std::nullopt;
    return Tally{*answered, *right};
}

std::optional<Review> reviewFromJson(const QJsonValue& value)
{
    const QJsonObject object = value.toObject();
    const QJsonArray positions = object["pattern"].toArray();
    if (positions.size() != 3)
        return std::nullopt;
    std::optional<int> at[3];
    for (int i = 0; i < 3; ++i)
        at[i] = wholeNumber(positions[i], 1, Pattern::kPositions);
    const std::optional<int> dueAt = wholeNumber(object["dueAt"], 1);
    const std::optional<int> rights = wholeNumber(object["rightsInARow"], 0, ReviewQueue::kRightsToLeave - 1);
    if (!at[0] || !at[1] || !at[2] || !dueAt || !rights)
        return std::nullopt;
    return Review{{*at[0], *at[1], *at[2]}, *dueAt, *rights};
}

std::optional<Score> scoreFromJson(const QJsonObject& document)
{
    Score score;
    const std::optional<Tally> total = tallyFromJson(document);
    const std::optional<int> streak = wholeNumber(document["streak"], 0);
    if (!total || !streak || *streak > total->right)
        return std::nullopt;
    score.total = *total;
    score.streak = *streak;
    const QJsonObject groups = document["groups"].toObject();
    Tally sum;
    for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group) {
        const std::optional<Tally> tally = tallyFromJson(groups[keyOf(kOutcomeGroups[group])]);
        if (!tally)
            return std::nullopt;
        score.groups[group] = *tally;
        sum.answered += tally->answered;
        sum.right += tally->right;
    }
    if (sum != score.total)
        return std::nullopt;
    return score;
}

}  // namespace

QByteArray progressToJson(const Progress& progress)
{
    QJsonObject groups;
    for (std::size_t group = 0; group < kOutcomeGroups.size(); ++group)
        groups[keyOf(kOutcomeGroups[group])] = tallyToJson(progress.score.groups[group]);
    QJsonArray due;
    for (const Review& review : progress.reviews)
        due.append(QJsonObject{
            {"pattern", QJsonArray{review.pattern.left, review.pattern.center, review.pattern.right}},
            {"dueAt", review.dueAt},
            {"rightsInARow", review.rightsInARow},
        });
    QJsonObject document = tallyToJson(progress.score.total);
    document["format"] = kProgressFormat;
    document["streak"] = progress.score.streak;
    document["groups"] = groups;
    document["due"] = due;
    return QJsonDocument(document).toJson();
}

std::optional<Progress> progressFromJson(const QByteArray& json)
{
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    const QJsonObject root = document.object();
    if (wholeNumber(root["format"], kProgressFormat, kProgressFormat) == std::nullopt)
        return std::nullopt;
    const std::optional<Score> score = scoreFromJson(root);
    if (!score || !root["due"].isArray())
        return std::nullopt;
    Progress progress{*score, {}};
    for (const QJsonValue& value : root["due"].toArray()) {
        const std::optional<Review> review = reviewFromJson(value);
        const auto sameAs = [&](const Review& other) { return other.pattern == review->pattern; };
        if (!review || std::any_of(progress.reviews.begin(), progress.reviews.end(), sameAs))
            return std::nullopt;
        progress.reviews.push_back(*review);
    }
    return progress;
}
