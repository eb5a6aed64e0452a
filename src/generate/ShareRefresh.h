// The 几率 column after a run: how often each root word occurs in the run's
// titles, as a percentage of the words counted into them.
#pragma once

#include "generate/TitleEngineIo.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One share text per row. Each word is used as a regular-expression pattern
// with the matcher's defaults (case ignored, all matches); its match count in
// the joined titles, divided by titleWordTotal, times 100, rounded to two
// decimals, is the share ("12.5", "3", "0.33"). A row whose weight is exactly
// "0" gets "0", and so does every row when no title was made. Plain words are
// counted together in one pass over the titles, with the same counts the
// matcher would give.
std::vector<std::string> ShareRefresh(const std::vector<RootWord>& rows, std::string_view joinedTitles,
                                      std::int32_t titleWordTotal);
