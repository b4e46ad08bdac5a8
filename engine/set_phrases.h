// Set phrases of two or three words that writers run together as if they
// were one (apesar, porfavor, alomejor, sinembargo, talvez): a run-together
// word read as one of them is likelier than any other split of its letters.
#pragma once
#include <string>
#include <string_view>

namespace vestrel::engine {

// words: the pieces in lower case without accents (ñ kept), one space
// between, as Latin-1 bytes. The set phrase they spell, with its accents
// (mas alla: más allá), or an empty string.
std::string SetPhrase(std::string_view words);

}  // namespace vestrel::engine
