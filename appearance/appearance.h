// What every appearance object shares: each accessor holds a reference on
// its object for the call, reaches the checker window of the calling thread
// (loading it, hidden, when there is none), and moves one value between the
// host and a control. Variant properties convert as the automation runtime
// does, with the user's locale; stored styles live in the object and are
// applied through a table, one write per let at most.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "core/dispatch.h"
#include "core/variant.h"
#include "window/checker_window.h"

namespace vestrel::appearance {

// Conversions of a host's variant to a control property's own type; Null,
// objects and what does not convert fail with the runtime's error.
std::wstring ToText(const VARIANT& value);
float ToSingle(const VARIANT& value);
long ToLong(const VARIANT& value);

Variant Single(float value) noexcept;
Variant Long(long value) noexcept;

// One row of a stored style's table: the stored value that selects it and
// the write it makes to the window.
struct StyleRow {
    long value;
    std::function<void(CheckerWindow&)> write;
};

// The alignment rows, tested in the order 0, 2, 1: the enumerations count
// left, centre, right; the controls left, right, centre.
std::vector<StyleRow> AlignmentRows(const std::function<void(CheckerWindow&, forms::Alignment)>& apply);

template <typename Interface>
class Object : public Dispatch<Interface> {
protected:
    using Window = CheckerWindow;

    // A pass-through get: read sees the window, loaded when needed.
    template <typename T, typename Reader>
    HRESULT Read(T* value, Reader read) noexcept {
        if (!value) return E_POINTER;
        Microsoft::WRL::ComPtr<Interface> keep(this);
        return Boundary([&] { *value = read(CheckerInstance::Get()); });
    }
    // A pass-through variant get: the value goes out wrapped in a variant.
    template <typename Reader>
    HRESULT ReadVariant(VARIANT* value, Reader read) noexcept {
        if (!value) return E_POINTER;
        VariantInit(value);
        Microsoft::WRL::ComPtr<Interface> keep(this);
        return Boundary([&] { Variant(read(CheckerInstance::Get())).Detach(value); });
    }
    // A pass-through let: the window first, then write converts and writes,
    // so a conversion that fails has still loaded the window.
    template <typename Writer>
    HRESULT Write(Writer write) noexcept {
        Microsoft::WRL::ComPtr<Interface> keep(this);
        return Boundary([&] { write(CheckerInstance::Get()); });
    }
    // A stored-style let: the value is kept, then the row it selects is
    // written; a value outside the table writes nothing and loads nothing.
    HRESULT WriteStyle(long& field, long value, const std::vector<StyleRow>& rows) noexcept {
        Microsoft::WRL::ComPtr<Interface> keep(this);
        field = value;
        return Boundary([&] {
            for (const StyleRow& row : rows)
                if (field == row.value) row.write(CheckerInstance::Get());
        });
    }
    template <typename T>
    static HRESULT ReadStyle(long field, T* value) noexcept {
        if (!value) return E_POINTER;
        *value = static_cast<T>(field);
        return S_OK;
    }
};

}  // namespace vestrel::appearance
