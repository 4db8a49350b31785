#include "markup.h"

#include <cstdint>

namespace importer {

std::string_view Token::Attr(std::string_view key) const {
    for (const auto& [k, v] : attrs)
        if (k == key) return v;
    return {};
}

bool Token::Has(std::string_view key) const {
    for (const auto& kv : attrs)
        if (kv.first == key) return true;
    return false;
}

static void AppendUtf8(std::string& out, uint32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string DecodeEntities(std::string_view s, int* bad) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '&') {
            out += s[i];
            continue;
        }
        size_t semi = s.find(';', i + 1);
        if (semi == std::string_view::npos || semi - i > 12) {
            if (bad) ++*bad;
            out += '&';
            continue;
        }
        std::string_view name = s.substr(i + 1, semi - i - 1);
        uint32_t cp = 0;
        bool ok = true;
        if (name == "amp") cp = '&';
        else if (name == "lt") cp = '<';
        else if (name == "gt") cp = '>';
        else if (name == "quot") cp = '"';
        else if (name == "apos") cp = '\'';
        else if (name.size() > 1 && name[0] == '#') {
            bool hex = name[1] == 'x' || name[1] == 'X';
            size_t k = hex ? 2 : 1;
            if (k >= name.size()) ok = false;
            for (; ok && k < name.size(); ++k) {
                char c = name[k];
                int d = c >= '0' && c <= '9'   ? c - '0'
                        : hex && c >= 'a' && c <= 'f' ? c - 'a' + 10
                        : hex && c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                      : -1;
                if (d < 0 || cp > 0x10FFFF) ok = false;
                else cp = cp * (hex ? 16 : 10) + static_cast<uint32_t>(d);
            }
            if (cp == 0 || cp > 0x10FFFF) ok = false;
        } else {
            ok = false;
        }
        if (!ok) {
            if (bad) ++*bad;
            out += '&';
            continue;
        }
        AppendUtf8(out, cp);
        i = semi;
    }
    return out;
}

static bool IsNameChar(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' ||
           c == '-' || c == ':' || c == '.';
}

static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Parses the tag starting at src[pos] == '<'. Returns the position after '>'
// or npos when the text there is not a readable tag.
static size_t ParseTag(std::string_view src, size_t pos, Token& tok, int* bad_entities) {
    size_t i = pos + 1;
    tok = Token{};
    tok.kind = Token::Open;
    if (i < src.size() && src[i] == '/') {
        tok.kind = Token::Close;
        ++i;
    }
    size_t start = i;
    while (i < src.size() && IsNameChar(src[i])) ++i;
    if (i == start) return std::string_view::npos;
    tok.name = std::string(src.substr(start, i - start));
    for (;;) {
        while (i < src.size() && IsBlank(src[i])) ++i;
        if (i >= src.size()) return std::string_view::npos;
        if (src[i] == '>') return i + 1;
        if (src[i] == '/' && i + 1 < src.size() && src[i + 1] == '>') {
            if (tok.kind == Token::Close) return std::string_view::npos;
            tok.kind = Token::Empty;
            return i + 2;
        }
        if (tok.kind == Token::Close) return std::string_view::npos;
        size_t ks = i;
        while (i < src.size() && IsNameChar(src[i])) ++i;
        if (i == ks) return std::string_view::npos;
        std::string key(src.substr(ks, i - ks));
        while (i < src.size() && IsBlank(src[i])) ++i;
        if (i >= src.size() || src[i] != '=') return std::string_view::npos;
        ++i;
        while (i < src.size() && IsBlank(src[i])) ++i;
        if (i >= src.size() || (src[i] != '"' && src[i] != '\'')) return std::string_view::npos;
        char q = src[i++];
        size_t vs = i;
        while (i < src.size() && src[i] != q && src[i] != '<') ++i;
        if (i >= src.size() || src[i] != q) return std::string_view::npos;
        tok.attrs.emplace_back(std::move(key), DecodeEntities(src.substr(vs, i - vs), bad_entities));
        ++i;
    }
}

std::vector<Token> Tokenize(std::string_view src, TokenizeStats* stats) {
    std::vector<Token> out;
    TokenizeStats local;
    TokenizeStats& st = stats ? *stats : local;
    std::string pending;
    auto flush = [&] {
        if (pending.empty()) return;
        Token t;
        t.kind = Token::Text;
        t.text = DecodeEntities(pending, &st.bad_entities);
        out.push_back(std::move(t));
        pending.clear();
    };
    size_t i = 0;
    while (i < src.size()) {
        char c = src[i];
        if (c != '<') {
            pending += c;
            ++i;
            continue;
        }
        if (src.compare(i, 4, "<!--") == 0) {
            size_t e = src.find("-->", i + 4);
            i = e == std::string_view::npos ? src.size() : e + 3;
            continue;
        }
        if (i + 1 < src.size() && (src[i + 1] == '?' || src[i + 1] == '!')) {
            size_t e = src.find('>', i);
            i = e == std::string_view::npos ? src.size() : e + 1;
            continue;
        }
        Token tag;
        size_t next = ParseTag(src, i, tag, &st.bad_entities);
        if (next == std::string_view::npos) {
            ++st.bad_tags;
            // Not a tag: drop the "<" and go on with the text after it.
            ++i;
            continue;
        }
        flush();
        out.push_back(std::move(tag));
        i = next;
    }
    flush();
    return out;
}

std::vector<std::string> SplitWords(std::string_view s) {
    std::vector<std::string> out;
    size_t i = 0;
    while (i < s.size()) {
        while (i < s.size() && IsBlank(s[i])) ++i;
        size_t b = i;
        while (i < s.size() && !IsBlank(s[i])) ++i;
        if (i > b) out.emplace_back(s.substr(b, i - b));
    }
    return out;
}

}  // namespace importer
