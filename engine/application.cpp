#include "engine/application.h"
#include "com/variant.h"
#include "engine/collection.h"
#include "engine/documents.h"
#include "engine/item.h"

namespace vestrel::engine {
STDMETHODIMP Application::get_Documents(IEngineDocuments** documents) noexcept {
    if (!documents) return E_POINTER;
    *documents = nullptr;
    return Boundary([&] {
        state_->RequireRunning();
        *documents = MakeObject<Documents>(state_).Detach();
    });
}

STDMETHODIMP Application::CheckSpelling(BSTR word, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                                        VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT_BOOL* correct) noexcept {
    if (!correct) return E_POINTER;
    return Boundary([&] { *correct = Bool(state_->Words().Check(FromBstr(word))); });
}

STDMETHODIMP Application::GetSpellingSuggestions(BSTR word, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                                                 VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT, VARIANT,
                                                 IEngineCollection** suggestions) noexcept {
    if (!suggestions) return E_POINTER;
    *suggestions = nullptr;
    return Boundary([&] {
        std::vector<Microsoft::WRL::ComPtr<IEngineItem>> items;
        for (std::wstring& suggestion : state_->Words().Suggest(FromBstr(word)))
            items.push_back(MakeObject<Item>(state_, std::move(suggestion)));
        *suggestions = MakeObject<Collection>(state_, std::move(items)).Detach();
    });
}

STDMETHODIMP Application::get_CustomDictionaries(IEngineCollection** dictionaries) noexcept {
    if (!dictionaries) return E_POINTER;
    *dictionaries = nullptr;
    return Boundary([&] {
        std::vector<Microsoft::WRL::ComPtr<IEngineItem>> items;
        for (const std::wstring& file : state_->Words().Files()) {
            const size_t slash = file.find_last_of(L"\\/");
            items.push_back(MakeObject<Item>(state_, file.substr(slash + 1), file.substr(0, slash)));
        }
        *dictionaries = MakeObject<Collection>(state_, std::move(items)).Detach();
    });
}

STDMETHODIMP Application::Quit(VARIANT, VARIANT, VARIANT) noexcept {
    return Boundary([&] {
        state_->RequireRunning();
        state_->quit = true;
        state_->documents = 0;
    });
}

}  // namespace vestrel::engine

// The built-in engine for the project's command-line speller, which must
// answer with exactly the object a check creates.
extern "C" HRESULT STDAPICALLTYPE VestrelCreateBuiltinEngine(IDispatch** engine) noexcept {
    if (!engine) return E_POINTER;
    *engine = nullptr;
    return vestrel::Boundary([&] { *engine = vestrel::MakeObject<vestrel::engine::Application>().Detach(); });
}
