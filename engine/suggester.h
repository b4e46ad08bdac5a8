// Suggestions for a misspelt word: the lexicon's words within a weighted
// edit distance of it, found by bounded walks of the automaton (a wider one
// only when a narrower finds too little), and the words it may be run
// together from; ranked by that distance and by how common each word is.
//
// The distance knows the slips Spanish writers make: an accent dropped or
// misplaced, ñ written n, a silent h left out or added (or a first hi
// written e), b for v, ll for y, g for j, c, s and z confused (a z before e
// or i least), b and p, d and t, c and g closing a syllable, s for an x said
// as s, qu for k or cu, a letter doubled or not, the d of -ado dropped, a
// plural in -s for -es; these cost far less than other edits. Two letters
// swapped cost one slip, next to each other or across the letter between
// them (petola). A letter left out costs less than one added, and less still
// the key most often missed between two typed consonants (the n of
// concentrado, the vowel of gustaba); a neighbouring key less than any
// other. A regular form of an irregular verb (hacido) brings the verb's own
// (hecho), a stem in its other form (calientar) the one that keeps it. A
// name no text shows comes after the words that fit about as well, unless
// the writer typed capitals; an abbreviation typed in lower case (ong) is
// found as written (ONG). Nothing depends on the clock, so the same word
// always gets the same list.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::engine {

class Lexicon;

// At most limit suggestions, best first. Words longer than any Spanish word
// get none. Ten by default: the checker window's list shows about six rows, and
// the four more a scroll away still hold the intended word of most words
// misspelt several times over; further down it is hardly ever found.
std::vector<std::wstring> Suggest(const Lexicon& lexicon, std::wstring_view word, size_t limit = 10);

}  // namespace vestrel::engine
