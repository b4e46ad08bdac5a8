#include "engine/documents.h"
#include "engine/document.h"

namespace vestrel::engine {

STDMETHODIMP Documents::get_Count(long* value) noexcept {
    if (!value) return E_POINTER;
    return Boundary([&] {
        state_->RequireRunning();
        *value = state_->documents;
    });
}

STDMETHODIMP Documents::Add(VARIANT, VARIANT, VARIANT, VARIANT, IEngineDocument** document) noexcept {
    if (!document) return E_POINTER;
    *document = nullptr;
    return Boundary([&] {
        state_->RequireRunning();
        *document = MakeObject<Document>(state_->documents + 1).Detach();
        ++state_->documents;
    });
}

}  // namespace vestrel::engine
