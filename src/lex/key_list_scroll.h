// The scroll rules of the keyword lists of lexicon and dictionary windows,
// over any kind of line. A list holds at most n lines (filled of them used);
// each line carries the number it shows in `record`. The source reads lines
// from the module:
//
//   int32_t Valid(int32_t number, int direction)  the nearest number at or
//       after (0) / at or before (1) number that passes the filter, or 0;
//   bool ReadAtOrAfter(int32_t number, const Line* from, Line* out)  the
//       first line with a filtered-in number >= number; from, when not
//       null, is a line the source may read on from;
//   bool ReadBefore(const Line& top, Line* out)  the nearest filtered-in
//       line before top.
//
// Scroll functions return 1 when the list moved and 0 when the window
// should beep.
#pragma once

#include <algorithm>
#include <cstdint>

namespace keylist {

// mode 0: inserts line at index, the following lines move down (the last
// falls off); mode 1: lines 1 .. index move up one place (line 0 falls off)
// and line goes to index; mode 2: overwrites line index.
template <class Line>
void Insert(Line* lines, int n, const Line& line, int index, int mode)
{
    if (!lines || index < 0 || index >= n) return;
    const Line copy = line;
    if (mode == 0) {
        for (int i = n - 1; i > index; --i) lines[i] = lines[i - 1];
    } else if (mode == 1) {
        for (int i = 0; i < index; ++i) lines[i] = lines[i + 1];
    }
    lines[index] = copy;
}

// Fills the list from the first filtered-in number at or after record;
// returns 0 (nothing changed) when there is none. Unused lines of the
// whole array (max_lines) are cleared.
template <class Line, class Source>
int Fill(Line* lines, int* filled, int n, int max_lines, int32_t all, Source& src, int32_t record)
{
    if (!lines || n <= 0) return 0;
    const int32_t start = std::max<int32_t>(record, 1);
    if (src.Valid(start, 0) == 0) return 0;
    int count = 0;
    int32_t next = start;
    const Line* previous = nullptr;
    while (count < n && next <= all) {
        if (!src.ReadAtOrAfter(next, previous, &lines[count])) break;
        previous = &lines[count];
        next = lines[count].record + 1;
        ++count;
    }
    for (int i = count; i < max_lines; ++i) lines[i] = Line{};
    *filled = count;
    return 1;
}

template <class Line, class Source>
int LineDown(Line* lines, int* filled, int n, Source& src)
{
    if (!lines || *filled <= 0 || n <= 0) return 0;
    const Line last = lines[*filled - 1];
    Line line{};
    if (src.ReadAtOrAfter(last.record + 1, &last, &line)) {
        if (*filled >= n) {
            Insert(lines, n, line, n - 1, 1);
        } else {
            lines[*filled] = line;
            ++*filled;
        }
        return 1;
    }
    if (*filled > 1) {
        // Past the end: the list moves up until one line is left.
        Insert(lines, n, Line{}, n - 1, 1);
        --*filled;
        return 1;
    }
    return 0;
}

template <class Line, class Source>
int LineUp(Line* lines, int* filled, int n, Source& src)
{
    if (!lines || *filled <= 0 || n <= 0) return 0;
    Line line{};
    if (!src.ReadBefore(lines[0], &line)) return 0;
    Insert(lines, n, line, 0, 0);
    if (*filled < n) ++*filled;
    return 1;
}

template <class Line, class Source>
int PageDown(Line* lines, int* filled, int n, int max_lines, int32_t all, Source& src)
{
    if (!lines || *filled <= 1) return 0;
    const int32_t from = lines[*filled - 1].record + 1;
    if (from <= all && Fill(lines, filled, n, max_lines, all, src, from) && *filled > 0) return 1;
    // Past the end: the last page starts with the last number.
    const int32_t last = src.Valid(all, 1);
    if (last > 0) Fill(lines, filled, n, max_lines, all, src, last);
    return 0;
}

template <class Line, class Source>
int PageUp(Line* lines, int* filled, int n, int max_lines, int32_t all, Source& src)
{
    if (!lines || *filled <= 0 || n <= 0) return 0;
    if (lines[0].record - 1 > n) {
        int moved = 0;
        for (int i = 0; i < n; ++i) {
            Line line{};
            if (!src.ReadBefore(lines[0], &line)) break;
            Insert(lines, n, line, 0, 0);
            if (*filled < n) ++*filled;
            moved = 1;
        }
        if (moved) return 1;
    }
    Fill(lines, filled, n, max_lines, all, src, 1);
    return 0;
}

template <class Line, class Source>
int Track(Line* lines, int* filled, int n, int max_lines, int32_t all, Source& src, int32_t record)
{
    if (all <= 0) return 0;
    record = std::clamp<int32_t>(record, 1, all);
    if (Fill(lines, filled, n, max_lines, all, src, record)) return 1;
    const int32_t before = src.Valid(record, 1);
    return before > 0 && Fill(lines, filled, n, max_lines, all, src, before) ? 1 : 0;
}

// The list now holds n lines: fewer cut the filled lines, more are filled
// with the lines after the last one.
template <class Line, class Source>
void Resize(Line* lines, int* filled, int n, int max_lines, Source& src)
{
    if (!lines) return;
    if (*filled > n) *filled = n;
    for (int i = *filled; i < max_lines; ++i) lines[i] = Line{};
    while (*filled > 0 && *filled < n) {
        const Line last = lines[*filled - 1];
        Line line{};
        if (!src.ReadAtOrAfter(last.record + 1, &last, &line)) break;
        lines[(*filled)++] = line;
    }
}

} // namespace keylist
