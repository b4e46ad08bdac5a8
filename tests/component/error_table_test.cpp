// The guide's table of the errors a host can receive, held to the DLL: each
// row is read from docs/guide.md and brought about as a host brings it
// about, and the call must fail with the row's HRESULT, its Basic error
// number, and the description the row quotes (with "Vestrel" as source), or
// with no error information where the row says there is none.
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <thread>
#include "checker_fixture.h"

namespace {

struct Row {
    std::wstring number;                // the Basic error, or empty
    std::vector<HRESULT> results;       // the HRESULTs the row lists
    std::wstring description;           // what the host reads, or empty for none
    std::string line;                   // as written, for the messages
};

std::wstring Wide(const std::string& text) {
    std::wstring wide(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0)), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()));
    return wide;
}

std::string Trim(const std::string& text) {
    const size_t first = text.find_first_not_of(' ');
    return first == std::string::npos ? "" : text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The rows of the table under "## Errors a host can receive": | number |
// `HRESULT`, ... | when | "description" or (none) |.
std::vector<Row> GuideRows() {
    const char* path = getenv("VESTREL_GUIDE");
    std::ifstream guide(path ? path : "");
    std::vector<Row> rows;
    bool inSection = false;
    for (std::string line; std::getline(guide, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("## ", 0) == 0) inSection = line == "## Errors a host can receive";
        if (!inSection || line.rfind("| ", 0) != 0 || line.find("HRESULT") != std::string::npos ||
            line.rfind("|---", 0) == 0)
            continue;
        std::vector<std::string> cells;
        std::stringstream split(line.substr(1));
        for (std::string cell; std::getline(split, cell, '|');) cells.push_back(Trim(cell));
        if (cells.size() < 4) continue;
        Row row{Wide(cells[0]), {}, {}, line};
        for (size_t at = cells[1].find("`0x"); at != std::string::npos; at = cells[1].find("`0x", at + 1))
            row.results.push_back(static_cast<HRESULT>(std::stoul(cells[1].substr(at + 1, 10), nullptr, 16)));
        const std::string& said = cells[3];
        if (said.size() >= 2 && said.front() == '"' && said.back() == '"')
            row.description = Wide(said.substr(1, said.size() - 2));
        rows.push_back(row);
    }
    return rows;
}

class ErrorTable : public Checker {
protected:
    // The call that brings a row about, by the first HRESULT the row lists.
    using Trigger = std::function<CallResult()>;
    std::map<HRESULT, Trigger> Triggers() {
        return {
            {0x800A005B, [this] { return Call(spelling_.Get(), L"Unload"); }},
            {0x800A000D, [] { return Put(NewObject(CLSID_txtTWord).Get(), L"Top", Str(L"arriba")); }},
            {0x800A0006, [] { return Put(NewObject(CLSID_txtTWord).Get(), L"MaxLength", Double(1e10)); }},
            {0x800A017C, [] { return Put(NewObject(CLSID_txtTWord).Get(), L"Width", Int(-5)); }},
            {0x800A0005, [this] {
                 CallResult box = Call(spelling_.Get(), L"SendToForm");
                 VARIANT hidden;
                 hidden.vt = VT_BOOL;
                 hidden.boolVal = VARIANT_FALSE;
                 Put(box.Object(), L"Visible", hidden);
                 return Call(box.Object(), L"SetFocus");
             }},
            {0x80020006, [] { return Put(NewObject(CLSID_txtTWord).Get(), L"Topp", Int(1)); }},
            {0x80020003, [this] {
                 CallResult box = Call(spelling_.Get(), L"SendToForm");
                 return Put(box.Object(), L"hWnd", Int(0));
             }},
            {0x8002000E, [this] { return Call(spelling_.Get(), L"Show", {Int(1), Int(2), Int(3)}); }},
            {0x80010108, [this] {
                 SetWord(L"ortografia");
                 Check();
                 return Call(spelling_.Get(), L"Unload");
             }},
            {0x80040154, [this] { return CheckWithEngine(L"word"); }},
            {0x80070057, [this] { return CheckWithEngine(L"otro"); }},
            {0x80070005, [this] {
                 // Another window holds the clipboard open.
                 HWND holder = CreateWindowW(L"STATIC", L"", 0, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
                 OpenClipboard(holder);
                 SetWord(L"hola");
                 CallResult result = Call(spelling_.Get(), L"Change");
                 CloseClipboard();
                 DestroyWindow(holder);
                 return result;
             }},
            {0x80070002, [] { return CheckBesideLexicon(false); }},
            {0x80004005, [] { return CheckBesideLexicon(true); }},
            {0x8001010E, [this] {
                 CallResult result;
                 std::thread([&] {
                     CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
                     result = Call(spelling_.Get(), L"Show");
                     CoUninitialize();
                 }).join();
                 return result;
             }},
        };
    }
    // Rows no call of a test brings about, and why.
    const std::map<HRESULT, const char*> kUntriggered{
        {0x8007000E, "no test can make the system run out of memory at a chosen call"},
        {0x800700A1, "no folder the system refuses as a path can hold the test's copy of the DLL"},
    };

    // A check by a copy of this program beside a copy of the DLL whose
    // lexicon is missing or damaged (one process cannot load a second copy
    // of the DLL: both would own the same window class). The child writes
    // what its check returned; the folder in the text becomes FOLDER.
    static CallResult CheckBesideLexicon(bool damaged) {
        wchar_t temp[MAX_PATH], self[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const std::wstring here = std::wstring(self).substr(0, std::wstring(self).find_last_of(L'\\') + 1);
        const std::wstring folder = std::wstring(temp) + L"vestrel-error-table\\";
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const wchar_t* file : {L"error_table_test.exe", L"vestrel.dll", L"es_ES.aff", L"es_ES.dic"})
            CopyFileW((here + file).c_str(), (folder + file).c_str(), FALSE);
        DeleteFileW((folder + L"es_ES.vlx").c_str());
        if (damaged) {
            HANDLE lexicon = CreateFileW((folder + L"es_ES.vlx").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written = 0;
            WriteFile(lexicon, "VLX?", 4, &written, nullptr);
            CloseHandle(lexicon);
        }
        const std::wstring result = folder + L"result.txt";
        DeleteFileW(result.c_str());
        SetEnvironmentVariableW(L"VESTREL_ERROR_CHILD", result.c_str());
        std::wstring command = L"\"" + folder + L"error_table_test.exe\" --gtest_filter=ErrorTable.ChildCheck";
        STARTUPINFOW start{};
        start.cb = sizeof(start);
        PROCESS_INFORMATION child{};
        if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &child)) {
            WaitForSingleObject(child.hProcess, 120000);
            CloseHandle(child.hThread);
            CloseHandle(child.hProcess);
        }
        SetEnvironmentVariableW(L"VESTREL_ERROR_CHILD", nullptr);
        // hr, source and description, a line each, in UTF-16.
        CallResult seen;
        std::ifstream in(std::filesystem::path(result), std::ios::binary);
        const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        const std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data()), bytes.size() / sizeof(wchar_t));
        std::wstringstream lines(text);
        std::wstring hr;
        std::getline(lines, hr);
        std::getline(lines, seen.source);
        std::getline(lines, seen.description);
        seen.hr = hr.empty() ? E_UNEXPECTED : static_cast<HRESULT>(std::stoul(hr, nullptr, 16));
        for (size_t at = seen.description.find(folder); at != std::wstring::npos; at = seen.description.find(folder))
            seen.description.replace(at, folder.size(), L"FOLDER\\");
        return seen;
    }

    CallResult CheckWithEngine(const wchar_t* engine) {
        SetEnvironmentVariableW(L"VESTREL_ENGINE", engine);
        SetWord(L"ortografia");
        CallResult result = Call(spelling_.Get(), L"Spelling");
        SetEnvironmentVariableW(L"VESTREL_ENGINE", Engine());
        return result;
    }
};

TEST_F(ErrorTable, EveryRowIsWhatAHostReceives) {
    const std::vector<Row> rows = GuideRows();
    ASSERT_GE(rows.size(), 10u) << "the table was not found in VESTREL_GUIDE";
    auto triggers = Triggers();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.line);
        // Each HRESULT of the row, brought about by its own call.
        for (const HRESULT listed : row.results) {
            if (kUntriggered.count(listed)) continue;
            if (!triggers.count(listed)) {
                ADD_FAILURE() << "no call brings 0x" << std::hex << static_cast<unsigned long>(listed) << " about";
                continue;
            }
            CloseForms();
            spelling_ = NewSpelling();
            const CallResult result = triggers[listed]();
            EXPECT_EQ(static_cast<unsigned long>(result.hr), static_cast<unsigned long>(listed));
            if ((static_cast<unsigned long>(listed) & 0xFFFF0000u) == 0x800A0000u) {
                EXPECT_EQ(row.number, std::to_wstring(listed & 0xFFFF)) << "the Basic error is the HRESULT's low word";
            }
            // The quoted text is the first example's; every one carries the
            // component's error information, or none.
            if (listed == row.results.front()) {
                EXPECT_EQ(result.description, row.description);
            }
            EXPECT_EQ(result.description.empty(), row.description.empty());
            EXPECT_EQ(result.source, row.description.empty() ? L"" : L"Vestrel");
            triggers.erase(listed);
        }
    }
    for (const auto& [hr, trigger] : triggers)
        ADD_FAILURE() << "0x" << std::hex << static_cast<unsigned long>(hr) << " is not in the guide's table";
}

// The check of the child CheckBesideLexicon starts, beside its own copy of
// the DLL: nothing when run as a test of its own.
TEST_F(ErrorTable, ChildCheck) {
    const char* result = getenv("VESTREL_ERROR_CHILD");
    if (!result) GTEST_SKIP() << "run by CheckBesideLexicon only";
    SetWord(L"ortografia");
    const CallResult check = Call(spelling_.Get(), L"Spelling");
    wchar_t hr[16];
    swprintf(hr, 16, L"%08lx", static_cast<unsigned long>(check.hr));
    const std::wstring lines = std::wstring(hr) + L"\n" + check.source + L"\n" + check.description + L"\n";
    std::ofstream out(std::filesystem::path(result), std::ios::binary);
    out.write(reinterpret_cast<const char*>(lines.data()), static_cast<std::streamsize>(lines.size() * sizeof(wchar_t)));
}

}  // namespace
