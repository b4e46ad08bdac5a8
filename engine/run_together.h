// Words run together (porfavor, losmonumentos, alomejor): two or three
// pieces, each a word of the lexicon spelt with the typed letters but for
// accents, ñ written n and case. A piece costs what its accents cost and
// how rare it is, so a split with a common word (por, a, los, se) comes
// first; each space left out costs kSplit.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>
#include "engine/lexicon.h"
#include "engine/ranking.h"

namespace vestrel::engine::suggestion {

class Splits {
public:
    Splits(const Lexicon& lexicon, std::wstring_view word);

    // Adds the splits to the words found, those that rank near the best of
    // them (or all, when nothing was found): a split far behind a word that
    // fits is two words that happen to make up the letters (pon ido).
    void AddTo(std::vector<Found>& found) const;

private:
    struct Piece {
        std::string letters;
        int cls = -1;
        int cost = 0;  // the accents and case put right
        int score = 0;
    };

    const Piece& At(size_t begin, size_t end) const { return pieces_[begin * (n_ + 1) + end]; }
    Piece& At(size_t begin, size_t end) { return pieces_[begin * (n_ + 1) + end]; }

    // The likeliest word for each piece of the typed letters from begin: one
    // walk of the lexicon along them, trying each letter that is the typed
    // one but for its accent or case.
    void Walk(Lexicon::Node node, size_t begin, size_t at, int cost, std::string& letters);

    // A word of one letter is a vowel that stands alone (a, o, y, e, u); one
    // of two is seen often (a rare one, ta or ro, is more likely a stray
    // ending than a word).
    static bool Allowed(const std::string& letters, int cls);

    // e stands for y only before an i sound, u for o only before an o.
    static bool Follows(const Piece& before, const Piece& after);

    // A vowel alone does not end one: a stray last vowel is a slip
    // (escribido), not a conjunction with nothing after it. A last y is the
    // conjunction (jugadory: jugador y): a slip would rather add a vowel.
    static bool Ends(const Piece& last);

    static void Add(std::vector<Found>& found, int worst, std::initializer_list<const Piece*> pieces);

    const Lexicon& lexicon_;
    size_t n_;
    std::vector<uint8_t> typed_;
    std::vector<Piece> pieces_;  // [begin][end]
};

}  // namespace vestrel::engine::suggestion
