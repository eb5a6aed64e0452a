// One line of the main-word box ("连衣裙--100") and the checks made on the box
// before and at the start of a run.
#pragma once

#include "generate/RunTexts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view kMainWordSeparator = "--";
inline constexpr int kMinimumRootWordRows = 15;

struct MainWordSpec {
    std::string mainWord;  // before the first "--", unchanged (spaces are not trimmed)
    std::string countText; // after the last "--"

    // The count text read as a number each time it is compared; no number gives 0.
    double RequestedCount() const;
};

// Splits a line at the first and the last "--"; a line without one gives an
// empty main word and an empty count.
MainWordSpec SplitMainWordLine(std::string_view line);

// The check made on every click of the start button: the failing check's
// message, or nothing when the run may start (or stop).
std::optional<RunMessage> CheckBeforeStart(std::string_view mainWordBoxText, std::size_t rootWordRows);

// The sum of the requested counts of the lines that hold "--", truncated after
// each addition and kept within 32 bits; nothing when a line with "--" has an
// empty side (the run then ends with the format message before any title).
std::optional<std::int32_t> SumRequested(std::string_view mainWordBoxText);
