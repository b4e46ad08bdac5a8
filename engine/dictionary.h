// The Spanish dictionary of the built-in engine, loaded once per process on
// first use and shared by every engine object: the lexicon of every form
// (es_ES.vlx) answers checks and gives suggestions; Hunspell with the es_ES
// files, loaded only when first needed, judges what the lexicon does not
// hold (numbers, abbreviations, hyphenated words, letters beyond Latin-1).
#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <vector>
#include "engine/lexicon.h"

class Hunspell;

namespace vestrel::engine {

class Dictionary {
public:
    // The process's dictionary, loading it the first time. Throws a
    // ComError naming the file when it is missing or unreadable.
    static std::shared_ptr<Dictionary> Shared();
    // Lets the dictionary go with the last engine object that uses it; called
    // when the DLL may be unloaded.
    static void Drop() noexcept;

    ~Dictionary();
    bool Check(const std::wstring& word);
    std::vector<std::wstring> Suggest(const std::wstring& word);
    // Full paths of the files the dictionary was loaded from.
    const std::vector<std::wstring>& Files() const noexcept { return files_; }

private:
    explicit Dictionary(const std::wstring& folder);
    Hunspell& Fallback();
    Lexicon lexicon_;
    std::unique_ptr<Hunspell> hunspell_;
    std::vector<std::wstring> files_;
    std::mutex mutex_;  // Hunspell keeps scratch state between calls
};

}  // namespace vestrel::engine
