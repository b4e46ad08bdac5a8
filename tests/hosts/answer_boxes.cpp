// Answers the message boxes of every program in the Wine session, as a user
// would, writing "title|text" for each to a UTF-8 log. Stops when the stop
// file appears or after the given seconds.
//   answer_boxes.exe LOG STOPFILE SECONDS
#include <cstdio>
#include <cwchar>
#include "box_answerer.h"

namespace {

std::string Utf8(const std::wstring& text) {
    char buffer[4096] = {};
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, buffer, sizeof(buffer) - 1, nullptr, nullptr);
    return buffer;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) return 2;
    FILE* log = _wfopen(argv[1], L"wb");
    if (!log) return 1;
    std::mutex writing;
    {
        BoxAnswerer answerer(0, BoxAnswerer::kAnyProcess, [&](const AnsweredBox& box) {
            std::lock_guard<std::mutex> lock(writing);
            std::fprintf(log, "%s|%s\n", Utf8(box.title).c_str(), Utf8(box.text).c_str());
            std::fflush(log);
        });
        const DWORD end = GetTickCount() + static_cast<DWORD>(_wtoi(argv[3])) * 1000;
        while (GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES && static_cast<LONG>(end - GetTickCount()) > 0)
            Sleep(20);
    }
    std::fclose(log);
    return 0;
}
