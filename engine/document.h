// A document added to the built-in engine; it only has a name.
#pragma once
#include <string>
#include "com/dispatch.h"
#include "internal_h.h"

namespace vestrel::engine {

class Document final : public Dispatch<IEngineDocument> {
public:
    explicit Document(long number) : name_(L"Documento" + std::to_wstring(number)) {}

    STDMETHODIMP get_Name(BSTR* value) noexcept override {
        if (!value) return E_POINTER;
        *value = SysAllocString(name_.c_str());
        return *value ? S_OK : E_OUTOFMEMORY;
    }

private:
    std::wstring name_;
};

}  // namespace vestrel::engine
