// Lexicon files of any content (truncated, wrong counts, edges pointing
// anywhere, cycles): each is refused as damaged or, once taken, every check
// and every suggestion walks inside it.
#include <cstdint>
#include <string>
#include <string_view>
#include "engine/lexicon.h"
#include "engine/suggester.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    try {
        const vestrel::engine::Lexicon lexicon(bytes);
        for (const wchar_t* word : {L"de", L"casa", L"Casa", L"CASA", L"cancion", L"jugadory", L"xq", L"a"}) {
            lexicon.Check(word);
            vestrel::engine::Suggest(lexicon, word);
        }
    } catch (const vestrel::engine::Lexicon::Damaged&) {
    }
    return 0;
}
