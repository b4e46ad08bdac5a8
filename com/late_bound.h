// Calls on automation objects by member name, as a script host makes them.
#pragma once
#include <oaidl.h>
#include <string>
#include <vector>
#include "com/variant.h"

namespace vestrel::late_bound {

// An automation object the component calls, named for the texts of the
// failures ("el motor ortográfico", "el cuadro de diálogo común"): a
// failure is thrown as a ComError carrying the callee's own description,
// or one that names the callee when it gave none.
class Callee {
public:
    explicit Callee(std::wstring subject) : subject_(std::move(subject)) {}

    // Calls member name with args (in the order the member declares them).
    Variant Call(IDispatch* object, const wchar_t* name, WORD kind, std::vector<Variant> args = {}) const;
    // The same by dispatch identifier; name only labels a failure.
    Variant CallId(IDispatch* object, DISPID id, const wchar_t* name, WORD kind, std::vector<Variant> args = {}) const;
    // Sets the property id to value.
    void PutId(IDispatch* object, DISPID id, const wchar_t* name, Variant value) const;
    Variant Get(IDispatch* object, const wchar_t* name) const { return Call(object, name, DISPATCH_PROPERTYGET); }
    // The items of a collection, in its enumeration order (For Each). A
    // collection that yields more than limit items is refused: one that never
    // ends would otherwise hold the host's thread for ever.
    std::vector<Variant> Enumerate(IDispatch* collection, size_t limit = 32767) const;
    // The IDispatch held by a result; throws when the result is no object.
    IDispatch* ObjectOf(const Variant& value, const wchar_t* name) const;
    // The callee at the start of a sentence: "El motor ortográfico".
    std::wstring Subject() const;

private:
    Variant Invoke(IDispatch* object, DISPID id, const wchar_t* name, WORD kind, const std::vector<Variant>& args) const;
    [[noreturn]] void ThrowCallFailure(HRESULT hr, EXCEPINFO& exception, const wchar_t* name) const;
    std::wstring subject_;
};

}  // namespace vestrel::late_bound
