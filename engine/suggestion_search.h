// The bounded walk of the lexicon: every word within a cost bound of the
// typed one, priced letter by letter with the slips' costs as a weighted
// edit distance, one row of the distance table for each letter of the
// candidate, a branch left as soon as its row's least cost passes the
// bound, and in each row only the cells near the ones within it priced.
// What the typed word's letters make cheap (a dropped d, a plural's e, a
// silent h, a spelling of two letters) is worked out once.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>
#include "engine/lexicon.h"
#include "engine/ranking.h"

namespace vestrel::engine::suggestion {

class Search {
public:
    Search(const Lexicon& lexicon, std::wstring_view word);

    // Every word within bound of the typed one, with its ranking score.
    std::vector<Found> Walk(int bound, bool narrow = false);

private:
    int* Row(size_t depth) { return rows_.data() + depth * width_; }

    // The first letter the writer typed, but for its accent or case, or
    // after or without a silent h: writers who misspell a word several
    // times over still start it right.
    bool SameStart(uint8_t letter) const;

    void Visit(Lexicon::Node node, size_t depth);

    // Fills the row for the candidate's first j letters; returns its least cost.
    int Fill(size_t j);

    const Lexicon& lexicon_;
    std::vector<uint8_t> typed_, typedBase_, meantBase_;
    std::vector<int> drop_;
    std::vector<uint32_t> typedSpellings_;
    // soft_: the next typed letter is e or i; closing_: the typed letter
    // closes a syllable (the word's last, or before a consonant that starts
    // one: not l or r, which join the one before them, as in obra, padre).
    std::vector<bool> dropD_, plural_, keptAccent_, soft_, closing_;
    enum class Next : uint8_t { End, Vowel, Consonant, FinalS };
    std::vector<Next> next_;
    std::vector<int> rows_;
    // For each row of the table, its first and last cell within the bound
    // (first past last: none).
    using Reach = std::pair<size_t, size_t>;
    std::vector<Reach> reach_;
    std::string letters_;
    std::vector<Found> found_;
    size_t depth_ = 0, width_ = 0;
    int bound_ = 0;
    bool narrow_ = false;
    bool typedLower_ = false, typedAccent_ = false;
};

}  // namespace vestrel::engine::suggestion
