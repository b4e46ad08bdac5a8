#include "appearance/lst_suggestions.h"

namespace vestrel {

using namespace appearance;

STDMETHODIMP LstSuggestions::put_Appearance(lstAppeareance v) noexcept {
    return WriteStyle(appearance_, v, {{0, [](Window& w) { Control(w).SetAppearance(0); }},
                                       {1, [](Window& w) { Control(w).SetAppearance(1); }}});
}

// The text of the selected entry; writing it selects the entry that reads so.
STDMETHODIMP LstSuggestions::get_Text(VARIANT* v) noexcept {
    return ReadVariant(v, [](Window& w) { return Variant::String(Control(w).Text()); });
}
STDMETHODIMP LstSuggestions::put_Text(VARIANT v) noexcept {
    return Write([&](Window& w) { Control(w).SetText(ToText(v)); });
}

// Entry 0, whatever is selected, replaces the word box's text in one step:
// any failure leaves the box as it was, and the call succeeds all the same.
STDMETHODIMP LstSuggestions::Send() noexcept {
    Microsoft::WRL::ComPtr<_lst_Suggestions> keep(this);
    if (const HRESULT hr = OnOwnThread(); FAILED(hr)) return hr;
    try {
        CheckerWindow& window = CheckerInstance::Get();
        const std::wstring first = window.lstSuggestions.List(0);
        window.txtWord.SetText(first);
    } catch (...) {
    }
    SetErrorInfo(0, nullptr);
    return S_OK;
}

}  // namespace vestrel
