// Calls on automation objects by member name, as a script host makes them.
#pragma once
#include <oaidl.h>
#include <vector>
#include "com/variant.h"

namespace vestrel::late_bound {

// Calls member name with args (in the order the member declares them). A
// failure is thrown as a ComError carrying the callee's own description.
Variant Call(IDispatch* object, const wchar_t* name, WORD kind, std::vector<Variant> args = {});
// The same by dispatch identifier; name only labels a failure.
Variant CallId(IDispatch* object, DISPID id, const wchar_t* name, WORD kind, std::vector<Variant> args = {});
// Sets the property id to value.
inline void PutId(IDispatch* object, DISPID id, const wchar_t* name, Variant value) {
    std::vector<Variant> args;
    args.push_back(std::move(value));
    CallId(object, id, name, DISPATCH_PROPERTYPUT, std::move(args));
}
inline Variant Get(IDispatch* object, const wchar_t* name) { return Call(object, name, DISPATCH_PROPERTYGET); }
// The items of a collection, in its enumeration order (For Each). A
// collection that yields more than limit items is refused: one that never
// ends would otherwise hold the host's thread for ever.
std::vector<Variant> Enumerate(IDispatch* collection, size_t limit = 32767);
// The IDispatch held by a result; throws when the result is no object.
IDispatch* ObjectOf(const Variant& value, const wchar_t* name);

}  // namespace vestrel::late_bound
