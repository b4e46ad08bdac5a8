// The list a misspelt word gets from the words found for it: best score
// first, each word once, a name after the lowercase words that fit as well
// when the writer typed in lower case, and the typed word's capitals
// carried over.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vestrel::engine::suggestion {

struct Found {
    std::string letters;
    int score;  // the fit and how common the word is: the order of the list
    int fit;    // the edit cost alone
};

// At most limit words, best first; found is put in that order.
std::vector<std::wstring> Ranked(std::vector<Found>& found, std::wstring_view word, size_t limit);

}  // namespace vestrel::engine::suggestion
