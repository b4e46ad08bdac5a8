// A collection of engine items: the suggestions for a word, or the
// dictionaries. Count, Item(1 ... Count) and For Each.
#pragma once
#include <memory>
#include <vector>
#include "com/dispatch.h"
#include "engine/engine_state.h"
#include "internal_h.h"

namespace vestrel::engine {

class Collection final : public Dispatch<IEngineCollection> {
public:
    Collection(std::shared_ptr<EngineState> state, std::vector<Microsoft::WRL::ComPtr<IEngineItem>> items)
        : state_(std::move(state)), items_(std::move(items)) {}

    STDMETHODIMP get_Count(long* value) noexcept override;
    STDMETHODIMP Item(long index, IEngineItem** item) noexcept override;
    STDMETHODIMP get__NewEnum(IUnknown** items) noexcept override;

private:
    std::shared_ptr<EngineState> state_;
    std::vector<Microsoft::WRL::ComPtr<IEngineItem>> items_;
};

}  // namespace vestrel::engine
