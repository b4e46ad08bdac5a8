// Which engine a check gets: the word processor's automation server when
// it is registered, otherwise the built-in one; VESTREL_ENGINE forces one.
// Kept apart from the calls, which work on either engine.
#include <cwctype>
#include "com/errors.h"
#include "engine/application.h"
#include "engine/engine_adapter.h"

namespace vestrel::engine_adapter {
namespace {

using Microsoft::WRL::ComPtr;

constexpr wchar_t kWordProgId[] = L"Word.Application";

enum class Choice { Automatic, Word, BuiltIn };

Choice ChoiceFromEnvironment() {
    wchar_t value[32] = {};
    const DWORD length = GetEnvironmentVariableW(L"VESTREL_ENGINE", value, 32);
    if (length == 0) return Choice::Automatic;
    std::wstring text(value, length < 32 ? length : 0);
    for (auto& c : text) c = static_cast<wchar_t>(std::towlower(c));
    if (text == L"word") return Choice::Word;
    if (text == L"builtin") return Choice::BuiltIn;
    throw ComError(E_INVALIDARG, L"La variable de entorno VESTREL_ENGINE solo admite \"word\" o \"builtin\".");
}

ComPtr<IDispatch> CreateWord(const CLSID& clsid) {
    ComPtr<IDispatch> engine;
    const HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_SERVER, IID_PPV_ARGS(&engine));
    if (FAILED(hr))
        throw ComError(hr, std::wstring(L"No se pudo iniciar el motor ortográfico ") + kWordProgId + L" (" +
                               HexCode(hr) + L").");
    return engine;
}

}  // namespace

ComPtr<IDispatch> Create() {
    const Choice choice = ChoiceFromEnvironment();
    if (choice != Choice::BuiltIn) {
        CLSID clsid{};
        if (SUCCEEDED(CLSIDFromProgID(kWordProgId, &clsid))) return CreateWord(clsid);
        if (choice == Choice::Word)
            throw ComError(REGDB_E_CLASSNOTREG,
                           L"VESTREL_ENGINE pide el motor Word.Application, que no está instalado en este equipo.");
    }
    return MakeObject<engine::Application>();
}

void CreateAndQuit(ComPtr<IDispatch>& holder) {
    holder = Create();
    Quit(holder.Get());
    holder.Reset();
}

}  // namespace vestrel::engine_adapter
