#include "engine/suggestion_search.h"
#include <algorithm>
#include <cstring>
#include "engine/slip_costs.h"

namespace vestrel::engine::suggestion {

Search::Search(const Lexicon& lexicon, std::wstring_view word) : lexicon_(lexicon) {
    const size_t n = word.size();
    width_ = n + 1;
    typed_.assign(width_, 0);
    typedBase_.assign(width_, 0);
    drop_.assign(width_, 0);
    typedSpellings_.assign(width_, 0);
    soft_.assign(width_, false);
    // Index i describes the typed word's i-th letter, counting from 1.
    typedLower_ = NoCapitals(word);
    typedAccent_ = std::any_of(word.begin(), word.end(), [](wchar_t c) { return c <= 0xFF && HasAccent(c); });
    for (size_t i = 1; i <= n; ++i) {
        typed_[i] = word[i - 1] > 0xFF ? 0 : static_cast<uint8_t>(word[i - 1]);
        typedBase_[i] = kBase[typed_[i]];
        drop_[i] = Added(typedBase_[i], typedBase_[i - 1], i < n ? kBase[word[i] > 0xFF ? 0 : word[i]] : 0);
    }
    for (size_t i = 1; i <= n; ++i) {
        typedSpellings_[i] = EndingAt(typedBase_.data() + 1, i, &Spelling::typed, kTypedEnds);
        // g and gu sound alike only before e and i.
        const uint8_t next = i < n ? typedBase_[i + 1] : 0;
        if (next != 'e' && next != 'i') typedSpellings_[i] &= ~kGuMask;
        const bool vowelLater = std::any_of(typedBase_.begin() + static_cast<std::ptrdiff_t>(i) + 1, typedBase_.end(),
                                            [](uint8_t c) { return IsVowel(c); });
        if (!next || IsVowel(next) || !vowelLater) typedSpellings_[i] &= ~kStemMask;
        if (i != 1) typedSpellings_[i] &= ~kStartMask;
    }
    // A plain slip on the first letter costs more.
    if (n >= 1 && drop_[1] >= kAddedBeside) drop_[1] += kFirstLetterSlip;
    for (size_t i = 1; i <= n; ++i) soft_[i] = i < n && (typedBase_[i + 1] == 'e' || typedBase_[i + 1] == 'i');
    // A word's first letter opens its first syllable.
    closing_.assign(width_, false);
    for (size_t i = 2; i <= n; ++i) {
        const uint8_t next = i < n ? typedBase_[i + 1] : 0;
        closing_[i] = !IsVowel(next) && next != 'l' && next != 'r';
    }
    // What follows each typed position (0: before the first letter).
    next_.assign(width_, Next::End);
    for (size_t i = 0; i < n; ++i) {
        const uint8_t next = typedBase_[i + 1];
        next_[i] = IsVowel(next) ? Next::Vowel
                   : !next       ? Next::End
                   : i + 1 == n && next == 's' ? Next::FinalS
                                               : Next::Consonant;
    }
    // Where a d may have been dropped between the vowels of a
    // participle's ending (acabao, comio, acabaos), and the e of a plural
    // in -es (ciudads, papels).
    dropD_.assign(width_, false);
    for (size_t i = 1; i + 1 <= n; ++i) {
        const size_t rest = n - i;
        // -ao for -ado; -ío (not -io, a preterite without its accent) for -ido.
        dropD_[i] = (typedBase_[i] == 'a' || Lower(typed_[i]) == 0xED) && typedBase_[i + 1] == 'o' &&
                    (rest == 1 || (rest == 2 && typedBase_[i + 2] == 's'));
    }
    plural_.assign(width_, false);
    keptAccent_.assign(width_, false);
    if (n >= 3 && typedBase_[n] == 's' && !std::strchr("aeious", typedBase_[n - 1]) && typedBase_[n - 1]) {
        plural_[n - 1] = true;
        // The singular's accent kept in a plural that loses it
        // (investigacións for investigaciones) is part of the same slip.
        keptAccent_[n - 2] = HasAccent(typed_[n - 2]);
    }
}

std::vector<Found> Search::Walk(int bound, bool narrow) {
    bound_ = bound;
    narrow_ = narrow;
    depth_ = std::min<size_t>(width_ + static_cast<size_t>(bound / kCheapest), 64);
    rows_.assign((depth_ + 1) * width_, 0);
    letters_.assign(depth_, '\0');
    meantBase_.assign(depth_ + 1, 0);
    for (size_t i = 1; i < width_; ++i) rows_[i] = rows_[i - 1] + drop_[i];
    reach_.assign(depth_ + 1, {0, 0});
    for (size_t i = 0; i < width_ && rows_[i] <= bound_; ++i) reach_[0] = {0, i};
    found_.clear();
    Visit(lexicon_.Root(), 0);
    return std::move(found_);
}

bool Search::SameStart(uint8_t letter) const {
    if (width_ < 2) return true;
    const uint8_t meant = kBase[letter], typed = typedBase_[1];
    return meant == typed || meant == 'h' || (typed == 'h' && IsVowel(meant));
}

void Search::Visit(Lexicon::Node node, size_t depth) {
    // Most prefixes walked are too far from the typed word to be it: the
    // cost is looked at before the lexicon is asked whether one is a word.
    if (const int cost = depth > 0 ? Row(depth)[width_ - 1] : 0; depth > 0 && cost <= bound_) {
        if (const int cls = lexicon_.WordClass(node); cls >= 0) {
            int score = cost + Rarity(cls);
            if (typedLower_ && IsCapital(static_cast<uint8_t>(letters_[0]))) {
                // ong for ONG is how abbreviations are typed; a name no text
                // shows (Soleda) is hardly what a writer of soleda meant.
                const bool abbreviation =
                    depth > 1 && std::all_of(letters_.begin() + 1, letters_.begin() + depth,
                                             [](char c) { return IsCapital(static_cast<uint8_t>(c)); });
                if (!abbreviation) score += kName + (cls <= kNeverSeen ? kUnlikely : 0);
            }
            if (typedAccent_ && std::any_of(letters_.begin(), letters_.begin() + depth,
                                            [](char c) { return HasAccent(static_cast<uint8_t>(c)); }))
                score -= kAccentMoved;
            found_.push_back({letters_.substr(0, depth), score, cost});
        }
    }
    if (depth == depth_) return;
    lexicon_.ForEachLetter(node, [&](uint8_t letter, Lexicon::Node next) {
        letters_[depth] = static_cast<char>(letter);
        meantBase_[depth + 1] = kBase[letter];
        if (depth == 0 && narrow_ && !SameStart(letter)) return;
        if (Fill(depth + 1) <= bound_) Visit(next, depth + 1);
    });
}

int Search::Fill(size_t j) {
    const Table& replace = kReplace[static_cast<uint8_t>(letters_[j - 1])];
    const int added = LeftOut(meantBase_[j], meantBase_[j - 1]);
    const uint32_t meantSpellings =
        EndingAt(meantBase_.data() + 1, j, &Spelling::meant, kMeantEnds) & (j == 2 ? ~0u : ~kStartMask);
    int* row = Row(j);
    const int* up = Row(j - 1);
    const int* up2 = j >= 2 ? Row(j - 2) : nullptr;
    const uint8_t meant = meantBase_[j], meantBefore = meantBase_[j - 1];
    // A silent h, left out before a vowel (ombre, aora), is a spelling
    // slip; any other h left out (dico for dicho) a plain one.
    const bool silent = meant == 'h' && meantBefore != 'c';
    // Where the writer typed two consonants together, the key most often
    // missed between them is the n, m or s closing a syllable
    // (concetrado, contruir) or a vowel (gustba). Not the word's second
    // letter, since writers rarely slip that early, and not a vowel
    // before a final s, where the plural's own rule prices the ending.
    const bool coda = meantBefore && (meant == 'n' || meant == 'm' || meant == 's');
    const bool between = j > 2 && IsVowel(meant) && meantBefore && !IsVowel(meantBefore);
    const int cheap = std::min(added, coda ? kCoda : between ? kBetween : added);
    auto omitted = [&](size_t i) {
        const Next next = next_[i];
        if (silent && next == Next::Vowel) return kSilentH;
        if (cheap < added && (next == Next::Consonant || (coda && next == Next::FinalS)) &&
            typedBase_[i] == meantBefore)
            return cheap;
        return added;
    };
    row[0] = up[0] + omitted(0) + (j == 1 && !silent && added >= kLeftOut ? kFirstLetterSlip : 0);
    int least = row[0];
    // A cell within the bound is priced from one within it (no slip costs
    // less than nothing): the cell before it in this row, or one of the rows
    // above at the same typed letter or up to two back (three for a swap
    // across a letter). Elsewhere all that matters is that a cell is past the
    // bound, so it is not priced: most of a long word's row is skipped.
    size_t from = width_, to = 0;
    for (size_t k = 1; k <= 3 && k <= j; ++k) {
        if (reach_[j - k].first > reach_[j - k].second) continue;
        from = std::min(from, reach_[j - k].first + (k == 1 ? 0 : k == 2 ? 1 : 3));
        to = std::max(to, reach_[j - k].second + (k == 3 ? 3 : 2));
    }
    const int past = bound_ + 1;
    Reach reach{width_, 0};
    if (row[0] <= bound_) reach = {0, 0};
    for (size_t i = 1; i < width_; ++i) {
        if ((i < from || i > to) && row[i - 1] > bound_) {
            row[i] = past;
            continue;
        }
        int sub = replace[typed_[i]];
        if (sub < kEdit && !SoundsAlike(meant, typedBase_[i], soft_[i], closing_[i])) sub = kEdit;
        if (i == 1 && j == 1 && sub >= kVowel) sub += kFirstLetterSlip;
        if (keptAccent_[i] && sub == kAccentAdded) sub = 0;
        int cost = std::min({up[i - 1] + sub, up[i] + omitted(i), row[i - 1] + drop_[i]});
        if (meant == 'd' && dropD_[i]) cost = std::min(cost, up[i] + kDroppedD);
        if (meant == 'e' && plural_[i]) cost = std::min(cost, up[i] + kPluralE);
        const uint8_t typed = typedBase_[i], typedBefore = typedBase_[i - 1];
        if (up2 && i >= 2 && typed && typed == meantBefore && typedBefore == meant && typed != typedBefore)
            cost = std::min(cost, up2[i - 2] + kTransposed);
        if (j >= 3 && i >= 3 && typed && typed == meantBase_[j - 2] && typedBase_[i - 2] == meant &&
            typedBefore == meantBefore && typed != meant)
            cost = std::min(cost, Row(j - 3)[i - 3] + kSwappedAcross);
        for (uint32_t both = meantSpellings & typedSpellings_[i]; both; both &= both - 1) {
            const Spelling& s = kSpellings[__builtin_ctz(both)];
            cost = std::min(cost, Row(j - std::strlen(s.meant))[i - std::strlen(s.typed)] + s.cost);
        }
        row[i] = cost;
        least = std::min(least, cost);
        if (cost <= bound_) reach = {std::min(reach.first, i), i};
    }
    reach_[j] = reach;
    return least;
}

}  // namespace vestrel::engine::suggestion
