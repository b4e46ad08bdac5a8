#include "engine/run_together.h"
#include <algorithm>
#include <climits>
#include <cstring>
#include <iterator>
#include "engine/set_phrases.h"
#include "engine/slip_costs.h"

namespace vestrel::engine::suggestion {
namespace {

// Words run together:
constexpr int kSplit = 100;           // a space left out
constexpr int kShortWord = 21;        // a word of two letters as a piece: a count of 512 or more
constexpr int kSetPhrase = 31;        // the first two of three pieces: a count of 16,000 or more
constexpr int kKnownPhrase = 80;      // less for a set phrase (a pesar, por lo tanto)
constexpr int kSplitMargin = 60;      // how far behind the best word found a split may rank

}  // namespace

Splits::Splits(const Lexicon& lexicon, std::wstring_view word) : lexicon_(lexicon), n_(word.size()) {
    typed_.reserve(n_);
    for (const wchar_t c : word) {
        if (c > 0xFF || !IsLetter(c)) return;
        typed_.push_back(static_cast<uint8_t>(c));
    }
    pieces_.assign(n_ * (n_ + 1), Piece{});
    for (size_t begin = 0; begin < n_; ++begin) {
        std::string letters;
        Walk(lexicon_.Root(), begin, begin, 0, letters);
    }
}

void Splits::AddTo(std::vector<Found>& found) const {
    if (typed_.size() != n_ || n_ < 2) return;
    int best = INT_MAX;
    for (const Found& f : found) best = std::min(best, f.score);
    const int worst = best == INT_MAX ? INT_MAX : best + kSplitMargin;
    for (size_t k = 1; k < n_; ++k) {
        const Piece& left = At(0, k);
        if (left.cls < 0) continue;
        if (const Piece& right = At(k, n_); right.cls >= 0 && Follows(left, right) && Ends(right))
            Add(found, worst, {&left, &right});
        // Three words only as set phrases run (a lo mejor, por lo tanto):
        // the first two among the commonest words.
        if (left.cls < kSetPhrase) continue;
        for (size_t m = k + 1; m < n_; ++m) {
            const Piece& middle = At(k, m);
            if (middle.cls < kSetPhrase || !Follows(left, middle)) continue;
            if (const Piece& right = At(m, n_); right.cls >= 0 && Follows(middle, right) && Ends(right))
                Add(found, worst, {&left, &middle, &right});
        }
    }
}

void Splits::Walk(Lexicon::Node node, size_t begin, size_t at, int cost, std::string& letters) {
    if (at > begin) {
        const int cls = lexicon_.WordClass(node);
        if (cls >= 0 && Allowed(letters, cls)) {
            Piece& piece = At(begin, at);
            const int score = cost + Rarity(cls);
            if (piece.cls < 0 || score < piece.score) piece = {letters, cls, cost, score};
        }
    }
    if (at == n_) return;
    const uint8_t typed = Lower(typed_[at]);
    lexicon_.ForEachLetter(node, [&](uint8_t letter, Lexicon::Node next) {
        // A name is a piece only where the writer typed its capital.
        const int step = kReplace[Lower(letter)][typed];
        if (step > kAccentAdded || (IsCapital(letter) && !IsCapital(typed_[at]))) return;
        letters.push_back(static_cast<char>(letter));
        Walk(next, begin, at + 1, cost + step, letters);
        letters.pop_back();
    });
}

bool Splits::Allowed(const std::string& letters, int cls) {
    if (letters.size() == 1) return std::strchr("aeouyAEOUY", letters[0]) != nullptr;
    return letters.size() > 2 || cls >= kShortWord;
}

bool Splits::Follows(const Piece& before, const Piece& after) {
    if (before.letters.size() != 1) return true;
    const uint8_t conjunction = Lower(static_cast<uint8_t>(before.letters[0]));
    const std::string next = after.letters.substr(after.letters[0] == 'h' || after.letters[0] == 'H' ? 1 : 0);
    if (next.empty()) return false;
    const uint8_t sound = kBase[static_cast<uint8_t>(next[0])];
    if (conjunction == 'e') return sound == 'i';
    if (conjunction == 'u') return sound == 'o';
    return true;
}

bool Splits::Ends(const Piece& last) {
    return last.letters.size() > 1 || last.letters[0] == 'y' || last.letters[0] == 'Y';
}

void Splits::Add(std::vector<Found>& found, int worst, std::initializer_list<const Piece*> pieces) {
    std::string letters, folded;
    int score = kSplit * static_cast<int>(pieces.size() - 1), fit = score;
    for (const Piece* piece : pieces) {
        if (!letters.empty()) letters += ' ';
        letters += piece->letters;
        score += piece->score;
        fit += piece->cost;
    }
    std::transform(letters.begin(), letters.end(), std::back_inserter(folded),
                   [](char c) { return static_cast<char>(c == ' ' ? ' ' : kBase[static_cast<uint8_t>(c)]); });
    // A set phrase in its own spelling (mas alla: más allá), accents put
    // right as in any piece.
    if (std::string phrase = SetPhrase(folded); !phrase.empty()) {
        for (size_t i = 0; i < phrase.size(); ++i)
            if (phrase[i] != letters[i]) score += kAccentLeftOut;
        letters = std::move(phrase);
        score -= kKnownPhrase;
    }
    if (score <= worst) found.push_back({std::move(letters), score, fit});
}

}  // namespace vestrel::engine::suggestion
