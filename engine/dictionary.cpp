#include "dictionary.h"
#include <windows.h>
#include <hunspell.hxx>
#include <algorithm>
#include "spanish_rules.h"
#include "core/errors.h"
#include "core/utf8.h"
#include "core/module.h"

namespace vestrel::engine {
namespace {

constexpr wchar_t kBaseName[] = L"es_ES";

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

void RequireReadable(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        throw ComError(HRESULT_FROM_WIN32(error), L"No se puede leer el diccionario de español " + path +
                                                      L". Reinstale Vestrel con sus archivos de diccionario.");
    }
    CloseHandle(file);
}

std::mutex loadMutex;
// Kept once loaded, so that each check's new engine object does not load it
// again; a pointer, so no static destructor runs under the loader lock.
std::shared_ptr<Dictionary>* kept = nullptr;

}  // namespace

Dictionary::Dictionary(const std::wstring& folder) {
    const std::wstring aff = folder + kBaseName + L".aff", dic = folder + kBaseName + L".dic";
    RequireReadable(aff);
    RequireReadable(dic);
    hunspell_ = std::make_unique<Hunspell>(AnsiPath(aff).c_str(), AnsiPath(dic).c_str());
    // Hunspell says nothing of a file it could not parse; a dictionary that
    // does not know the commonest Spanish word did not load.
    if (!hunspell_->spell(std::string("de")))
        throw ComError(E_FAIL, L"El diccionario de español " + dic + L" está dañado o no se pudo leer.");
    files_ = {aff, dic};
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
    std::lock_guard<std::mutex> lock(mutex_);
    return hunspell_->spell(Utf8(word));
}

std::vector<std::wstring> Dictionary::Suggest(const std::wstring& word) {
    std::vector<std::wstring> result;
    if (word.empty() || word.find(L'\0') != std::wstring::npos) return result;
    std::lock_guard<std::mutex> lock(mutex_);
    // The Spanish corrections the dictionary knows come first, then
    // Hunspell's own, without repeats.
    for (const std::wstring& candidate : SpanishCandidates(word))
        if (hunspell_->spell(Utf8(candidate))) result.push_back(candidate);
    for (const std::string& suggestion : hunspell_->suggest(Utf8(word))) {
        std::wstring wide = Wide(suggestion);
        if (std::find(result.begin(), result.end(), wide) == result.end()) result.push_back(std::move(wide));
    }
    return result;
}

}  // namespace vestrel::engine
