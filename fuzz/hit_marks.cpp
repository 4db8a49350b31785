// Hit marking over arbitrary texts and requests: the spans lie inside the
// text, ascend without overlapping, and the inserted marks sit exactly where
// the spans say, the rest of the text unchanged.
#include <cstdint>
#include <cstring>
#include <string>

#include "books/hit_marks.h"

namespace {

void Check(const std::string& text, const HIT_SPAN* spans, int n, int capacity)
{
    const int len = static_cast<int>(text.size());
    for (int i = 0; i < n; ++i) {
        if (spans[i].start < 0 || spans[i].end > len || spans[i].end <= spans[i].start) __builtin_trap();
        if (i > 0 && spans[i].start < spans[i - 1].end) __builtin_trap();
    }
    std::string buf(static_cast<std::size_t>(capacity), '\0');
    std::memcpy(buf.data(), text.c_str(), std::min<std::size_t>(text.size() + 1, buf.size()));
    buf[buf.size() - 1] = '\0';
    const std::string before = buf.c_str();
    const int inserted = HIT_InsertMarks(buf.data(), capacity, capacity - 1, spans, n);
    const std::string after = buf.c_str();
    if (after.size() != before.size() + 6 * static_cast<std::size_t>(inserted)) __builtin_trap();
    if (after.size() >= static_cast<std::size_t>(capacity)) __builtin_trap();
    // Taking the marks out again gives the text back.
    std::string back;
    std::size_t from = 0;
    for (int i = 0; i < inserted; ++i) {
        const std::size_t s = static_cast<std::size_t>(spans[i].start) + 6 * static_cast<std::size_t>(i);
        const std::size_t e = static_cast<std::size_t>(spans[i].end) + 6 * static_cast<std::size_t>(i) + 3;
        if (after.compare(s, 3, "|SS") != 0 || after.compare(e, 3, "|Ss") != 0) __builtin_trap();
        back += after.substr(from, s - from);
        back += after.substr(s + 3, e - s - 3);
        from = e + 3;
    }
    back += after.substr(from);
    if (back != before) __builtin_trap();
}

int AcceptOdd(void*, const char* value, int length)
{
    return length > 0 && (value[0] & 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) return 0;
    // Byte 0: options; byte 1: pattern length; then the pattern, then the text.
    const uint8_t options = data[0];
    std::size_t plen = data[1] % 24;
    if (plen > size - 2) plen = size - 2;
    std::string pattern(reinterpret_cast<const char*>(data + 2), plen);
    pattern = pattern.c_str();
    std::string text(reinterpret_cast<const char*>(data + 2 + plen), size - 2 - plen);
    text = text.c_str();

    char sub[10][64] = {};
    int subs = 0;
    std::size_t at = 0;
    while (at < pattern.size() && subs < 10) {
        std::size_t end = pattern.find(' ', at);
        if (end == std::string::npos) end = pattern.size();
        if (end > at) std::memcpy(sub[subs++], pattern.data() + at, std::min<std::size_t>(end - at, 63));
        at = end + 1;
    }
    HIT_TEXT_REQUEST r{options % 3, (options >> 2) & 1, (options >> 3) & 1, (options >> 4) % 3, pattern.c_str(),
                       subs, sub};
    static const int kMasks[] = {0, -1, -2, -3, -4};
    HIT_SPAN spans[HIT_MARKS_MAX];
    const int mask = kMasks[(options >> 6) % 5];
    const int n = HIT_CollectTextSpans(text.c_str(), r, mask, (options >> 5) & 1, spans);
    const int capacity = static_cast<int>(text.size()) + 1 + (options & 0x80 ? 6 * 4 : 6 * HIT_MARKS_MAX);
    Check(text, spans, n, capacity);
    const int t = HIT_CollectTagSpans(text.c_str(), (options & 1) ? 'G' : 'R', AcceptOdd, nullptr, spans);
    Check(text, spans, t, capacity);
    return 0;
}
