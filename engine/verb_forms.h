// Verb forms a writer builds by the wrong pattern. The regular pattern for a
// verb that does not follow it: hacido, ponido, andé, tenió, saberé,
// teneríamos, each mapped to the verb's own form of the same person and
// tense (hecho, puesto, anduve, tuvo, sabré, tendríamos); compounds follow
// their verb (deshacido, componido, mantenió), so the tables hold the
// irregular stems only. And a regular verb in another conjugation's ending,
// as learners build it (visitieron, querimos, expandemos, defendir): the
// same person and tense in each other conjugation's ending (visitaron,
// queremos, expandimos, defender); endings of one vowel are left to the
// vowel slips.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::engine {

// letters: the typed word in lower case without accents, as Latin-1 bytes.
// The verb's own forms it may stand for, as Latin-1 bytes with their
// accents; the caller keeps those the lexicon holds.
std::vector<std::string> OwnVerbForms(std::string_view letters);
// The same for a regular verb's ending of another conjugation.
std::vector<std::string> OtherConjugations(std::string_view letters);

}  // namespace vestrel::engine
