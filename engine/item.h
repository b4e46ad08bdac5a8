// One entry of an engine collection: a suggestion (its Name is the word) or
// a dictionary (its Name is the file name, its Path the folder).
#pragma once
#include <memory>
#include "com/dispatch.h"
#include "engine/engine_state.h"
#include "internal_h.h"

namespace vestrel::engine {

class Item final : public Dispatch<IEngineItem> {
public:
    Item(std::shared_ptr<EngineState> state, std::wstring name, std::wstring path = {})
        : state_(std::move(state)), name_(std::move(name)), path_(std::move(path)) {}

    STDMETHODIMP get_Name(BSTR* value) noexcept override { return Text(name_, value); }
    STDMETHODIMP get_Path(BSTR* value) noexcept override { return Text(path_, value); }

private:
    HRESULT Text(const std::wstring& text, BSTR* value) noexcept {
        if (!value) return E_POINTER;
        *value = nullptr;
        return Boundary([&] {
            state_->RequireRunning();
            *value = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            if (!*value) throw std::bad_alloc();
        });
    }
    std::shared_ptr<EngineState> state_;
    std::wstring name_, path_;
};

}  // namespace vestrel::engine
