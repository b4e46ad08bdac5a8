// The suggester on its own, linked with the engine's library: the table of
// slips (tests/engine/slips.tsv) must get the word meant first (or among the
// first five, where the table says so), and the same
// word the same list.
#include <windows.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>
#include "engine/lexicon.h"
#include "engine/suggester.h"

namespace {

std::wstring Wide(const std::string& text) {
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()));
    return wide;
}

// The lexicon beside this program, as beside the DLL.
const vestrel::engine::Lexicon& TheLexicon() {
    static const vestrel::engine::Lexicon lexicon = [] {
        wchar_t path[MAX_PATH];
        GetModuleFileNameW(nullptr, path, MAX_PATH);
        std::wstring folder(path);
        std::ifstream file(std::filesystem::path(folder.substr(0, folder.find_last_of(L'\\') + 1) + L"es_ES.vlx"),
                           std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
        return vestrel::engine::Lexicon(bytes);
    }();
    return lexicon;
}

struct Slip {
    std::wstring typed, meant;
    std::string line;
    int number;  // the line's in the table
};

std::vector<Slip> ReadSlips() {
    const char* path = getenv("VESTREL_SLIPS");
    std::ifstream table(path ? path : "");
    std::vector<Slip> slips;
    int number = 0;
    for (std::string line; std::getline(table, line);) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        const size_t tab = line.find('\t'), end = line.find('\t', tab + 1);
        if (tab == std::string::npos) continue;
        slips.push_back({Wide(line.substr(0, tab)), Wide(line.substr(tab + 1, end - tab - 1)), line, number});
    }
    return slips;
}

// Each row of the table is a test of its own, named by its line number
// and its letters, so that one can be run alone and a bad one hides none.
class Slips : public ::testing::TestWithParam<Slip> {};

TEST(Suggester, TheTableOfSlipsIsFound) {
    EXPECT_GE(ReadSlips().size(), 30u) << "the table was not found in VESTREL_SLIPS";
}

TEST_P(Slips, GetTheIntendedWordFirst) {
    const Slip& slip = GetParam();
    SCOPED_TRACE(slip.line);
    const std::vector<std::wstring> words = vestrel::engine::Suggest(TheLexicon(), slip.typed);
    ASSERT_FALSE(words.empty());
    if (slip.meant[0] == L'~') {
        const auto five = words.begin() + static_cast<std::ptrdiff_t>(std::min<size_t>(words.size(), 5));
        EXPECT_NE(std::find(words.begin(), five, slip.meant.substr(1)), five) << "not among the first five";
    } else {
        EXPECT_EQ(words[0], slip.meant);
    }
    EXPECT_EQ(vestrel::engine::Suggest(TheLexicon(), slip.typed), words) << "the same word, the same list";
}

INSTANTIATE_TEST_SUITE_P(Spanish, Slips, ::testing::ValuesIn(ReadSlips()),
                         [](const ::testing::TestParamInfo<Slip>& row) {
                             std::string name = "line" + std::to_string(row.param.number) + "_";
                             for (const wchar_t c : row.param.typed) name += c < 0x80 && std::isalnum(c) ? static_cast<char>(c) : '_';
                             return name;
                         });

}  // namespace
