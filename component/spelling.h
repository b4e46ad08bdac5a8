// The Spelling object: the host's way into the checker window. It owns no
// window; every member reaches the checker window of the calling thread.
#pragma once
#include <wrl/client.h>
#include "com/dispatch.h"
#include "vestrel_h.h"

namespace vestrel {

// C++ gives a class's own name to its constructor, and _Spelling has a
// method called Spelling, so the class that implements it is SpellingObject.
class SpellingObject final : public Dispatch<_Spelling> {
public:
    STDMETHODIMP get_mLib(IDispatch** value) noexcept override;
    STDMETHODIMP putref_mLib(IDispatch* value) noexcept override;
    STDMETHODIMP Show(short* mMode) noexcept override;
    STDMETHODIMP SendToForm(IDispatch** control) noexcept override;
    STDMETHODIMP get_DeleteText(VARIANT* value) noexcept override;
    STDMETHODIMP put_DeleteText(VARIANT value) noexcept override;
    STDMETHODIMP Spelling() noexcept override;
    STDMETHODIMP get_Visible(VARIANT_BOOL* value) noexcept override;
    STDMETHODIMP put_Visible(VARIANT_BOOL value) noexcept override;
    STDMETHODIMP Unload() noexcept override;
    STDMETHODIMP Change() noexcept override;
    STDMETHODIMP About() noexcept override;

    // Show never reads its argument, so a script's call reaches it whatever
    // it passes (VBScript passes variants, not a short by reference).
    STDMETHODIMP Invoke(DISPID id, REFIID riid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                        EXCEPINFO* exception, UINT* argError) noexcept override;

private:
    void Check();
    void QuitHeldEngine();
    Microsoft::WRL::ComPtr<IDispatch> mLib;
};

}  // namespace vestrel
