// The tally of a test program that runs on its own under Wine: each
// expectation counted, each failure printed, and the closing
// "PROGRAM: N passed, N failed" line the test scripts read.
#pragma once
#include <windows.h>
#include <cstdio>
#include <string>

inline int passed = 0, failed = 0;

inline void Expect(bool ok, const std::string& what) {
    if (ok) {
        ++passed;
        return;
    }
    ++failed;
    std::printf("FAILED: %s\n", what.c_str());
}

// The same, with the HRESULT the call gave, for the failure line.
inline void Expect(bool ok, const std::string& what, HRESULT hr) {
    char code[16];
    std::snprintf(code, sizeof code, "0x%08lX", static_cast<unsigned long>(hr));
    Expect(ok, what + " (" + code + ")");
}

inline void Summary(const char* program) { std::printf("%s: %d passed, %d failed\n", program, passed, failed); }
