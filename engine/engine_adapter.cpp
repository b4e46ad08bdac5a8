#include "engine/engine_adapter.h"
#include "com/errors.h"
#include "com/late_bound.h"

namespace vestrel::engine_adapter {
namespace {

using Microsoft::WRL::ComPtr;

// Every call here goes to the spelling engine, and says so when it fails.
const late_bound::Callee& Engine() {
    static const late_bound::Callee engine(L"el motor ortográfico");
    return engine;
}

std::vector<Variant> Omitted(size_t count) {
    std::vector<Variant> args;
    for (size_t i = 0; i < count; ++i) args.push_back(Variant::Missing());
    return args;
}

// The word followed by count omitted optionals.
std::vector<Variant> WordAndOmitted(const std::wstring& word, size_t count) {
    std::vector<Variant> args;
    args.push_back(Variant::String(word));
    for (size_t i = 0; i < count; ++i) args.push_back(Variant::Missing());
    return args;
}

// An engine's answer to the member name, as a number or as text; an answer
// of another kind is the engine's fault, told with the member's name.
long LongAnswer(const Variant& value, const wchar_t* name) {
    Variant converted;
    if (FAILED(Convert(value.get(), VT_I4, converted)))
        throw ComError(DISP_E_TYPEMISMATCH, L"El motor ortográfico devolvió un valor no numérico en " + std::wstring(name) + L".");
    return converted.get().lVal;
}

std::wstring TextAnswer(const Variant& value, const wchar_t* name) {
    Variant converted;
    if (FAILED(Convert(value.get(), VT_BSTR, converted)))
        throw ComError(DISP_E_TYPEMISMATCH, L"El motor ortográfico devolvió un valor que no es texto en " + std::wstring(name) + L".");
    return FromBstr(converted.get().bstrVal);
}

}  // namespace

long DocumentCount(IDispatch* engine) {
    Variant documents = Engine().Get(engine, L"Documents");
    return LongAnswer(Engine().Get(Engine().ObjectOf(documents, L"Documents"), L"Count"), L"Documents.Count");
}

void AddDocument(IDispatch* engine) {
    Variant documents = Engine().Get(engine, L"Documents");
    Engine().Call(Engine().ObjectOf(documents, L"Documents"), L"Add", DISPATCH_METHOD, Omitted(4));
}

bool CheckSpelling(IDispatch* engine, const std::wstring& word) {
    return LongAnswer(Engine().Call(engine, L"CheckSpelling", DISPATCH_METHOD, WordAndOmitted(word, 12)), L"CheckSpelling") != 0;
}

std::vector<std::wstring> Suggestions(IDispatch* engine, const std::wstring& word) {
    Variant found = Engine().Call(engine, L"GetSpellingSuggestions", DISPATCH_METHOD, WordAndOmitted(word, 13));
    IDispatch* collection = Engine().ObjectOf(found, L"GetSpellingSuggestions");
    std::vector<std::wstring> words;
    if (LongAnswer(Engine().Get(collection, L"Count"), L"Count") == 0) return words;
    for (const Variant& item : Engine().Enumerate(collection))
        words.push_back(TextAnswer(Engine().Get(Engine().ObjectOf(item, L"Item"), L"Name"), L"Name"));
    return words;
}

void Quit(IDispatch* engine) { Engine().Call(engine, L"Quit", DISPATCH_METHOD, Omitted(3)); }

}  // namespace vestrel::engine_adapter
