#include "forms/request_log.h"

namespace vestrel::forms {

bool Recorded(Request, const std::wstring&) { return false; }

}  // namespace vestrel::forms
