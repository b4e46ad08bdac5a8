#include "forms/request_log.h"
#include <windows.h>
#include <cstdio>
#include "com/errors.h"
#include "com/utf8.h"

namespace vestrel::forms {

bool Recorded(const wchar_t* variable, const std::wstring& request) {
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

}  // namespace vestrel::forms
