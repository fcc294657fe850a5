#pragma once

#include "core/drill/progress.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

// The drill's progress as a JSON document, with a format version so that a
// file written by a later program is recognised rather than misread. The
// 2確目 questions' score, day and cards are a part of their own, "pairs",
// which a document written before them lacks and an earlier program skips.
inline constexpr int kProgressFormat = 2;

QByteArray progressToJson(const Progress& progress);

// The progress a document holds, or nothing when it is not a whole, sound
// document: cut short, not JSON, a later version, counts that do not add up,
// positions off the reels, unknown cards. A document of the first format,
// which kept patterns to ask again, is taken over: its score stays, and the
// cards of its patterns are due at `nowMs`.
std::optional<Progress> progressFromJson(const QByteArray& json, std::int64_t nowMs);
