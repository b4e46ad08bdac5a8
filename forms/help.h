// Opens a help file as Windows' help call does: a WinHelp file (.hlp) with
// WinHelp and the command given, an HTML Help file (.chm) at its index for
// the keyword command, any other file with the shell's default handler.
#pragma once
#include <windows.h>
#include <string>

namespace vestrel::forms::help {

// The keyword command: the file's keyword search, no keyword given.
constexpr int kKeywordCommand = 0x0101;

// An empty path or a file that is not there is told to the user in a
// message box; a viewer that fails raises its error.
void Show(HWND owner, const std::wstring& file, int command);

}  // namespace vestrel::forms::help
