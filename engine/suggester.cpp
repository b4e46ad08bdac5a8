#include "engine/suggester.h"
#include <algorithm>
#include "engine/lexicon.h"
#include "engine/ranking.h"
#include "engine/run_together.h"
#include "engine/slip_costs.h"
#include "engine/suggestion_search.h"
#include "engine/verb_forms.h"

namespace vestrel::engine {
namespace {

using namespace suggestion;

constexpr size_t kLongestWord = 40;
// The walk of the lexicon:
constexpr int kFirstBound = 130;      // one slip, or a cheap one and another
constexpr int kSecondBound = 200;
constexpr size_t kEnoughFound = 5;    // fewer after the first walk: walk again, wider
constexpr int kFillBound = 150;       // a list the first walk left not full: words that start alike
// Words misspelt several times over (perservancia, gastromonomia): when the
// second walk finds hardly anything, a third, wider still, among the words
// that start with the typed letter. Longer words would take it too long.
constexpr int kThirdBound = 280;
constexpr size_t kFarFound = 2;
constexpr size_t kLongestFar = 13;

// A regular form of an irregular verb (hacido, andé): the verb's own form
// costs less than one slip, since the writer spelt the pattern right, but
// more than an accent (estó is esto before estuvo); a
// regular verb in another conjugation's ending (visitieron) a little less
// than an unrelated letter.
void VerbForms(const Lexicon& lexicon, std::wstring_view word, std::vector<Found>& found) {
    std::string letters;
    for (const wchar_t c : word) {
        if (c > 0xFF || !IsLetter(c)) return;
        letters += static_cast<char>(kBase[c]);
    }
    for (const std::string& form : OwnVerbForms(letters))
        if (const int cls = lexicon.ClassOf(form); cls >= 0)
            found.push_back({form, kOwnForm + Rarity(cls), kOwnForm});
    for (const std::string& form : OtherConjugations(letters))
        if (const int cls = lexicon.ClassOf(form); cls >= 0)
            found.push_back({form, kConjugation + Rarity(cls), kConjugation});
}

}  // namespace

std::vector<std::wstring> Suggest(const Lexicon& lexicon, std::wstring_view word, size_t limit) {
    if (word.empty() || word.size() > kLongestWord) return {};
    Search search(lexicon, word);
    const Splits splits(lexicon, word);
    std::vector<std::wstring> result;
    std::vector<Found> found;
    for (const int bound : {kFirstBound, kSecondBound, kThirdBound}) {
        const bool third = bound == kThirdBound;
        if (third && (result.size() >= std::min(kFarFound, limit) || word.size() > kLongestFar)) break;
        std::vector<Found> walked = search.Walk(bound, third);
        if (third) {
            // Narrower than the second walk: it adds to what that one found.
            found.insert(found.end(), walked.begin(), walked.end());
        } else {
            found = std::move(walked);
            VerbForms(lexicon, word, found);
            splits.AddTo(found);
        }
        result = Ranked(found, word, limit);
        if (result.size() >= std::min(kEnoughFound, limit)) {
            // A list not full yet is filled from a wider walk among the
            // words that start like the typed one, which costs little beside
            // a whole second walk (Almenia: Alemania, animlas: animales).
            if (bound == kFirstBound && result.size() < limit) {
                std::vector<Found> more = search.Walk(kFillBound, true);
                found.insert(found.end(), more.begin(), more.end());
                result = Ranked(found, word, limit);
            }
            break;
        }
    }
    return result;
}

}  // namespace vestrel::engine