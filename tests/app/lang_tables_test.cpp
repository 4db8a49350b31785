// The built-in string table against the code that uses it and against the
// language files shipped with the program.
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "app/builtin_strings.h"
#include "app/lang_writer.h"

namespace {

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

// Every numeric string id passed to the language layer or to a message box
// in the sources: LANG_LoadString(instance, 10005, ...), LANG_FindString(10005),
// ShowMessageBoxId(owner, 10004, 10005, ...).
std::set<int> StringIdsAskedForByCode()
{
    std::set<int> ids;
    const std::regex call(R"((LANG_LoadString|LANG_LoadFormat|LANG_FindString|ShowMessageBoxIdV?)\s*\(([^;]*))");
    const std::regex number(R"(\b([12]\d{4})\b)");
    for (const char* dir : {"src", "tools"}) {
        const std::filesystem::path root = std::filesystem::path(SEVIR_SOURCE_DIR) / dir;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
            const std::string ext = entry.path().extension().string();
            if (ext != ".cpp" && ext != ".h") continue;
            const std::string text = ReadFile(entry.path());
            for (auto it = std::sregex_iterator(text.begin(), text.end(), call); it != std::sregex_iterator(); ++it) {
                const std::string args = (*it)[2].str();
                for (auto n = std::sregex_iterator(args.begin(), args.end(), number); n != std::sregex_iterator(); ++n)
                    ids.insert(std::stoi((*n)[1].str()));
            }
        }
    }
    return ids;
}

} // namespace

TEST(StringTable, EveryStringTheCodeAsksForExists)
{
    const std::set<int> ids = StringIdsAskedForByCode();
    EXPECT_TRUE(ids.count(10006) && ids.count(10007)) << "the scan of the sources finds the calls";
    for (int id : ids) EXPECT_NE(BuiltinString(id), nullptr) << "the code asks for string " << id;
}

TEST(StringTable, NumberedRangesAreComplete)
{
    // Book entries, character-table tips (Greek cell 25 is the blank and has
    // none), tips of the day, verse-list file strings.
    for (int id = 10201; id <= 10266; ++id) EXPECT_NE(BuiltinString(id), nullptr) << id;
    for (int id = 20000; id <= 20041; ++id) EXPECT_NE(BuiltinString(id), nullptr) << id;
    for (int id = 20100; id <= 20141; ++id)
        if (id != 20125) {
            EXPECT_NE(BuiltinString(id), nullptr) << id;
        }
    for (int id = 22101; id <= 22124; ++id) EXPECT_NE(BuiltinString(id), nullptr) << id;
    for (int id = 22001; id <= 22027; ++id) EXPECT_NE(BuiltinString(id), nullptr) << id;
    for (int id = 10300; id <= 10305; ++id) EXPECT_NE(BuiltinString(id), nullptr) << id;
    EXPECT_STREQ(BuiltinString(10205), "OTDeut,Deuteronomy,Dt");
    EXPECT_STREQ(BuiltinString(10032), "Search (fulltext)... \t Ctrl+F");
    EXPECT_STREQ(BuiltinString(20141), "Ano teleia [\\]");
    EXPECT_STREQ(BuiltinString(3830), "Show tips at startup");
}

TEST(EnglishLng, CommittedFileIsUpToDate)
{
    const std::string committed = ReadFile(std::filesystem::path(SEVIR_SOURCE_DIR) / "language" / "english.lng");
    EXPECT_TRUE(committed == LANG_MakeEnglishLngText())
        << "language/english.lng is stale: run sevir-cli make-lng language/english.lng";
}

TEST(EnglishLng, HoldsEveryBuiltInTextThatFitsAndEscapesControls)
{
    const std::string text = LANG_MakeEnglishLngText();
    ASSERT_EQ(text.rfind(";English\r\n;0\r\n", 0), 0u);
    int count = 0;
    const BUILTIN_STRING* table = BuiltinStringTable(&count);
    for (int i = 0; i < count; ++i) {
        const std::string escaped = LANG_EscapeText(table[i].text);
        const std::string line = "\r\n" + std::to_string(table[i].id) + "," + escaped + "\r\n";
        if (static_cast<int>(escaped.size()) <= LANG_MAX_TEXT) {
            EXPECT_NE(text.find(line), std::string::npos) << table[i].id;
        } else {
            EXPECT_NE(text.find("\r\n; " + std::to_string(table[i].id) + " is longer"), std::string::npos);
        }
    }
    EXPECT_NE(text.find("\r\n10010,Cannot open library RICHED32.DLL\\nProgram will be terminated\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\n10032,Search (fulltext)... \\t Ctrl+F\r\n"), std::string::npos);
    // Every line ends with CR LF and holds no other control character.
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            EXPECT_EQ(text[i - 1], '\r');
        } else if (c == '\r') {
            EXPECT_EQ(text[i + 1], '\n');
        } else {
            EXPECT_GE(c, 0x20) << "at " << i;
        }
    }
}
