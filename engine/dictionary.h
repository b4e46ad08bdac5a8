// The Spanish dictionary of the built-in engine: Hunspell with the
// es_ES files deployed beside the DLL, loaded once per process on first use
// and shared by every engine object.
#pragma once
#include <memory>
#include <mutex>
#include <string>
#include <vector>

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
    std::unique_ptr<Hunspell> hunspell_;
    std::vector<std::wstring> files_;
    std::mutex mutex_;  // Hunspell keeps scratch state between calls
};

}  // namespace vestrel::engine
