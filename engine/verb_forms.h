// The forms a writer builds by the regular pattern for a verb that does not
// follow it: hacido, ponido, andé, tenió, saberé, teneríamos. Each is mapped to
// the verb's own form of the same person and tense (hecho, puesto, anduve,
// tuvo, sabré, tendríamos). Compounds follow their verb (deshacido,
// componido, mantenió), so the tables hold the irregular stems only.
#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::engine {

// letters: the typed word in lower case without accents, as Latin-1 bytes.
// The verb's own forms it may stand for, as Latin-1 bytes with their
// accents; the caller keeps those the lexicon holds.
std::vector<std::string> OwnVerbForms(std::string_view letters);

}  // namespace vestrel::engine
