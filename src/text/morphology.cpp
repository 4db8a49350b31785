#include "text/morphology.h"

#include <cstdio>
#include <iterator>
#include <cstring>

#include "app/lang.h"
#include "books/rtf_tags.h"

namespace {

// A letter of a code and the language string it stands for.
struct Letter {
    char c;
    int id;
};

// A prefix of a code and its language string.
struct Prefix {
    const char* text;
    int id;
};

// Appends to the caller's buffer, never past size - 1 bytes, always ended.
class Writer {
public:
    Writer(char* out, int size, int mode) : out_(out), size_(size), mode_(mode)
    {
        if (size_ > 0) out_[0] = '\0';
    }

    int Length() const { return pos_; }
    bool Rich() const { return mode_ == 1; }

    void Put(const char* s)
    {
        while (*s && pos_ + 1 < size_) out_[pos_++] = *s++;
        if (size_ > 0) out_[pos_] = '\0';
    }

    // Formats one language string into the output.
    void String(const char* format, int id)
    {
        char text[128];
        LANG_LoadString(nullptr, id, text, sizeof text);
        char piece[160];
        std::snprintf(piece, sizeof piece, format, text);
        Put(piece);
    }

    void Heading(int id)
    {
        if (Rich()) String("\\b %s \\b0", id);
    }
    void LineEnd()
    {
        if (Rich()) Put(" \r\n\\par ");
    }
    // A Greek ending: the format filled with the Greek text row and the
    // default row, so that the ending is drawn in the Greek font.
    void Ending(const char* format)
    {
        if (!Rich()) return;
        char piece[600];
        std::snprintf(piece, sizeof piece, format, rtftag[RTF_TG].rtf1, rtftag[RTF_DEF_CZ].rtf1);
        Put(piece);
    }
    // A continuation text between endings (mode 1 only).
    void Continuation(int id)
    {
        if (Rich()) String(" %s ", id);
    }

private:
    char* out_;
    int size_;
    int mode_;
    int pos_ = 0;
};

template <std::size_t N>
int Find(const Letter (&table)[N], char c)
{
    for (const Letter& l : table)
        if (l.c == c) return l.id;
    return 0;
}

bool StartsWith(const char* s, const char* prefix)
{
    return std::strncmp(s, prefix, std::strlen(prefix)) == 0;
}

// ------------------------------------------------------------ system 1

void DecodeSystem1(Writer& w, const char* code)
{
    static const Prefix kMajor[] = {{"A-", 21000}, {"C-", 21002}, {"D-", 21003}, {"I-", 21004}, {"N-", 21005},
                                    {"P-", 21006}, {"RA", 21007}, {"RD", 21008}, {"RI", 21009}, {"RP", 21010},
                                    {"RR", 21011}, {"V-", 21012}, {"X-", 21013}};
    static const Letter kTense[] = {{'A', 21014}, {'F', 21015}, {'I', 21016}, {'P', 21017}, {'X', 21018}, {'Y', 21019}};
    static const Letter kVoice[] = {{'A', 21020}, {'M', 21021}, {'P', 21022}};
    static const Letter kMood[] = {{'D', 21023}, {'I', 21024}, {'N', 21025}, {'O', 21026}, {'P', 21027}, {'S', 21028}};
    static const Letter kCase[] = {{'A', 21029}, {'D', 21030}, {'G', 21031}, {'N', 21032}, {'V', 21033}};
    static const Letter kNumber[] = {{'P', 21034}, {'S', 21035}};
    static const Letter kGender[] = {{'F', 21036}, {'M', 21037}, {'N', 21038}};
    static const Letter kDegree[] = {{'C', 21039}, {'S', 21040}};

    const std::size_t len = std::strlen(code);
    auto at = [&](std::size_t i) { return i < len ? code[i] : '\0'; };

    w.Heading(21090);
    if (len >= 2)
        for (const Prefix& p : kMajor)
            if (code[0] == p.text[0] && code[1] == p.text[1]) {
                w.String("%s ", p.id);
                break;
            }
    w.LineEnd();

    w.Heading(21091);
    char person = at(3);
    if (person >= '1' && person <= '3') {
        char text[128];
        LANG_LoadString(nullptr, 21041, text, sizeof text);
        char piece[160];
        std::snprintf(piece, sizeof piece, " %c. %s ", person, text);
        w.Put(piece);
    }
    w.LineEnd();

    struct Category {
        int heading;
        std::size_t position;
        const Letter* table;
        std::size_t count;
    };
    const Category categories[] = {
        {21092, 4, kTense, std::size(kTense)},   {21093, 5, kVoice, std::size(kVoice)},
        {21094, 6, kMood, std::size(kMood)},     {21095, 7, kCase, std::size(kCase)},
        {21096, 8, kNumber, std::size(kNumber)}, {21097, 9, kGender, std::size(kGender)},
        {21098, 10, kDegree, std::size(kDegree)},
    };
    for (const Category& cat : categories) {
        w.Heading(cat.heading);
        char c = at(cat.position);
        for (std::size_t k = 0; c && k < cat.count; ++k)
            if (cat.table[k].c == c) {
                w.String("%s ", cat.table[k].id);
                break;
            }
        w.LineEnd();
    }
}

// ------------------------------------------------------------ system 2

const Letter kR2Case[] = {{'N', 21148}, {'G', 21149}, {'D', 21150}, {'A', 21151}, {'V', 21152}};
const Letter kR2Number[] = {{'S', 21153}, {'P', 21154}};
const Letter kR2Gender[] = {{'M', 21155}, {'F', 21156}, {'N', 21157}};
const Letter kR2Person[] = {{'1', 21165}, {'2', 21166}, {'3', 21167}};

// Reads one category of system 2 at *p: heading, the value of the letter
// (if the table has it), line end after a value. Returns false at the end of
// the code. The cursor moves past the letter.
template <std::size_t N>
bool Category2(Writer& w, const char*& p, int heading, const Letter (&table)[N])
{
    if (!*p) return false;
    w.Heading(heading);
    int id = Find(table, *p);
    if (id) {
        w.String("%s ", id);
        w.LineEnd();
    }
    ++p;
    return true;
}

// One value with its heading and line end.
void Value2(Writer& w, int heading, int id)
{
    if (heading) w.Heading(heading);
    w.String("%s ", id);
    w.LineEnd();
}

void SkipSeparator(const char*& p)
{
    if (*p == '-') ++p;
}

void DecodeVerb2(Writer& w, const char* p)
{
    Value2(w, 21290, 21181);
    // Tense: a letter, or "2" and a letter for the second tenses.
    if (!*p) return;
    w.Heading(21292);
    static const Letter kTense[] = {{'P', 21121}, {'I', 21122}, {'F', 21123}, {'A', 21125},
                                    {'R', 21127}, {'L', 21129}, {'X', 21131}};
    static const Letter kSecond[] = {{'F', 21124}, {'A', 21126}, {'R', 21128}, {'L', 21130}};
    int id = 0;
    if (p[0] == '2' && Find(kSecond, p[1])) {
        id = Find(kSecond, p[1]);
        p += 2;
    } else {
        id = Find(kTense, *p);
        ++p;
    }
    if (id) {
        w.String("%s ", id);
        w.LineEnd();
    }
    static const Letter kVoice[] = {{'A', 21132}, {'M', 21133}, {'P', 21134}, {'E', 21135}, {'D', 21136},
                                    {'O', 21137}, {'N', 21138}, {'Q', 21139}, {'X', 21140}};
    static const Letter kMood[] = {{'I', 21141}, {'S', 21142}, {'O', 21143}, {'M', 21144},
                                   {'N', 21145}, {'P', 21146}, {'R', 21147}};
    if (!Category2(w, p, 21293, kVoice)) return;
    if (!Category2(w, p, 21294, kMood)) return;
    if (!*p) return;
    SkipSeparator(p);
    if (*p >= '1' && *p <= '3') {
        if (!Category2(w, p, 21299, kR2Person)) return;
        if (!Category2(w, p, 21296, kR2Number)) return;
    } else {
        if (!Category2(w, p, 21295, kR2Case)) return;
        if (!Category2(w, p, 21296, kR2Number)) return;
        if (!Category2(w, p, 21297, kR2Gender)) return;
    }
    SkipSeparator(p);
    if (!*p) return;
    w.Heading(21298);
    static const Prefix kExtra[] = {{"M", 21158},  {"C", 21159},  {"T", 21160}, {"ATT", 21162},
                                    {"AP", 21163}, {"A", 21161}, {"IRR", 21164}};
    for (const Prefix& e : kExtra)
        if (StartsWith(p, e.text)) {
            w.String("%s ", e.id);
            w.LineEnd();
            break;
        }
}

void DecodeNominal2(Writer& w, const char* code, int id)
{
    const char* p = code + 2;
    Value2(w, 21290, id);
    const char kind = code[0];
    bool digit = *p >= '1' && *p <= '3';
    if (kind == 'S' || ((kind == 'F' || kind == 'P') && digit))
        if (!Category2(w, p, 21299, kR2Person)) return;
    if (!Category2(w, p, 21295, kR2Case)) return;
    if (!Category2(w, p, 21296, kR2Number)) return;
    if (!Category2(w, p, 21297, kR2Gender)) return;
    SkipSeparator(p);
    if (!*p) return;
    w.Heading(21300);
    int suffix = 0;
    if (*p == 'S')
        suffix = 21182;
    else if (*p == 'C')
        suffix = kind == 'A' ? 21183 : 21187;
    else if (StartsWith(p, "ABB"))
        suffix = 21184;
    else if (*p == 'I')
        suffix = 21185;
    else if (*p == 'N')
        suffix = 21186;
    else if (StartsWith(p, "ATT"))
        suffix = 21188;
    else if (*p == 'P')
        suffix = 21189;
    if (suffix) {
        w.String("%s ", suffix);
        w.LineEnd();
    }
}

void DecodeSystem2(Writer& w, const char* code)
{
    if (StartsWith(code, "ADV")) {
        if (code[3] != '-') {
            Value2(w, 0, 21100);
        } else {
            w.Heading(21290);
            static const Letter kAdverb[] = {{'C', 21102}, {'I', 21103}, {'S', 21104}};
            int id = Find(kAdverb, code[4]);
            if (id) Value2(w, 0, id);
        }
        return;
    }
    if (StartsWith(code, "CONJ")) return Value2(w, 0, 21105);
    if (StartsWith(code, "COND")) {
        if (code[4] != '-') return Value2(w, 0, 21106);
        w.Heading(21290);
        if (code[5] == 'C' || code[5] == 'P') Value2(w, 0, 21107);
        return;
    }
    if (StartsWith(code, "PRT")) {
        if (code[3] != '-') return Value2(w, 0, 21108);
        w.Heading(21290);
        static const Letter kParticle[] = {{'I', 21109}, {'N', 21110}};
        int id = Find(kParticle, code[4]);
        if (id) Value2(w, 0, id);
        return;
    }
    static const Prefix kWhole[] = {{"PREP", 21111}, {"INJ", 21112}, {"ARAM", 21113}, {"HEB", 21114}, {"N-PRI", 21115}};
    for (const Prefix& p : kWhole)
        if (StartsWith(code, p.text)) return Value2(w, 0, p.id);
    if (StartsWith(code, "A-NUI")) {
        if (code[5] == '-') {
            Value2(w, 21290, 21117);
            Value2(w, 21291, 21118);
        } else {
            Value2(w, 0, 21116);
        }
        return;
    }
    if (StartsWith(code, "N-LI")) return Value2(w, 0, 21119);
    if (StartsWith(code, "N-OI")) return Value2(w, 0, 21120);
    if (StartsWith(code, "V-")) return DecodeVerb2(w, code + 2);
    static const Prefix kNominal[] = {{"N-", 21168}, {"A-", 21169}, {"R-", 21170}, {"C-", 21171}, {"D-", 21172},
                                      {"T-", 21173}, {"K-", 21174}, {"I-", 21175}, {"X-", 21176}, {"Q-", 21177},
                                      {"F-", 21178}, {"S-", 21179}, {"P-", 21180}};
    for (const Prefix& p : kNominal)
        if (StartsWith(code, p.text)) return DecodeNominal2(w, code, p.id);
}

// ------------------------------------------------------------ system 3

enum Class3 { C3_END, C3_NOUN, C3_ADJECTIVE, C3_PRONOUN, C3_NUMBER, C3_VERB };

// One part-of-speech pattern: the code's first characters (a trailing '+'
// stands for one character of `one_of`), its text, the Greek endings and
// continuation texts written after it in rich text, and the class it sets.
struct Pattern3 {
    const char* code;
    const char* one_of;
    int id;
    const char* ending1;
    int more1;
    const char* ending2;
    int more2;
    Class3 cls;
    bool perfect;  // augment reads ", pluperfect augmented"
};

const Pattern3 kPatterns3[] = {
    {"N1A", nullptr, 21400, "%s&a%s", 0, nullptr, 0, C3_NOUN, false},
    {"N1M", nullptr, 21402, "%s&hs%s", 0, nullptr, 0, C3_NOUN, false},
    {"N1S", nullptr, 21403, "%s&h%s", 21404, "%s&a%s", 0, C3_NOUN, false},
    {"N1T", nullptr, 21405, "%s&as%s", 0, nullptr, 0, C3_NOUN, false},
    {"N2N", nullptr, 21406, "%s&on%s", 0, nullptr, 0, C3_NOUN, false},
    {"N3+", "DEGHIKMNPRSTUW", 21407, nullptr, 0, nullptr, 0, C3_NOUN, false},
    {"N1", nullptr, 21408, "%s&h%s", 0, nullptr, 0, C3_NOUN, false},
    {"N2", nullptr, 21409, nullptr, 0, nullptr, 0, C3_NOUN, false},
    {"N3", nullptr, 21410, nullptr, 0, nullptr, 0, C3_NOUN, false},
    {"N", nullptr, 21411, nullptr, 0, nullptr, 0, C3_NOUN, false},
    {"A1A", nullptr, 21412, "%s &oj &a &on %s", 0, nullptr, 0, C3_ADJECTIVE, false},
    {"A1B", nullptr, 21413, "%s &oj &oj &on %s", 0, nullptr, 0, C3_ADJECTIVE, false},
    {"A1C", nullptr, 21414, "%s &ouj &ouj &oun %s", 0, nullptr, 0, C3_ADJECTIVE, false},
    {"A1S", nullptr, 21415, "%s&a%s", 21416, "%s&h%s", 0, C3_ADJECTIVE, false},
    {"A3+", "EHNUC", 21407, nullptr, 0, nullptr, 0, C3_ADJECTIVE, false},
    {"A1", nullptr, 21418, "%s &oj &h &on %s", 0, nullptr, 0, C3_ADJECTIVE, false},
    {"A3", nullptr, 21419, nullptr, 0, nullptr, 0, C3_ADJECTIVE, false},
    {"RA", nullptr, 21420, nullptr, 0, nullptr, 0, C3_PRONOUN, false},
    {"RD", nullptr, 21421, nullptr, 0, nullptr, 0, C3_PRONOUN, false},
    {"RI", nullptr, 21422, nullptr, 0, nullptr, 0, C3_PRONOUN, false},
    {"RP", nullptr, 21423, nullptr, 0, nullptr, 0, C3_PRONOUN, false},
    {"RR", nullptr, 21424, nullptr, 0, nullptr, 0, C3_PRONOUN, false},
    {"RX", nullptr, 21425, "%s O(/STIS %s", 0, nullptr, 0, C3_PRONOUN, false},
    {"C", nullptr, 21426, nullptr, 0, nullptr, 0, C3_END, false},
    {"X", nullptr, 21427, nullptr, 0, nullptr, 0, C3_END, false},
    {"I", nullptr, 21428, nullptr, 0, nullptr, 0, C3_END, false},
    {"M3M", nullptr, 21429, nullptr, 0, nullptr, 0, C3_NUMBER, false},
    {"M", nullptr, 21430, nullptr, 0, nullptr, 0, C3_END, false},
    {"P", nullptr, 21431, nullptr, 0, nullptr, 0, C3_END, false},
    {"D", nullptr, 21432, nullptr, 0, nullptr, 0, C3_END, false},
    {"V1", nullptr, 21434, nullptr, 0, nullptr, 0, C3_VERB, false},
    {"V2", nullptr, 21435, "%s &ew%s", 0, nullptr, 0, C3_VERB, false},
    {"V3", nullptr, 21436, "%s &aw%s", 0, nullptr, 0, C3_VERB, false},
    {"V4", nullptr, 21437, "%s &ow%s", 0, nullptr, 0, C3_VERB, false},
    {"V5", nullptr, 21438, "%s &mi%s", 21439, nullptr, 0, C3_VERB, false},
    {"V6", nullptr, 21441, "%s &a%s", 21440, "%s &mi%s", 21439, C3_VERB, false},
    {"V7", nullptr, 21441, "%s &e%s", 21440, "%s &mi%s", 21439, C3_VERB, false},
    {"V8", nullptr, 21441, "%s &o%s", 21440, "%s &mi%s", 21439, C3_VERB, false},
    {"V9", nullptr, 21441, "%s EI)MI/%s", 21442, "%s EI)=MI%s", 0, C3_VERB, false},
    {"VA", nullptr, 21443, nullptr, 0, nullptr, 0, C3_VERB, false},
    {"VB", nullptr, 21444, nullptr, 0, nullptr, 0, C3_VERB, false},
    {"VZ", nullptr, 21445, nullptr, 0, nullptr, 0, C3_VERB, false},
    {"VH", nullptr, 21446, "%s &h &e &o%s", 21440, "%s &mi%s", 21439, C3_VERB, false},
    {"VE", nullptr, 21446, "%s &h &e &o%s", 21440, "%s &mi%s", 21439, C3_VERB, false},
    {"VO", nullptr, 21446, "%s &h &e &o%s", 21440, "%s &mi%s", 21439, C3_VERB, false},
    {"VC", nullptr, 21447, "%s q%s", 0, nullptr, 0, C3_VERB, false},
    {"VD", nullptr, 21448, "%s q%s", 0, nullptr, 0, C3_VERB, false},
    {"VV", nullptr, 21449, nullptr, 0, nullptr, 0, C3_VERB, false},
    {"VS", nullptr, 21450, nullptr, 0, nullptr, 0, C3_VERB, false},
    {"VQ", nullptr, 21451, nullptr, 0, nullptr, 0, C3_VERB, false},
    {"VX", nullptr, 21453, nullptr, 0, nullptr, 0, C3_VERB, true},
    {"VM", nullptr, 21454, nullptr, 0, nullptr, 0, C3_VERB, true},
    {"VP", nullptr, 21455, nullptr, 0, nullptr, 0, C3_VERB, true},
    {"VT", nullptr, 21456, nullptr, 0, nullptr, 0, C3_VERB, true},
    {"VK", nullptr, 21457, nullptr, 0, nullptr, 0, C3_VERB, true},
    {"VF2", nullptr, 21458, nullptr, 0, nullptr, 0, C3_VERB, true},
    {"VF3", nullptr, 21459, "%s E)LAU/NW%s", 0, nullptr, 0, C3_VERB, true},
    {"VFX", nullptr, 21460, nullptr, 0, nullptr, 0, C3_VERB, true},
    {"VF", nullptr, 21461, nullptr, 0, nullptr, 0, C3_VERB, true},
};

// Matches a pattern at the start of code; returns its length or 0.
int MatchPattern3(const Pattern3& pattern, const char* code)
{
    int n = 0;
    for (const char* c = pattern.code; *c; ++c, ++n) {
        if (*c == '+') {
            if (!code[n] || !std::strchr(pattern.one_of, code[n])) return 0;
        } else if (code[n] != *c) {
            return 0;
        }
    }
    return n;
}

// One category of system 3: heading, value with a leading space, line end
// after a value. Returns false at the end of the code.
template <std::size_t N>
bool Category3(Writer& w, const char*& p, int heading, const Letter (&table)[N])
{
    if (!*p) return false;
    w.Heading(heading);
    int id = Find(table, *p);
    if (id) {
        w.String(" %s ", id);
        w.LineEnd();
    }
    ++p;
    return true;
}

// As Category3, but only when the letter belongs to the category.
template <std::size_t N>
void Optional3(Writer& w, const char*& p, int heading, const Letter (&table)[N])
{
    if (*p && Find(table, *p)) Category3(w, p, heading, table);
}

const Letter kP3Case[] = {{'N', 21462}, {'G', 21463}, {'D', 21464}, {'A', 21465}, {'V', 21466}};
const Letter kP3Number[] = {{'S', 21467}, {'P', 21468}, {'D', 21469}};
const Letter kP3Gender[] = {{'M', 21470}, {'F', 21471}, {'N', 21472}};

void DecodeSystem3(Writer& w, const char* code)
{
    w.Heading(21550);
    const Pattern3* pattern = nullptr;
    int n = 0;
    for (const Pattern3& candidate : kPatterns3)
        if ((n = MatchPattern3(candidate, code)) > 0) {
            pattern = &candidate;
            break;
        }
    if (!pattern) return;
    const char* p = code + n;
    w.String("%s", pattern->id);
    if (pattern->cls == C3_VERB && *p == 'I') {
        w.String("%s", pattern->perfect ? 21452 : 21433);
        ++p;
    }
    w.Put(" ");
    if (pattern->ending1) w.Ending(pattern->ending1);
    if (pattern->more1) w.Continuation(pattern->more1);
    if (pattern->ending2) w.Ending(pattern->ending2);
    if (pattern->more2) w.Continuation(pattern->more2);
    w.LineEnd();
    if (pattern->cls == C3_END || !*p) return;
    if (*p == ' ' || *p == '-') ++p;

    if (pattern->cls == C3_VERB) {
        static const Letter kTense[] = {{'P', 21475}, {'I', 21476}, {'F', 21477},
                                        {'A', 21478}, {'X', 21479}, {'Y', 21480}};
        static const Letter kVoice[] = {{'A', 21481}, {'M', 21482}, {'P', 21483}};
        static const Letter kMood[] = {{'I', 21484}, {'D', 21485}, {'S', 21486},
                                       {'O', 21487}, {'N', 21488}, {'P', 21489}};
        if (!Category3(w, p, 21555, kTense)) return;
        if (!Category3(w, p, 21556, kVoice)) return;
        if (!Category3(w, p, 21557, kMood)) return;
        if (*p >= '1' && *p <= '3') {
            w.Heading(21558);
            char piece[8];
            std::snprintf(piece, sizeof piece, " %c", *p);
            w.Put(piece);
            w.LineEnd();
            ++p;
        }
        Optional3(w, p, 21551, kP3Case);
        Optional3(w, p, 21552, kP3Number);
        Optional3(w, p, 21553, kP3Gender);
        return;
    }
    if (!Category3(w, p, 21551, kP3Case)) return;
    if (!Category3(w, p, 21552, kP3Number)) return;
    if (!Category3(w, p, 21553, kP3Gender)) return;
    if (pattern->cls == C3_ADJECTIVE) {
        static const Letter kDegree[] = {{'C', 21473}, {'S', 21474}};
        Category3(w, p, 21554, kDegree);
    }
}

} // namespace

int DecodeMorphologyGR(int type, int mode, const char* code, char* out, int size)
{
    if (!out || size <= 0) return 0;
    Writer w(out, size, mode);
    if (!code) return 0;
    switch (type) {
    case MORPH_GR_SYSTEM1:
        DecodeSystem1(w, code);
        break;
    case MORPH_GR_ROBINSON:
        DecodeSystem2(w, code);
        break;
    case MORPH_GR_PACKARD:
        DecodeSystem3(w, code);
        break;
    default:
        break;
    }
    return w.Length();
}
