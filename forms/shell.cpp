#include "forms/shell.h"
#include "forms/request_log.h"
#include <windows.h>
#include <shellapi.h>
#include <cstdio>
#include <vector>
#include "com/errors.h"
#include "com/utf8.h"

namespace vestrel::forms::shell {
namespace {

// The address as a mailto URL: what is not plainly part of an address is
// percent-encoded, so the handler gets one address and nothing else.
std::wstring MailUrl(const std::wstring& address) {
    std::wstring url = L"mailto:";
    for (unsigned char byte : Utf8(address)) {
        if (isalnum(byte) || byte == '@' || byte == '.' || byte == '_' || byte == '-' || byte == '+') {
            url += static_cast<wchar_t>(byte);
        } else {
            wchar_t escaped[4];
            swprintf(escaped, 4, L"%%%02X", byte);
            url += escaped;
        }
    }
    return url;
}

}  // namespace

void OpenMail(const std::wstring& address) {
    const std::wstring url = MailUrl(address);
    if (Recorded(Request::Shell, L"mail|" + url)) return;
    const INT_PTR result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", url.c_str(), nullptr, nullptr, SW_SHOWMINIMIZED));
    if (result <= 32)
        throw ComError(HRESULT_FROM_WIN32(result == SE_ERR_NOASSOC ? ERROR_NO_ASSOCIATION : ERROR_FILE_NOT_FOUND),
                       L"No se pudo abrir un mensaje nuevo para " + address + L": no hay ningún programa de correo.");
}

}  // namespace vestrel::forms::shell
