// Corrections of the mistakes Spanish writers make most: a dropped or
// misplaced accent, ñ written n, a missing or extra h, b for v, ll for y,
// g for j, c, s and z confused, a doubled letter. Each is one small edit;
// the engine keeps those its dictionary knows and ranks them first.
#pragma once
#include <string>
#include <vector>

namespace vestrel::engine {

// The candidate spellings of word, most likely first, without repeats and
// without word itself. Words longer than a Spanish word gets yield none.
std::vector<std::wstring> SpanishCandidates(const std::wstring& word);

}  // namespace vestrel::engine
