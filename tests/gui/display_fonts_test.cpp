// The Hebrew and Greek display fonts are there after start-up, draw every
// code of their tables, and are what a rich-text view selects by name.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "app/win/main_window.h"
#include "harness.h"
#include "resource.h"
#include "text/display_codes.h"
#include "text/win/display_fonts.h"

using gui::FrameTest;

namespace {

struct ScopedFont {
    HDC dc;
    HFONT font;
    HGDIOBJ old;
    ScopedFont(HDC d, const char* face, int height) : dc(d)
    {
        font = CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH, face);
        old = SelectObject(dc, font);
    }
    ~ScopedFont()
    {
        SelectObject(dc, old);
        DeleteObject(font);
    }
    ScopedFont(const ScopedFont&) = delete;
    ScopedFont& operator=(const ScopedFont&) = delete;
};

struct ScreenDC {
    HDC dc = GetDC(nullptr);
    ~ScreenDC() { ReleaseDC(nullptr, dc); }
};

int ScriptOf(const char* face) { return face[0] == 'G' ? SV_SCRIPT_GREEK : SV_SCRIPT_HEBREW; }

// Display codes of a Unicode text; Hebrew reversed into display order.
std::string Display(int script, const char* utf8)
{
    std::string codes;
    UnicodeToDisplay(script, DecodeUtf8(utf8), codes);
    if (script == SV_SCRIPT_HEBREW) codes.assign(codes.rbegin(), codes.rend());
    return codes;
}

std::string RtfEscape(const std::string& codes)
{
    std::string out;
    for (unsigned char c : codes) {
        if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c >= 0x80) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\'%02x", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

struct StreamSource {
    std::string text;
    size_t offset = 0;
};

DWORD CALLBACK StreamIn(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb)
{
    auto* src = reinterpret_cast<StreamSource*>(cookie);
    size_t n = std::min(static_cast<size_t>(cb), src->text.size() - src->offset);
    std::memcpy(buffer, src->text.data() + src->offset, n);
    src->offset += n;
    *pcb = static_cast<LONG>(n);
    return 0;
}

void StreamRtf(HWND edit, const std::string& rtf)
{
    StreamSource src{rtf, 0};
    EDITSTREAM es = {};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&src);
    es.pfnCallback = StreamIn;
    SendMessageA(edit, EM_STREAMIN, SF_RTF, reinterpret_cast<LPARAM>(&es));
}

std::string FaceAt(HWND edit, int from, int to)
{
    CHARRANGE cr{from, to};
    SendMessageA(edit, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&cr));
    CHARFORMATA cf = {};
    cf.cbSize = sizeof cf;
    SendMessageA(edit, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf.szFaceName;
}

const char kHebrewVerse[] =
    "בְּרֵאשִׁית בָּרָא אֱלֹהִים אֵת הַשָּׁמַיִם וְאֵת הָאָרֶץ׃";
const char kHebrewVerse2[] =
    "יְהוָה רֹעִי לֹא אֶחְסָר׃ לְךָ מֶלֶךְ שׂוּמָה כֹּה־אָמַר";
const char kGreekVerse[] =
    "Ἐν ἀρχῇ ἦν ὁ λόγος, καὶ ὁ λόγος ἦν πρὸς τὸν θεόν, καὶ θεὸς ἦν ὁ λόγος.";
const char kGreekVerse2[] =
    "Ἰησοῦς Χριστὸς υἱὸς θεοῦ· ᾠδὴ τῷ Ὑψίστῳ; οὐ δι’ αὐτοῦ Ἅιδης";

}  // namespace

TEST_F(FrameTest, DisplayFontFacesAreAvailableAfterStartUp)
{
    for (const char* face : kDisplayFontFaces) {
        EXPECT_EQ(DisplayFontAvailable(face), 1) << face;
        ScreenDC screen;
        ScopedFont f(screen.dc, face, 24);
        char got[LF_FACESIZE] = {};
        GetTextFaceA(screen.dc, sizeof got, got);
        EXPECT_STREQ(got, face) << "GDI substituted another font";
    }
    EXPECT_EQ(LoadDisplayFonts(), kDisplayFontCount) << "loading again changes nothing";
}

// Every code has its own glyph; marks have no advance and lie over the
// neighbour the text order puts them on.
TEST_F(FrameTest, DisplayFontsDrawEveryCodeWithMarksOfZeroWidth)
{
    for (const char* face : kDisplayFontFaces) {
        const int script = ScriptOf(face);
        int n = 0;
        const DISPLAY_CODE* table = DisplayCodeTable(script, &n);
        ScreenDC screen;
        ScopedFont f(screen.dc, face, 24);
        std::set<WORD> glyphs;
        int letters = 0;
        for (int i = 0; i < n; ++i) {
            const DISPLAY_CODE& e = table[i];
            char ch = static_cast<char>(e.code);
            WORD glyph = 0;
            ASSERT_EQ(GetGlyphIndicesA(screen.dc, &ch, 1, &glyph, GGI_MARK_NONEXISTING_GLYPHS), 1u);
            EXPECT_NE(glyph, 0xFFFF) << face << " code " << int(e.code);
            if (e.kind != DK_ALIAS) {
                EXPECT_TRUE(glyphs.insert(glyph).second) << face << " code " << int(e.code);
            }
            ABC abc = {};
            ASSERT_TRUE(GetCharABCWidthsA(screen.dc, e.code, e.code, &abc));
            const int advance = abc.abcA + static_cast<int>(abc.abcB) + abc.abcC;
            if (e.kind == DK_MARK || e.kind == DK_ALIAS) {
                EXPECT_EQ(advance, 0) << face << " mark " << e.name;
                if (script == SV_SCRIPT_HEBREW) {
                    EXPECT_GE(abc.abcA, -1) << face << " " << e.name << " lies right of its origin";
                } else {
                    EXPECT_LE(abc.abcA + static_cast<int>(abc.abcB), 1) << face << " " << e.name << " lies left of its origin";
                }
            } else {
                EXPECT_GT(advance, 0) << face << " " << e.name;
            }
            if (e.kind == DK_LETTER) ++letters;
        }
        EXPECT_GT(letters, 40) << face;
        // A letter is not drawn with a Latin glyph: bet and Latin A differ in shape.
        if (script == SV_SCRIPT_HEBREW) {
            SIZE bet{}, shin{};
            GetTextExtentPoint32A(screen.dc, "A", 1, &bet);
            GetTextExtentPoint32A(screen.dc, "I", 1, &shin);
            EXPECT_GT(bet.cx, shin.cx * 3 / 2) << face << ": bet is wide, yod narrow";
        }
    }
}

TEST_F(FrameTest, RichEditSelectsTheDisplayFontsByName)
{
    HWND edit = CreateWindowExA(0, "RichEdit", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 0, 0, 500, 200,
                                frame(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    std::string greek = RtfEscape(Display(SV_SCRIPT_GREEK, kGreekVerse));
    std::string hebrew = RtfEscape(Display(SV_SCRIPT_HEBREW, kHebrewVerse));
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil MS Sans Serif;}"
                      "{\\f11\\fnil\\fcharset0 GreekUniversal;}{\\f12\\fnil\\fcharset0 HebrewUniversal;}"
                      "{\\f13\\fnil\\fcharset0 HebrewUniversalS;}}"
                      "\\pard\\plain\\f11\\fs27 " + greek + "\\par\\pard\\qr\\plain\\f12\\fs36 " + hebrew +
                      "\\par\\pard\\qr\\plain\\f13\\fs36 " + hebrew + "\\par}";
    StreamRtf(edit, rtf);
    // paragraphs end with CR LF in the control's text
    const std::string text = gui::WindowText(edit);
    const int greek_start = 0;
    const int hebrew_start = static_cast<int>(text.find('\n') + 1);
    const int hebrew_s_start = static_cast<int>(text.find('\n', static_cast<size_t>(hebrew_start)) + 1);
    ASSERT_GT(hebrew_start, 0);
    EXPECT_EQ(FaceAt(edit, greek_start, greek_start + 5), "GreekUniversal");
    EXPECT_EQ(FaceAt(edit, hebrew_start, hebrew_start + 5), "HebrewUniversal");
    EXPECT_EQ(FaceAt(edit, hebrew_s_start, hebrew_s_start + 5), "HebrewUniversalS");
    DestroyWindow(edit);
}

namespace {

// Saves the window's picture as a 24-bit BMP file.
bool SaveWindowBitmap(HWND hwnd, const std::string& path)
{
    RECT rc;
    GetClientRect(hwnd, &rc);
    const int w = rc.right, h = rc.bottom;
    HDC wdc = GetDC(hwnd);
    HDC mem = CreateCompatibleDC(wdc);
    BITMAPINFO bi = {};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = w;
    bi.bmiHeader.biHeight = h;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(wdc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(mem, bmp);
    BitBlt(mem, 0, 0, w, h, wdc, 0, 0, SRCCOPY);
    GdiFlush();
    const int stride = (w * 3 + 3) & ~3;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;
    fh.bfOffBits = sizeof fh + sizeof bi.bmiHeader;
    fh.bfSize = fh.bfOffBits + static_cast<DWORD>(stride * h);
    bool ok = false;
    if (FILE* f = std::fopen(path.c_str(), "wb")) {
        ok = std::fwrite(&fh, sizeof fh, 1, f) == 1 && std::fwrite(&bi.bmiHeader, sizeof bi.bmiHeader, 1, f) == 1 &&
             std::fwrite(bits, static_cast<size_t>(stride * h), 1, f) == 1;
        ok = std::fclose(f) == 0 && ok;
    }
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(hwnd, wdc);
    return ok;
}

std::string ExeFolder()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string dir = path;
    return dir.substr(0, dir.find_last_of("\\/") + 1);
}

}  // namespace

// A pointed Hebrew verse and an accented Greek verse at the program's default
// sizes, saved as screenshots\display-fonts.bmp next to the test program.
TEST_F(FrameTest, DisplayFontSampleScreenshot)
{
    HWND popup = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 1000, 420, nullptr,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(popup, nullptr);
    HWND edit = CreateWindowExA(0, "RichEdit", "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY, 0, 0, 1000,
                                420, popup, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    std::string rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil MS Sans Serif;}{\\f3\\fnil\\fcharset0 Arial;}"
                      "{\\f11\\fnil\\fcharset0 GreekUniversal;}{\\f12\\fnil\\fcharset0 HebrewUniversal;}"
                      "{\\f13\\fnil\\fcharset0 HebrewUniversalS;}}";
    for (const char* verse : {kHebrewVerse, kHebrewVerse2}) {
        for (int f : {12, 13})
            rtf += "\\pard\\qr\\plain\\f" + std::to_string(f) + "\\fs36 " +
                   RtfEscape(Display(SV_SCRIPT_HEBREW, verse)) + "\\par ";
    }
    for (const char* verse : {kGreekVerse, kGreekVerse2})
        rtf += "\\pard\\ql\\plain\\f3\\fs21 John 1:1 \\plain\\f11\\fs27 " + RtfEscape(Display(SV_SCRIPT_GREEK, verse)) +
               "\\par ";
    rtf += "}";
    StreamRtf(edit, rtf);
    UpdateWindow(popup);
    gui::PumpUntilIdle(100, 2000);
    CreateDirectoryA((ExeFolder() + "screenshots").c_str(), nullptr);
    EXPECT_TRUE(SaveWindowBitmap(edit, ExeFolder() + "screenshots\\display-fonts.bmp"));
    DestroyWindow(popup);
}

// The character-table pictures are in the resources, 6 x 7 cells of 18 pixels,
// and every letter cell holds ink.
TEST_F(FrameTest, CharacterTableBitmapsHaveTheGridSize)
{
    for (int id : {IDB_TABLE_HEBREW, IDB_TABLE_GREEK}) {
        HBITMAP bmp = static_cast<HBITMAP>(
            LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bmp, nullptr) << id;
        BITMAP info = {};
        GetObjectA(bmp, sizeof info, &info);
        EXPECT_EQ(info.bmWidth, 108);
        EXPECT_EQ(info.bmHeight, 126);
        HDC mem = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(mem, bmp);
        for (int cell = 0; cell < 24; ++cell) {
            const int x0 = (cell % 6) * 18, y0 = (cell / 6) * 18;
            int dark = 0;
            for (int y = y0 + 2; y < y0 + 17; ++y)
                for (int x = x0 + 2; x < x0 + 17; ++x) dark += GetGValue(GetPixel(mem, x, y)) < 100;
            EXPECT_GT(dark, 5) << id << " cell " << cell;
        }
        SelectObject(mem, old);
        DeleteDC(mem);
        DeleteObject(bmp);
    }
}
