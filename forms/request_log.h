// Requests that would leave the process (the shell, the help display) or
// wait for a person (a message box). The component makes every one of them.
// The recording build the tests load (the same layers with
// tests/recording/request_log.cpp) installs a recorder as it loads, which
// may write a request to a file instead.
#pragma once
#include <string>

namespace vestrel::forms {

enum class Request { Message, Shell };

// A step that writes a request somewhere instead of its being made, and says
// whether it did.
using Recorder = bool (*)(Request kind, const std::wstring& request);
// Installs the recorder: the recording build does, once, as it loads.
void SetRecorder(Recorder recorder) noexcept;

// Whether the request was recorded instead of made: never, in the component,
// which has no recorder.
bool Recorded(Request kind, const std::wstring& request);

}  // namespace vestrel::forms
