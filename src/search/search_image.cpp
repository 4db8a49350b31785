#include "search/search_image.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "app/file_io.h"
#include "app/records.h"
#include "books/sbk_reader.h"
#include "search/book_search.h"
#include "search/lex_search.h"
#include "search/strong_tags.h"

namespace {

SEARCH_IMAGE* g_images[MAX_DATAFILES];


// A comma-terminated number of 1 to 8 digits at data[*at], as the record
// reader reads it; -1 otherwise.
int32_t ReadNumber(const unsigned char* data, int64_t size, int64_t* at)
{
    int32_t value = 0;
    for (int i = 0; i < 9; ++i) {
        if (*at >= size) return -1;
        const int c = data[(*at)++];
        if (c == ',') return i == 0 ? -1 : value;
        if (c < '0' || c > '9' || i == 8) return -1;
        value = value * 10 + (c - '0');
    }
    return -1;
}

bool IsMarker(const unsigned char* d, int64_t i, int64_t size)
{
    return i + 2 < size && d[i] == '|' && d[i + 1] == 'S' && d[i + 2] == '0';
}

// Reads the record table and the plain texts. The image is only made when
// every "|S0" of the file starts a record that parses, the records follow
// each other without a gap and the last one ends inside the file: then the
// first record at or after any offset is the one the record reader finds.
SEARCH_IMAGE* MakeImage(SvFile* file)
{
    const int64_t size = SvFileSize(file);
    if (size <= 0 || size > INT32_MAX) return nullptr;
    auto image = std::make_unique<SEARCH_IMAGE>();
    auto raw = std::make_unique<SEARCH_PREPARED>();
    raw->tagged = raw->fold_vowels = raw->lower = 0;
    try {
        // The file is read into the buffer of the plain texts, which are then
        // moved to its front one after the other, each ended by a NUL: a text
        // and its NUL are always shorter than its record, so the texts never
        // overtake the records still to be read.
        raw->bytes.resize(static_cast<std::size_t>(size));
        unsigned char* d = reinterpret_cast<unsigned char*>(raw->bytes.data());
        if (SvSeek(file, 0) != 0 || SvRead(file, d, static_cast<std::size_t>(size)) != static_cast<std::size_t>(size))
            return nullptr;
        std::size_t written = 0;
        int64_t at = 0;
        while (at < size && !IsMarker(d, at, size)) ++at;
        int64_t expected = -1;  // where the next record must start
        while (at < size) {
            if (!IsMarker(d, at, size)) {
                // Bytes after the last record: acceptable when no marker
                // follows among them.
                for (int64_t i = at; i < size; ++i)
                    if (d[i] == '|' && IsMarker(d, i, size)) return nullptr;
                break;
            }
            if (expected >= 0 && at != expected) return nullptr;
            int64_t p = at + 4;
            if (p > size) return nullptr;
            int32_t n[4];
            for (int32_t& v : n)
                if ((v = ReadNumber(d, size, &p)) < 0) return nullptr;
            int32_t length = n[3];
            int32_t delka = length > BOOK_RECORD_BUFFER ? BOOK_RECORD_BUFFER : length;
            if (p + delka > size) return nullptr;
            const int64_t text = p;
            const int64_t end = text + length;
            if (end > size) return nullptr;
            // No record marker may stand inside the header or the text.
            for (int64_t i = at + 1; i < end;) {
                const void* bar = std::memchr(d + i, '|', static_cast<std::size_t>(end - i));
                if (!bar) break;
                i = static_cast<const unsigned char*>(bar) - d;
                if (IsMarker(d, i, size)) return nullptr;
                ++i;
            }
            const int32_t kept = delka < BOOK_RECORD_BUFFER ? delka : BOOK_RECORD_BUFFER - 1;
            const void* nul = std::memchr(d + text, 0, static_cast<std::size_t>(kept));
            const int32_t plain = nul ? static_cast<int32_t>(static_cast<const unsigned char*>(nul) - (d + text)) : kept;
            image->records.push_back(SEARCH_IMAGE_RECORD{static_cast<int32_t>(at), delka});
            raw->start.push_back(static_cast<int32_t>(written));
            std::memmove(d + written, d + text, static_cast<std::size_t>(plain));
            written += static_cast<std::size_t>(plain);
            d[written++] = '\0';
            expected = end;
            at = end;
        }
        raw->start.push_back(static_cast<int32_t>(written));
        raw->bytes.resize(written);
        image->prepared.push_back(std::move(raw));
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
    image->file = file;
    image->size = size;
    return image.release();
}

} // namespace

const uint32_t* SEARCH_PREPARED::Frequency() const
{
    if (!counted) {
        // Four tables, so that runs of one byte do not wait on each other.
        uint32_t part[4][256] = {};
        const std::size_t n = bytes.size();
        const unsigned char* b = reinterpret_cast<const unsigned char*>(bytes.data());
        std::size_t i = 0;
        for (; i + 4 <= n; i += 4) {
            ++part[0][b[i]];
            ++part[1][b[i + 1]];
            ++part[2][b[i + 2]];
            ++part[3][b[i + 3]];
        }
        for (; i < n; ++i) ++part[0][b[i]];
        for (int c = 0; c < 256; ++c) frequency[c] = part[0][c] + part[1][c] + part[2][c] + part[3][c];
        counted = true;
    }
    return frequency;
}

std::size_t SEARCH_IMAGE::Bytes() const
{
    std::size_t n = sizeof *this + records.capacity() * sizeof(SEARCH_IMAGE_RECORD);
    for (const auto& p : prepared)
        if (p) n += sizeof *p + p->bytes.capacity() + p->start.capacity() * sizeof(int32_t);
    for (const auto& t : tags) n += t.capacity() * sizeof(SEARCH_TAG);
    return n;
}

SEARCH_IMAGE* SEARCH_GetModuleImage(int dw)
{
    SvFile* file = BK_WindowFile(dw);
    if (!file) return nullptr;
    const int id_file = datawindow[dw].id_file;
    SEARCH_IMAGE*& slot = g_images[id_file];
    if (slot && (slot->file != file || slot->size != SvFileSize(file))) {
        delete slot;
        slot = nullptr;
    }
    if (!slot) slot = MakeImage(file);
    return slot;
}

const SEARCH_PREPARED* SEARCH_GetPrepared(SEARCH_IMAGE* image, int tagged, int fold_vowels, int lower)
{
    if (!image || image->prepared.empty()) return nullptr;
    tagged = tagged ? 1 : 0;
    fold_vowels = fold_vowels ? 1 : 0;
    lower = lower ? 1 : 0;
    for (const auto& p : image->prepared)
        if (p->tagged == tagged && p->fold_vowels == fold_vowels && p->lower == lower) return p.get();
    const SEARCH_PREPARED& raw = *image->prepared[0];
    try {
        auto made = std::make_unique<SEARCH_PREPARED>();
        made->tagged = tagged;
        made->fold_vowels = fold_vowels;
        made->lower = lower;
        made->bytes = raw.bytes;
        made->start = raw.start;
        // Each text is prepared where it stands; vowel folding shortens it,
        // the rest of its place is left as NUL bytes.
        const std::size_t n = image->records.size();
        for (std::size_t i = 0; i < n; ++i) {
            char* text = made->bytes.data() + made->start[i];
            SEARCH_PrepareText(text, tagged, fold_vowels, lower);
            char* end = made->bytes.data() + made->start[i + 1];
            char* kept = text + std::strlen(text);
            std::memset(kept, 0, static_cast<std::size_t>(end - kept));
        }
        image->prepared.push_back(std::move(made));
        return image->prepared.back().get();
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

const std::vector<SEARCH_TAG>* SEARCH_GetTags(SEARCH_IMAGE* image, char letter)
{
    if (!image || image->prepared.empty()) return nullptr;
    const int k = letter == 'H' ? 0 : (letter == 'G' ? 1 : 2);
    if (image->tags_made[k]) return &image->tags[k];
    const SEARCH_PREPARED& raw = *image->prepared[0];
    std::vector<SEARCH_TAG>& out = image->tags[k];
    try {
        const int32_t n = static_cast<int32_t>(image->records.size());
        for (int32_t i = 0; i < n; ++i) {
            const char* text = raw.bytes.data() + raw.start[i];
            SEARCH_WalkTags(text, letter, [&](int32_t at, const char* value, int length) {
                const int32_t v = static_cast<int32_t>(value - text);
                out.push_back(SEARCH_TAG{i, at, v, length, SEARCH_TagNumber(value, length)});
            });
        }
    } catch (const std::bad_alloc&) {
        out.clear();
        return nullptr;
    }
    image->tags_made[k] = true;
    return &out;
}

std::size_t SEARCH_FirstRecordAt(const SEARCH_IMAGE& image, int64_t offset)
{
    auto it = std::lower_bound(image.records.begin(), image.records.end(), offset,
                               [](const SEARCH_IMAGE_RECORD& r, int64_t o) { return r.offset < o; });
    return static_cast<std::size_t>(it - image.records.begin());
}

void SEARCH_DropModuleImage(int id_file)
{
    if (id_file < 0 || id_file >= MAX_DATAFILES) return;
    SEARCH_DropLexiconImage(id_file);
    delete g_images[id_file];
    g_images[id_file] = nullptr;
}

void SEARCH_DropAllModuleImages()
{
    for (int i = 0; i < MAX_DATAFILES; ++i) SEARCH_DropLexiconImage(i);
    for (SEARCH_IMAGE*& image : g_images) {
        delete image;
        image = nullptr;
    }
}

std::size_t SEARCH_ModuleImageBytes(int id_file)
{
    if (id_file < 0 || id_file >= MAX_DATAFILES || !g_images[id_file]) return 0;
    return g_images[id_file]->Bytes();
}
