#pragma once

#include "core/drill/progress.h"

#include <QByteArray>

#include <optional>

// The drill's progress as a JSON document, with a format version so that a
// file written by a later program is recognised rather than misread.
inline constexpr int kProgressFormat = 1;

QByteArray progressToJson(const Progress& progress);

// The progress a document holds, or nothing when it is not a whole, sound
// document of this format: cut short, not JSON, another version, counts that
// do not add up, positions off the reels.
std::optional<Progress> progressFromJson(const QByteArray& json);
