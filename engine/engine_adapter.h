// The spelling engine as the checker uses it: the word processor's
// automation server when it is registered, otherwise the built-in Spanish
// engine, both called late-bound by name so the check is one path.
// VESTREL_ENGINE=word or VESTREL_ENGINE=builtin forces one of them.
#pragma once
#include <oaidl.h>
#include <string>
#include <vector>
#include <wrl/client.h>

namespace vestrel::engine_adapter {

// A new engine application object. Throws when it cannot be created.
Microsoft::WRL::ComPtr<IDispatch> Create();
// The engine step of every close: a new engine held in holder for the
// call, told to quit at once, then let go. Nothing is let go on a failure.
void CreateAndQuit(Microsoft::WRL::ComPtr<IDispatch>& holder);

long DocumentCount(IDispatch* engine);
// Adds a document (all optionals omitted) and lets the returned one go.
void AddDocument(IDispatch* engine);
bool CheckSpelling(IDispatch* engine, const std::wstring& word);
// The suggestions in the engine's order; none when its count is 0.
std::vector<std::wstring> Suggestions(IDispatch* engine, const std::wstring& word);
void Quit(IDispatch* engine);

}  // namespace vestrel::engine_adapter
