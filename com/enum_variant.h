// IEnumVARIANT over a fixed list of objects: what For Each walks.
#pragma once
#include <oaidl.h>
#include <vector>
#include <wrl/client.h>
#include "com/com_object.h"

namespace vestrel {

class EnumVariant final : public ComObject<IEnumVARIANT> {
public:
    explicit EnumVariant(std::vector<Microsoft::WRL::ComPtr<IDispatch>> items, size_t position = 0)
        : items_(std::move(items)), position_(position) {}

    STDMETHODIMP Next(ULONG count, VARIANT* out, ULONG* fetched) noexcept override {
        if (!out || (count > 1 && !fetched)) return E_POINTER;
        ULONG done = 0;
        for (; done < count && position_ < items_.size(); ++done, ++position_) {
            VariantInit(&out[done]);
            out[done].vt = VT_DISPATCH;
            items_[position_].CopyTo(&out[done].pdispVal);
        }
        if (fetched) *fetched = done;
        return done == count ? S_OK : S_FALSE;
    }
    STDMETHODIMP Skip(ULONG count) noexcept override {
        const size_t left = items_.size() - position_;
        position_ += count < left ? count : left;
        return count <= left ? S_OK : S_FALSE;
    }
    STDMETHODIMP Reset() noexcept override {
        position_ = 0;
        return S_OK;
    }
    STDMETHODIMP Clone(IEnumVARIANT** copy) noexcept override {
        if (!copy) return E_POINTER;
        *copy = nullptr;
        return Boundary([&] { *copy = MakeObject<EnumVariant>(items_, position_).Detach(); });
    }

private:
    std::vector<Microsoft::WRL::ComPtr<IDispatch>> items_;
    size_t position_;
};

}  // namespace vestrel
