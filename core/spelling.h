// The Spelling object: the host's way into the checker window.
#pragma once
#include "dispatch.h"
#include "pending.h"
#include "vestrel_h.h"

namespace vestrel {

// C++ gives a class's own name to its constructor, and _Spelling has a
// method called Spelling, so the class that implements it is SpellingObject.
class SpellingObject final : public Dispatch<_Spelling> {
public:
    STDMETHODIMP get_mLib(IDispatch**) noexcept override { return NotBuilt(L"mLib"); }
    STDMETHODIMP putref_mLib(IDispatch*) noexcept override { return NotBuilt(L"mLib"); }
    STDMETHODIMP Show(short*) noexcept override { return NotBuilt(L"Show"); }
    STDMETHODIMP SendToForm(IDispatch**) noexcept override { return NotBuilt(L"SendToForm"); }
    VESTREL_PENDING_PROPERTY(VARIANT, DeleteText)
    VESTREL_PENDING_METHOD(Spelling)
    VESTREL_PENDING_PROPERTY(VARIANT_BOOL, Visible)
    VESTREL_PENDING_METHOD(Unload)
    VESTREL_PENDING_METHOD(Change)
    VESTREL_PENDING_METHOD(About)
};

}  // namespace vestrel
