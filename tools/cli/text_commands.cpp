// sevir-cli subcommands over the text services: match, strip, collate,
// morph, gematria, key, autoend, tagsofword. Arguments are bytes (Hebrew and
// Greek in display codes); outputs are written as bytes.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/file_io.h"
#include "cli/cli.h"
#include "text/collation.h"
#include "text/keyboard.h"
#include "text/matching.h"
#include "text/morphology.h"
#include "text/word_tags.h"

namespace {

bool WrongArgs(int argc, char** argv, int want)
{
    if (argc == want + 1) return false;
    std::fprintf(stderr, "sevir-cli %s: wrong number of arguments\n", argv[0]);
    return true;
}

// collate FILE A B: the order of A and B under the module's first sort table.
int CmdCollate(int argc, char** argv)
{
    if (WrongArgs(argc, argv, 3)) return 2;
    SvFile* file = SvOpenRead(argv[1]);
    if (!file) {
        std::fprintf(stderr, "error: cannot open %s\n", argv[1]);
        return 1;
    }
    char table[SORT_TABLE_SIZE];
    int type = ReadModuleSortTable(file, table);
    SvClose(file);
    if (type < 0) {
        std::fprintf(stderr, "error: not a book, lexicon or dictionary module\n");
        return 1;
    }
    std::printf("%d\n", PorovnejRetezce(argv[2], argv[3], table));
    return 0;
}

bool ParseInt(const char* text, int* value)
{
    if (!text || !*text) return false;
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    if (*end || v < -1000000 || v > 1000000) return false;
    *value = static_cast<int>(v);
    return true;
}

int BadArgument(const char* command, const char* what)
{
    std::fprintf(stderr, "sevir-cli %s: bad argument %s\n", command, what);
    return 2;
}

// Writes the bytes of text and a newline.
void PutLine(const char* text)
{
    std::fwrite(text, 1, std::strlen(text), stdout);
    std::fputc('\n', stdout);
}

// match word|nowb|prefix STRING PATTERN: result and end.
int CmdMatch(int argc, char** argv)
{
    if (WrongArgs(argc, argv, 3)) return 2;
    int (*match)(const char*, const char*, int*) = nullptr;
    if (std::strcmp(argv[1], "word") == 0)
        match = WildcardMatch;
    else if (std::strcmp(argv[1], "nowb") == 0)
        match = WildcardMatch2;
    else if (std::strcmp(argv[1], "prefix") == 0)
        match = WildcardMatchSubstring;
    else
        return BadArgument(argv[0], argv[1]);
    int end = 0;
    int result = match(argv[2], argv[3], &end);
    std::printf("%d %d\n", result, end);
    return 0;
}

// strip tags MODE TEXT | strip vowels TEXT | strip ignore TEXT.
int CmdStrip(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "sevir-cli %s: wrong number of arguments\n", argv[0]);
        return 2;
    }
    const bool tags = std::strcmp(argv[1], "tags") == 0;
    if (WrongArgs(argc, argv, tags ? 3 : 2)) return 2;
    std::vector<char> buf(argv[argc - 1], argv[argc - 1] + std::strlen(argv[argc - 1]) + 1);
    if (tags) {
        int mode = 0;
        if (!ParseInt(argv[2], &mode) || mode < -4 || mode > -1) return BadArgument(argv[0], argv[2]);
        StripTags(buf.data(), buf.data(), mode);
    } else if (std::strcmp(argv[1], "vowels") == 0) {
        Strip_he_vocals(buf.data(), buf.data());
    } else if (std::strcmp(argv[1], "ignore") == 0) {
        StripIgnoreTags(buf.data(), buf.data());
    } else {
        return BadArgument(argv[0], argv[1]);
    }
    PutLine(buf.data());
    return 0;
}

// morph TYPE MODE CODE: the decoding with the built-in English strings.
int CmdMorph(int argc, char** argv)
{
    if (WrongArgs(argc, argv, 3)) return 2;
    int type = 0, mode = 0;
    if (!ParseInt(argv[1], &type)) return BadArgument(argv[0], argv[1]);
    if (!ParseInt(argv[2], &mode)) return BadArgument(argv[0], argv[2]);
    char out[4096];
    DecodeMorphologyGR(type, mode, argv[3], out, sizeof out);
    PutLine(out);
    return 0;
}

// gematria hebrew|greek TEXT [--method 0|1]: over the whole text.
int CmdGematria(int argc, char** argv)
{
    int method = 0;
    if (argc == 5 && std::strcmp(argv[3], "--method") == 0) {
        if (!ParseInt(argv[4], &method) || method < 0 || method > 1) return BadArgument(argv[0], argv[4]);
        argc = 3;
    }
    if (WrongArgs(argc, argv, 2)) return 2;
    const char* text = argv[2];
    const int last = static_cast<int>(std::strlen(text)) - 1;
    int first = 0, second = 0, third = 0;
    if (std::strcmp(argv[1], "hebrew") == 0)
        EnumerateHebrew(method, text, 0, last, &first, &second, &third);
    else if (std::strcmp(argv[1], "greek") == 0)
        EnumerateGreek(text, 0, last, &first, &second, &third);
    else
        return BadArgument(argv[0], argv[1]);
    std::printf("%d %d %d\n", first, second, third);
    return 0;
}

// key hebrew|greek CHAR [--shift] [--ctrl]: the translated code.
int CmdKey(int argc, char** argv)
{
    int shift = 0, ctrl = 0;
    int plain = 0;
    char* args[3] = {nullptr, nullptr, nullptr};
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--shift") == 0)
            shift = 1;
        else if (std::strcmp(argv[i], "--ctrl") == 0)
            ctrl = 1;
        else if (plain < 2)
            args[plain++] = argv[i];
        else
            plain = 3;
    }
    if (plain != 2) {
        std::fprintf(stderr, "sevir-cli %s: wrong number of arguments\n", argv[0]);
        return 2;
    }
    if (std::strlen(args[1]) != 1) return BadArgument(argv[0], args[1]);
    int ch = static_cast<unsigned char>(args[1][0]);
    if (ctrl && ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z'))) ch &= 0x1F;
    int code = 0;
    if (std::strcmp(args[0], "hebrew") == 0)
        code = PrekodujKeyHE(ch, shift, ctrl);
    else if (std::strcmp(args[0], "greek") == 0)
        code = PrekodujKeyGR(ch, shift, ctrl);
    else
        return BadArgument(argv[0], args[0]);
    std::printf("%d\n", code);
    return 0;
}

// autoend MODE TEXT: the text with its final letters adjusted.
int CmdAutoend(int argc, char** argv)
{
    if (WrongArgs(argc, argv, 2)) return 2;
    int mode = 0;
    if (!ParseInt(argv[1], &mode) || mode < 0 || mode > 1) return BadArgument(argv[0], argv[1]);
    std::vector<char> buf(argv[2], argv[2] + std::strlen(argv[2]) + 1);
    Autoend(buf.data(), 1, mode);
    PutLine(buf.data());
    return 0;
}

// tagsofword TEXT: the length of the tags after the word.
int CmdTagsOfWord(int argc, char** argv)
{
    if (WrongArgs(argc, argv, 1)) return 2;
    std::printf("%d\n", GetTagsOfWord(argv[1]));
    return 0;
}

} // namespace

SEVIR_CLI_COMMAND("match", "word|nowb|prefix STRING PATTERN", CmdMatch);
SEVIR_CLI_COMMAND("strip", "tags MODE TEXT | vowels TEXT | ignore TEXT", CmdStrip);
SEVIR_CLI_COMMAND("collate", "FILE A B", CmdCollate);
SEVIR_CLI_COMMAND("morph", "TYPE MODE CODE", CmdMorph);
SEVIR_CLI_COMMAND("gematria", "hebrew|greek TEXT [--method 0|1]", CmdGematria);
SEVIR_CLI_COMMAND("key", "hebrew|greek CHAR [--shift] [--ctrl]", CmdKey);
SEVIR_CLI_COMMAND("autoend", "MODE TEXT", CmdAutoend);
SEVIR_CLI_COMMAND("tagsofword", "TEXT", CmdTagsOfWord);
