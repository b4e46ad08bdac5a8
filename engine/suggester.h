// Suggestions for a misspelt word: the lexicon's words within a weighted
// edit distance of it, found by one bounded walk of the automaton, ranked by
// that distance and by how common each word is.
//
// The distance knows the slips Spanish writers make: an accent dropped or
// misplaced, ñ written n, a silent h left out or added, b for v, ll for y, g
// for j, c, s and z confused, qu for k, a letter doubled or not; these cost
// far less than other edits. Nothing depends on the clock, so the same word
// always gets the same list.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::engine {

class Lexicon;

// At most limit suggestions, best first. Words longer than any Spanish word
// get none.
std::vector<std::wstring> Suggest(const Lexicon& lexicon, std::wstring_view word, size_t limit = 10);

}  // namespace vestrel::engine
