// A regular verb's form with another conjugation's ending, as learners
// build it (visitieron, querimos, expandemos, defendir): the same person
// and tense in the ending of each other conjugation (visitaron, queremos,
// expandimos, defender). Endings of one vowel are left to the vowel slips.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::engine {

// letters: the typed word in lower case without accents, as Latin-1 bytes.
// The forms it may stand for, as Latin-1 bytes with their accents; the
// caller keeps those the lexicon holds.
std::vector<std::string> OtherConjugations(std::string_view letters);

}  // namespace vestrel::engine
