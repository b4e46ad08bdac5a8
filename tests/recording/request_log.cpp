// The recording build's recorder: with VESTREL_MESSAGE_LOG (message boxes,
// answered as if OK were pressed) or VESTREL_SHELL_LOG (shell and help
// requests) set to a file, a request is appended to it as a UTF-8 line
// instead of being made. A source of the recording build only, which
// installs it as the DLL loads; the component has no recorder.
#include "forms/request_log.h"
#include <windows.h>
#include <cstdio>
#include "com/errors.h"
#include "com/utf8.h"

namespace vestrel::forms {
namespace {

bool WriteToLog(Request kind, const std::wstring& request) {
    const wchar_t* variable = kind == Request::Message ? L"VESTREL_MESSAGE_LOG" : L"VESTREL_SHELL_LOG";
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(variable, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return false;
    FILE* log = _wfopen(path, L"ab");
    if (!log) throw ComError(HRESULT_FROM_WIN32(ERROR_OPEN_FAILED), L"No se pudo escribir el registro de peticiones.");
    const std::string line = Utf8(request) + "\n";
    fwrite(line.data(), 1, line.size(), log);
    fclose(log);
    return true;
}

// Installed before any request can be made: the DLL's own objects are
// made as it loads.
const bool installed = (SetRecorder(&WriteToLog), true);

}  // namespace
}  // namespace vestrel::forms
