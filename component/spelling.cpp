#include "component/spelling.h"
#include "appearance/word_box.h"
#include "com/variant.h"
#include "engine/engine_adapter.h"
#include "forms/clipboard.h"
#include "window/about_window.h"
#include "window/check.h"
#include "window/checker_window.h"

namespace vestrel {
namespace {

CheckerWindow& Checker() { return CheckerInstance::Get(); }

}  // namespace

STDMETHODIMP SpellingObject::get_mLib(IDispatch** value) noexcept {
    if (!value) return E_POINTER;
    *value = nullptr;
    return Guarded([&] { mLib.CopyTo(value); });
}

STDMETHODIMP SpellingObject::putref_mLib(IDispatch* value) noexcept {
    return Guarded([&] { mLib = value; });
}

STDMETHODIMP SpellingObject::Show(short*) noexcept {
    return Guarded([] { Checker().Show(); });
}

STDMETHODIMP SpellingObject::Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params,
                                    VARIANT* result, EXCEPINFO* exception, UINT* argError) noexcept {
    if (id == DISPID_SPELLING_SHOW && riid == IID_NULL && (flags & DISPATCH_METHOD)) {
        if (params && (params->cArgs > 1 || params->cNamedArgs > 0)) return DISP_E_BADPARAMCOUNT;
        if (result) VariantInit(result);
        const HRESULT hr = Show(nullptr);
        if (FAILED(hr)) return AsException(hr, exception);
        return hr;
    }
    return Dispatch<_Spelling>::Invoke(id, riid, lcid, flags, params, result, exception, argError);
}

STDMETHODIMP SpellingObject::SendToForm(IDispatch** control) noexcept {
    if (!control) return E_POINTER;
    *control = nullptr;
    return Guarded([&] { *control = WordBox::OfWindow().Detach(); });
}

STDMETHODIMP SpellingObject::get_DeleteText(VARIANT* value) noexcept {
    if (!value) return E_POINTER;
    VariantInit(value);
    return Guarded([&] { Variant::String(Checker().txtWord.Text()).Detach(value); });
}

// Whatever is assigned, the word box is emptied.
STDMETHODIMP SpellingObject::put_DeleteText(VARIANT) noexcept {
    return Guarded([] { Checker().txtWord.SetText(L""); });
}

STDMETHODIMP SpellingObject::get_Visible(VARIANT_BOOL* value) noexcept {
    if (!value) return E_POINTER;
    return Guarded([&] { *value = Bool(Checker().Visible()); });
}

STDMETHODIMP SpellingObject::put_Visible(VARIANT_BOOL value) noexcept {
    return Guarded([&] {
        if (value) Checker().Show();
        else Checker().Hide();
    });
}

STDMETHODIMP SpellingObject::Unload() noexcept {
    return Guarded([this] { QuitHeldEngine(); });
}

// Tells the engine held in mLib to quit; error 91 when it holds none.
void SpellingObject::QuitHeldEngine() {
    if (!mLib)
        throw ComError(kObjectNotSet, L"Variable de objeto o de bloque With no establecida: "
                                      L"Spelling.mLib no tiene ningún motor ortográfico.");
    engine_adapter::Quit(mLib.Get());
}

STDMETHODIMP SpellingObject::Change() noexcept {
    return Guarded([] { forms::clipboard::ReplaceText(Checker().txtWord.Text()); });
}

STDMETHODIMP SpellingObject::About() noexcept {
    return Guarded([] { AboutInstance::Get().Show(); });
}

STDMETHODIMP SpellingObject::Spelling() noexcept {
    // The message boxes of a check let events run; this object must outlive them.
    Microsoft::WRL::ComPtr<_Spelling> keep(this);
    return Guarded([this] { Check(); });
}

// The check quits the engine it created itself: a host's event that ran
// while its message box was open may have put another engine in mLib, or
// none.
void SpellingObject::Check() {
    AboutInstance::Get().Show();
    if (const Microsoft::WRL::ComPtr<IDispatch> engine = check::Run(mLib, check::Origin::Call))
        engine_adapter::Quit(engine.Get());
}

}  // namespace vestrel
