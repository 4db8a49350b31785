#include "text/win/click_view.h"

#include <richedit.h>

#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "app/codepage.h"
#include "app/lang.h"
#include "app/message.h"
#include "app/records.h"
#include "books/render.h"
#include "books/rtf_tags.h"
#include "books/sbk_reader.h"
#include "books/verse_location.h"
#include "books/win/rich_text.h"
#include "lex/lex_reader.h"
#include "resource.h"
#include "text/copy_text.h"
#include "text/info_text.h"

namespace {

constexpr int kTextBuffer = 128000;
char g_click_text[kTextBuffer];
std::string g_record_text;  // what the last click was matched against

// Character format of [left, right) without a visible change of selection.
CHARFORMATA Probe(HWND view, int left, int right, DWORD mask)
{
    CHARFORMATA cf{};
    cf.cbSize = sizeof cf;
    cf.dwMask = mask;
    CHARRANGE saved{};
    SendMessageA(view, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    SendMessageA(view, EM_HIDESELECTION, TRUE, 0);
    SendMessageA(view, EM_SETSEL, static_cast<WPARAM>(left), static_cast<LPARAM>(right));
    SendMessageA(view, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    SendMessageA(view, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&saved));
    SendMessageA(view, EM_HIDESELECTION, FALSE, 0);
    return cf;
}

int ScriptOfFace(const char* face)
{
    if (std::strcmp(face, "HebrewUniversal") == 0 || std::strcmp(face, "HebrewUniversalS") == 0) return SCRIPT_HEBREW;
    if (std::strcmp(face, "GreekUniversal") == 0) return SCRIPT_GREEK;
    return SCRIPT_LATIN;
}

// The rich-text control answering the questions of click analysis; each
// character is probed once.
class RichEditView : public RICH_VIEW {
public:
    explicit RichEditView(HWND view) : view_(view) {}

    int CharFromPoint(int x, int y) override
    {
        POINTL pt{x, y};
        return static_cast<int>(SendMessageA(view_, EM_CHARFROMPOS, 0, reinterpret_cast<LPARAM>(&pt)));
    }
    bool IsUnderline(int p) override { return Look(p).underline; }
    bool IsLabel(int p) override { return Look(p).label; }
    int ScriptAt(int p) override { return Look(p).script; }

private:
    struct CharLook {
        bool underline;
        bool label;
        int script;
    };
    const CharLook& Look(int p)
    {
        auto it = cache_.find(p);
        if (it != cache_.end()) return it->second;
        const CHARFORMATA cf = Probe(view_, p, p + 1, CFM_UNDERLINE | CFM_COLOR | CFM_FACE);
        CharLook look{};
        look.underline = (cf.dwMask & CFM_UNDERLINE) && (cf.dwEffects & CFE_UNDERLINE);
        if (!(cf.dwMask & CFM_COLOR) || (cf.dwEffects & CFE_AUTOCOLOR))
            look.label = rtftag[RTF_LABEL].color == 0;
        else
            look.label = cf.crTextColor == rtftag[RTF_LABEL].color;
        look.script = ScriptOfFace(cf.szFaceName);
        return cache_[p] = look;
    }

    HWND view_;
    std::map<int, CharLook> cache_;
};

void RecordError(const char* function)
{
    char caption[128];
    LANG_LoadString(nullptr, IDS_SYSTEM_ERROR_CAPTION, caption, sizeof caption);
    ShowMessageBox(nullptr, function, caption, SV_MB_OK | SV_MB_ICONERROR);
}

const char* ReadClickRecord(const RTFCLICK& click)
{
    g_record_text.clear();
    const int w = click.in_id;
    if (w < 0 || w >= status.num_windows) return nullptr;
    const DATAWINDOW& dw = datawindow[w];
    if (dw.type == MODULE_LEXICON) {
        static LXRECORD record;
        record.id_file = dw.id_file;
        record.offset = LX_SearchRecord(w, click.in_lx_record);
        if (record.offset <= 0 || !LX_CtiRecord(&record, 0, 1)) {
            RecordError("LX_CtiRecord");
            return nullptr;
        }
        // The article shows the header items before the body.
        for (const char* item : record.item)
            if (item[0]) {
                g_record_text += std::string(item, strnlen(item, sizeof record.item[0]));
                g_record_text += '\x01';
            }
        g_record_text += std::string(record.buffer, strnlen(record.buffer, sizeof record.buffer));
        return g_record_text.c_str();
    }
    BOOK_POSITION p = click.out_bp;
    p.number = w;
    const int32_t offset = BK_HledejVers(p);
    g_book_record.offset = offset;
    g_book_record.book_position.number = w;
    if (offset <= 0 || !BK_CtiRecord(&g_book_record)) {
        RecordError("BK_CtiRecord");
        return nullptr;
    }
    int len = g_book_record.delka;
    if (len < 0) len = 0;
    if (len > BOOK_RECORD_BUFFER - 1) len = BOOK_RECORD_BUFFER - 1;
    g_record_text.assign(g_book_record.buffer, static_cast<std::size_t>(len));
    return g_record_text.c_str();
}

std::u16string SystemLatin(const std::string& text, int codepage)
{
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(static_cast<UINT>(codepage), 0, text.data(), static_cast<int>(text.size()),
                                      nullptr, 0);
    if (n <= 0) return Cp1252ToUnicode(text, codepage);
    std::u16string out(static_cast<std::size_t>(n), u'\0');
    MultiByteToWideChar(static_cast<UINT>(codepage), 0, text.data(), static_cast<int>(text.size()),
                        reinterpret_cast<wchar_t*>(out.data()), n);
    return out;
}

// Splits [left, right) into runs of one face and character set.
void CollectRuns(HWND view, const std::string& text, int base, int left, int right, std::vector<COPY_RUN>& runs)
{
    if (left >= right) return;
    const CHARFORMATA cf = Probe(view, left, right, CFM_FACE | CFM_CHARSET);
    if (right - left == 1 || ((cf.dwMask & CFM_FACE) && (cf.dwMask & CFM_CHARSET))) {
        COPY_RUN run;
        run.script = ScriptOfFace(cf.szFaceName);
        run.codepage = CodePageOfCharset(cf.bCharSet);
        run.text = text.substr(static_cast<std::size_t>(left - base), static_cast<std::size_t>(right - left));
        if (!runs.empty() && runs.back().script == run.script && runs.back().codepage == run.codepage)
            runs.back().text += run.text;
        else
            runs.push_back(run);
        return;
    }
    const int mid = left + (right - left) / 2;
    CollectRuns(view, text, base, left, mid, runs);
    CollectRuns(view, text, base, mid, right, runs);
}

struct StreamOut {
    std::string data;
};

DWORD CALLBACK StreamOutCallback(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* pcb)
{
    reinterpret_cast<StreamOut*>(cookie)->data.append(reinterpret_cast<const char*>(buffer), static_cast<std::size_t>(cb));
    if (pcb) *pcb = cb;
    return 0;
}

bool PutClipboard(UINT format, const void* data, std::size_t bytes)
{
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!mem) return false;
    void* p = GlobalLock(mem);
    if (!p) {
        GlobalFree(mem);
        return false;
    }
    std::memcpy(p, data, bytes);
    GlobalUnlock(mem);
    if (!SetClipboardData(format, mem)) {
        GlobalFree(mem);
        return false;
    }
    return true;
}

} // namespace

int GetRTFClickInfo(RTFCLICK* click)
{
    if (!click) return 0;
    const int w = click->in_id;
    if (w < 0 || w >= status.num_windows || w >= MAX_DATAWINDOWS || !datawindow[w].hrichedit) return 0;
    RichEditView view(static_cast<HWND>(datawindow[w].hrichedit));
    return AnalyseClick(click, view, ReadClickRecord);
}

int AnalyseViewClick(int id, HWND view, int x, int y)
{
    std::memset(&rtfclick, 0, sizeof rtfclick);
    g_record_text.clear();
    if (id < 0 || id >= status.num_windows || !view) return 0;
    g_click_text[0] = '\0';
    GetWindowTextA(view, g_click_text, kTextBuffer);
    rtfclick.in_id = id;
    rtfclick.in_buf = g_click_text;
    rtfclick.in_size = kTextBuffer;
    rtfclick.in_pointl[0] = x;
    rtfclick.in_pointl[1] = y;
    CHARRANGE sel{};
    SendMessageA(view, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    rtfclick.in_select_l = sel.cpMin;
    rtfclick.in_select_r = sel.cpMax;
    const DATAWINDOW& w = datawindow[id];
    if (w.type == MODULE_LEXICON && w.lx_radek && w.lx_radku_filled > 0) rtfclick.in_lx_record = w.lx_radek[0].record;
    // The view may be another than the window's own (never for now): the
    // analysis always asks the window's view.
    return GetRTFClickInfo(&rtfclick);
}

const char* LastClickRecord()
{
    return g_record_text.c_str();
}

int INFO_ShowClick()
{
    if (status.info_visible != 1 || status.id_info < 0 || status.id_info >= status.num_windows) return 0;
    const char* area = nullptr;
    int length = 0;
    if (rtfclick.flag_tag_area == 1 && rtfclick.out_tag_area_l >= 0 &&
        rtfclick.out_tag_area_l <= static_cast<int>(g_record_text.size())) {
        area = g_record_text.c_str() + rtfclick.out_tag_area_l;
        length = rtfclick.out_tag_area_r;
        const int left = static_cast<int>(g_record_text.size()) - rtfclick.out_tag_area_l;
        if (length > left) length = left;
    }
    INFO_BuildClickText(rtfclick, area, length, bk_rtfdata.buffer, RTFDATA_BUFFER);
    return BK_ZobrazText(status.id_info);
}

int INFO_ShowGematria(const char* text, int length, int language)
{
    if (status.info_visible != 1 || status.id_info < 0 || status.id_info >= status.num_windows) return 0;
    if (status.opt_info_gematria != 1 || !text || length <= 0) return 0;
    if (language != SCRIPT_HEBREW && language != SCRIPT_GREEK) return 0;
    std::string word(text, static_cast<std::size_t>(length));
    RTFCLICK click{};
    click.in_buf = word.data();
    click.in_size = length + 1;
    click.out_language = language;
    click.out_word_l = 0;
    click.out_word_r = length - 1;
    click.flag_word = click.flag_language = 1;
    INFO_BuildClickText(click, nullptr, 0, bk_rtfdata.buffer, RTFDATA_BUFFER);
    return BK_ZobrazText(status.id_info);
}

VIEW_SELECTION GetViewSelection(HWND view)
{
    VIEW_SELECTION s;
    CHARRANGE sel{};
    SendMessageA(view, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    s.left = sel.cpMin;
    s.right = sel.cpMax;
    if (s.right > s.left) {
        const CHARFORMATA cf = Probe(view, s.right - 1, s.right, CFM_FACE | CFM_CHARSET);
        s.language = ScriptOfFace(cf.szFaceName);
        s.charset = cf.bCharSet;
    }
    return s;
}

int CopyViewSelection(HWND view)
{
    if (!view) return 0;
    CHARRANGE sel{};
    SendMessageA(view, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&sel));
    if (sel.cpMax <= sel.cpMin) return 0;
    const int length = GetWindowTextLengthA(view);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(view, text.data(), length + 1);
    text.resize(strnlen(text.c_str(), text.size()));
    const int right = sel.cpMax < static_cast<LONG>(text.size()) ? sel.cpMax : static_cast<int>(text.size());
    if (right <= sel.cpMin) return 0;

    std::vector<COPY_RUN> runs;
    CollectRuns(view, text, 0, sel.cpMin, right, runs);
    std::u16string unicode = CopiedTextToUnicode(runs, SystemLatin);

    StreamOut rtf;
    EDITSTREAM es{};
    es.dwCookie = reinterpret_cast<DWORD_PTR>(&rtf);
    es.pfnCallback = StreamOutCallback;
    SendMessageA(view, EM_STREAMOUT, SF_RTF | SFF_SELECTION, reinterpret_cast<LPARAM>(&es));

    if (!OpenClipboard(view)) return 0;
    EmptyClipboard();
    int put = 0;
    if (!rtf.data.empty()) {
        const UINT cf_rtf = RegisterClipboardFormatA(CF_RTF);
        if (cf_rtf && PutClipboard(cf_rtf, rtf.data.c_str(), rtf.data.size() + 1)) ++put;
    }
    if (PutClipboard(CF_UNICODETEXT, unicode.c_str(), (unicode.size() + 1) * sizeof(char16_t))) ++put;
    CloseClipboard();
    return put > 0 ? 1 : 0;
}
