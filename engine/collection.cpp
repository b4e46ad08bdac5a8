#include "engine/collection.h"
#include "com/enum_variant.h"

namespace vestrel::engine {

STDMETHODIMP Collection::get_Count(long* value) noexcept {
    if (!value) return E_POINTER;
    return Boundary([&] {
        state_->RequireRunning();
        *value = static_cast<long>(items_.size());
    });
}

STDMETHODIMP Collection::Item(long index, IEngineItem** item) noexcept {
    if (!item) return E_POINTER;
    *item = nullptr;
    return Boundary([&] {
        state_->RequireRunning();
        if (index < 1 || static_cast<size_t>(index) > items_.size())
            throw ComError(DISP_E_BADINDEX, L"El índice pedido no existe en la colección.");
        items_[static_cast<size_t>(index) - 1].CopyTo(item);
    });
}

STDMETHODIMP Collection::get__NewEnum(IUnknown** items) noexcept {
    if (!items) return E_POINTER;
    *items = nullptr;
    return Boundary([&] {
        state_->RequireRunning();
        std::vector<Microsoft::WRL::ComPtr<IDispatch>> entries(items_.begin(), items_.end());
        *items = static_cast<IEnumVARIANT*>(MakeObject<EnumVariant>(std::move(entries)).Detach());
    });
}

}  // namespace vestrel::engine
