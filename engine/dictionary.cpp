#include "engine/dictionary.h"
#include <windows.h>
#include <hunspell.hxx>
#include <algorithm>
#include "com/errors.h"
#include "com/module.h"
#include "com/unique_handle.h"
#include "com/utf8.h"
#include "engine/suggester.h"

namespace vestrel::engine {
namespace {

constexpr wchar_t kBaseName[] = L"es_ES";
constexpr wchar_t kLexicon[] = L"es_ES.vlx";

// Hunspell opens its files through the C runtime, which takes paths in the
// ANSI code page. A folder whose name that code page cannot spell is reached
// through its short name.
std::string AnsiPath(const std::wstring& path) {
    auto convert = [](const std::wstring& wide, std::string& out) {
        BOOL lossy = FALSE;
        const int size = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, nullptr, 0, nullptr, &lossy);
        if (size <= 0 || lossy) return false;
        out.assign(static_cast<size_t>(size), '\0');
        WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide.c_str(), -1, out.data(), size, nullptr, &lossy);
        out.resize(static_cast<size_t>(size) - 1);
        return !lossy;
    };
    std::string result;
    if (convert(path, result)) return result;
    std::wstring shortPath(MAX_PATH, L'\0');
    const DWORD length = GetShortPathNameW(path.c_str(), shortPath.data(), MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        shortPath.resize(length);
        if (convert(shortPath, result)) return result;
    }
    throw ComError(HRESULT_FROM_WIN32(ERROR_BAD_PATHNAME),
                   L"No se puede abrir el diccionario desde la carpeta de Vestrel: " + path);
}

// A dictionary file opened for reading; one that cannot be is refused with
// its name and what to do.
UniqueFile OpenDictionaryFile(const std::wstring& path) {
    UniqueFile file(
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        throw ComError(LastError(), L"No se puede leer el diccionario de español " + path +
                                        L". Reinstale Vestrel con sus archivos de diccionario.");
    return file;
}

[[noreturn]] void DamagedFile(const std::wstring& path) {
    throw ComError(E_FAIL, L"El diccionario de español " + path + L" está dañado o no se pudo leer.");
}

// The lexicon file, read whole; a file that is missing or not a lexicon is
// refused with its name.
Lexicon ReadLexicon(const std::wstring& path) {
    const UniqueFile file = OpenDictionaryFile(path);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) > Lexicon::kLargestFile)
        DamagedFile(path);
    std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr) || read != bytes.size())
        DamagedFile(path);
    try {
        return Lexicon(bytes);
    } catch (const Lexicon::Damaged&) {
        DamagedFile(path);
    }
}

std::mutex loadMutex;
// Kept once loaded, so that each check's new engine object does not load it
// again; a pointer, so no static destructor runs under the loader lock.
std::shared_ptr<Dictionary>* kept = nullptr;

}  // namespace

Dictionary::Dictionary(const std::wstring& folder) : lexicon_(ReadLexicon(folder + kLexicon)) {
    const std::wstring aff = folder + kBaseName + L".aff", dic = folder + kBaseName + L".dic";
    OpenDictionaryFile(aff);  // Hunspell reads them later, and says nothing of a file it could not open
    OpenDictionaryFile(dic);
    files_ = {folder + kLexicon, aff, dic};
}

// Loaded on the first word the lexicon cannot judge; the caller holds mutex_.
Hunspell& Dictionary::Fallback() {
    if (hunspell_) return *hunspell_;
    auto hunspell = std::make_unique<Hunspell>(AnsiPath(files_[1]).c_str(), AnsiPath(files_[2]).c_str());
    // Hunspell says nothing of a file it could not parse; a dictionary that
    // does not know the commonest Spanish word did not load.
    if (!hunspell->spell(std::string("de")))
        DamagedFile(files_[2]);
    hunspell_ = std::move(hunspell);
    return *hunspell_;
}

Dictionary::~Dictionary() = default;

std::shared_ptr<Dictionary> Dictionary::Shared() {
    std::lock_guard<std::mutex> lock(loadMutex);
    if (kept) return *kept;
    std::wstring folder = module::Path();
    folder.resize(folder.find_last_of(L"\\/") + 1);
    std::shared_ptr<Dictionary> dictionary(new Dictionary(folder));
    kept = new std::shared_ptr<Dictionary>(dictionary);
    return dictionary;
}

void Dictionary::Drop() noexcept {
    std::lock_guard<std::mutex> lock(loadMutex);
    delete kept;
    kept = nullptr;
}

// A word with a NUL in it is no Spanish word, and Hunspell's C heritage
// would read it as a shorter one.
bool Dictionary::Check(const std::wstring& word) {
    if (word.find(L'\0') != std::wstring::npos) return false;
    const Lexicon::Verdict verdict = lexicon_.Check(word);
    if (verdict != Lexicon::Verdict::Unsure) return verdict == Lexicon::Verdict::Word;
    std::lock_guard<std::mutex> lock(mutex_);
    return Fallback().spell(Utf8(word));
}

std::vector<std::wstring> Dictionary::Suggest(const std::wstring& word) {
    if (word.find(L'\0') != std::wstring::npos) return {};
    return engine::Suggest(lexicon_, word);
}

}  // namespace vestrel::engine
