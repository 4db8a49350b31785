// DecodeMorphologyGR over arbitrary codes of up to 32 characters (as the
// callers cut them), in every coding system and both modes, into buffers of
// several sizes: the output is always ended and inside its buffer.
#include <cstdint>
#include <cstring>
#include <string>

#include "app/records.h"
#include "books/rtf_tags.h"
#include "text/morphology.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static bool ready = [] {
        ResetGlobalRecords();
        BK_SetRTFTagDefaults();
        BK_BuildRTFTags();
        return true;
    }();
    (void)ready;
    if (size < 1) return 0;
    std::string code(reinterpret_cast<const char*>(data + 1), size - 1);
    code = code.c_str();
    if (code.size() > 32) code.resize(32);
    const int sizes[3] = {4096, 64, 1 + data[0] % 16};
    for (int type = 0; type <= 4; ++type)
        for (int mode = 0; mode <= 1; ++mode)
            for (int cap : sizes) {
                std::string out(static_cast<std::size_t>(cap) + 8, '\x7f');
                int n = DecodeMorphologyGR(type, mode, code.c_str(), out.data(), cap);
                if (n < 0 || n >= cap || out[static_cast<std::size_t>(n)] != '\0') __builtin_trap();
                if (std::strlen(out.c_str()) != static_cast<std::size_t>(n)) __builtin_trap();
                for (int k = cap; k < cap + 8; ++k)
                    if (out[static_cast<std::size_t>(k)] != '\x7f') __builtin_trap();
            }
    return 0;
}
