#include "forms/request_log.h"

namespace vestrel::forms {
namespace {

Recorder installed = nullptr;

}  // namespace

void SetRecorder(Recorder recorder) noexcept { installed = recorder; }

bool Recorded(Request kind, const std::wstring& request) { return installed && installed(kind, request); }

}  // namespace vestrel::forms
