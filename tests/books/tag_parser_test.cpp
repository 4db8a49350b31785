// Tag markup into RTF: the formats of the display table, every tag class
// shown and hidden, the formatting stack, Hebrew runs and the buffer limits.
#include "books/tag_parser.h"

#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/message.h"
#include "app/records.h"
#include "books/rtf_tags.h"

namespace {

std::vector<std::string> g_boxes;
int Recorder(void*, const char* text, const char* caption, unsigned)
{
    g_boxes.push_back(std::string(caption) + ": " + text);
    return SV_IDOK;
}

BOOK_INFO g_books[2];

class TagParserTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetGlobalRecords();
        g_boxes.clear();
        previous_ = SetMessageBoxHandler(Recorder);
        DATAWINDOW& w = datawindow[0];
        w.language = SCRIPT_LATIN;
        w.tag_advanced = 1;
        ShowAll(1);
        std::memset(g_books, 0, sizeof g_books);
        std::strcpy(g_books[0].name, "Genesis");
        std::strcpy(g_books[0].abbrev_name, "Gn");
        std::strcpy(g_books[0].sync_name, "OTGen");
        std::strcpy(g_books[1].name, "Revelation");
        std::strcpy(g_books[1].abbrev_name, "Rv");
        std::strcpy(g_books[1].sync_name, "NTRevel");
        w.books = 2;
        w.book_info = g_books;
        status.num_windows = 1;
    }
    void TearDown() override
    {
        datawindow[0].book_info = nullptr;
        SetMessageBoxHandler(previous_);
    }
    static void ShowAll(int on)
    {
        DATAWINDOW& w = datawindow[0];
        w.show_tag_preface = w.show_tag_christ = w.show_tag_note = w.show_tag_variant = on;
        w.show_tag_unused = w.show_tag_reference = w.show_tag_strong_hebrew = w.show_tag_strong_greek = on;
        w.show_tag_morph_hebrew = w.show_tag_morph_greek = on;
    }
    static std::string Parse(const std::string& text, int mode = 0, int size = 8192)
    {
        std::vector<char> out(static_cast<std::size_t>(size), '\x7f');
        int end = BK_ParseTagsCZ(text.c_str(), 0, out.data(), size, 0, mode);
        return std::string(out.data(), static_cast<std::size_t>(end));
    }
    MessageBoxHandler previous_ = nullptr;
};

const std::string kBase = "\\ql\\plain\\f3\\fs21\\cf0 ";
const char* const kCorrupted =
    "Error in file: File is corrupted!\nNear the text, which is displayed are errors.\nProbably, tags in verse are not "
    "paired well.\n\nPlease contact author of the program or author of the file.";

} // namespace

TEST_F(TagParserTest, DefaultRowsReadAsTheTableGivesThem)
{
    EXPECT_STREQ(rtftag[0].rtf1, "\\ql\\plain\\f3\\fs21\\cf0 ");
    EXPECT_STREQ(rtftag[1].rtf1, "\\qr\\plain\\f12\\fs36\\cf1 ");
    EXPECT_STREQ(rtftag[2].rtf1, "\\plain\\f3\\fs21\\cf2 ");
    EXPECT_STREQ(rtftag[4].rtf1, "\\plain\\f11\\fs27\\cf4 ");
    EXPECT_STREQ(rtftag[9].rtf1, "\\plain\\f3\\fs14\\cf9 ");
    EXPECT_STREQ(rtftag[10].rtf1, "\\b ");
    EXPECT_STREQ(rtftag[11].rtf1, "\\i ");
    EXPECT_STREQ(rtftag[12].rtf1, "\\plain\\f3\\fs21\\cf12\\i ");
    EXPECT_STREQ(rtftag[13].rtf1, " {\\ul\\f3\\fs16\\cf13 ");
    EXPECT_STREQ(rtftag[14].rtf1, " {\\up\\ul\\f3\\fs14\\cf14");
    EXPECT_STREQ(rtftag[16].rtf1, "{\\cf16 ");
    EXPECT_STREQ(rtftag[17].rtf1, "\\ql\\plain\\f11\\fs27\\cf17 ");
    EXPECT_STREQ(rtftag[21].rtf1, "");
    EXPECT_STREQ(rtftag[22].rtf1, "\\plain\\f3\\fs21\\cf22\\b ");
    EXPECT_STREQ(rtftag[24].rtf1, "\\plain\\f12\\fs36\\cf24 ");
    EXPECT_STREQ(rtftag[26].rtf1, " {\\ul\\f3\\fs14\\cf26 ");
    EXPECT_STREQ(rtftag[27].rtf1, "\\super ");
    EXPECT_EQ(rtftag[2].color, 0xFE0000u);
    EXPECT_EQ(rtftag[16].color, 0xFF00FFu);

    // Sizes and styles from the configuration take effect when rows are built.
    RTFCzechFontSize = 30;
    rtftag[RTF_TJ].bold = 1;
    rtftag[RTF_TJ].italic = 1;
    BK_BuildRTFTags();
    EXPECT_STREQ(rtftag[7].rtf1, "\\plain\\f3\\fs30\\cf7\\b\\i ");
    EXPECT_STREQ(rtftag[15].rtf1, " {\\up\\ul\\f3\\fs21\\cf15");
    EXPECT_STREQ(rtftag[13].rtf1, " {\\ul\\f3\\fs24\\cf13 ");
}

TEST_F(TagParserTest, HeaderListsFontsAndColoursAndEndingClosesTheDocument)
{
    int32_t charset[8] = {238, 0, 161, 0, 0, 0, 0, 177};
    status.script = 1;
    BK_InicRTFheader(charset);
    std::string head = BK_RTFhead;
    EXPECT_EQ(head.rfind("{\\rtf1\\ansi\\deff0\\deftab720{\\fonttbl{\\f0\\fnil MS Sans Serif;}"
                         "{\\f1\\fnil\\fcharset2{\\*\\fname Symbol;}MT Symbol;}{\\f2\\fswiss\\fprq2 System;}"
                         "{\\f3\\fnil\\fcharset238\\fprq2 Arial;}{\\f4\\fnil\\fcharset0\\fprq2 Arial;}"
                         "{\\f5\\fnil\\fcharset161\\fprq2 Arial;}",
                         0),
              0u);
    EXPECT_NE(head.find("{\\f10\\fnil\\fcharset177\\fprq2 Arial;}{\\f11\\fnil\\fcharset0\\fprq2 GreekUniversal;}"
                        "{\\f12\\fnil\\fcharset0\\fprq2 HebrewUniversal;}{\\f13\\fnil\\fcharset0\\fprq2 "
                        "HebrewUniversalS;}}\r\n{\\colortbl\\red0\\green0\\blue0;\\red0\\green0\\blue0;"
                        "\\red0\\green0\\blue254;"),
              std::string::npos);
    EXPECT_NE(head.find("\\red255\\green0\\blue255;"), std::string::npos);
    EXPECT_EQ(head.substr(head.size() - 39), "\\red0\\green0\\blue0;}\r\n\\deflang1033\\pard");
    int colours = 0;
    for (std::size_t at = head.find("\\red"); at != std::string::npos; at = head.find("\\red", at + 1)) ++colours;
    EXPECT_EQ(colours, 28);
    EXPECT_STREQ(BK_RTF_end, "\r\n\\par \r\n\\par \\pard\\plain\\f2\\fs21\\b \r\n\\par }");
    // Rows 1 and 5 follow the script option.
    EXPECT_STREQ(rtftag[1].rtf1, "\\qr\\plain\\f13\\fs36\\cf1 ");
    EXPECT_STREQ(rtftag[5].rtf1, "\\plain\\f13\\fs36\\cf5 ");
    status.script = 0;
    BK_InicRTFheader(charset);
    EXPECT_STREQ(rtftag[5].rtf1, "\\plain\\f12\\fs36\\cf5 ");
}

TEST_F(TagParserTest, ExampleVerseShownAndWithClassesHidden)
{
    const std::string verse = "Jesus|RG2424|Rg said, |TJFollow me|Tj.";
    EXPECT_EQ(Parse(verse), "\\ql\\plain\\f3\\fs21\\cf0 Jesus {\\up\\ul\\f3\\fs14\\cf15 G2424}\\ql\\plain\\f3\\fs21\\cf0 "
                            " said, \\plain\\f3\\fs21\\cf7 Follow me\\ql\\plain\\f3\\fs21\\cf0 .\r\n\\par");
    datawindow[0].show_tag_strong_greek = 0;
    datawindow[0].show_tag_christ = 0;
    // Hidden Strong's numbers are left out: their digits would stick to the word.
    EXPECT_EQ(Parse(verse), kBase + "Jesus said, Follow me.\r\n\\par");
    EXPECT_EQ(Parse("plain text, no tags"), kBase + "plain text, no tags\r\n\\par");
    EXPECT_EQ(Parse(verse, 1), "\\plain\\f3\\fs21\\cf23 Jesus said, Follow me.\r\n");
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(TagParserTest, HiddenClassesLeaveOutTheirContent)
{
    const std::string text = "a|TPpre|Tpb|TUun|Tuc|TNnote|Tnd|TVvar|Tve";
    EXPECT_EQ(Parse(text), kBase + "a\\plain\\f3\\fs21\\cf6 pre" + kBase + "b\\plain\\f3\\fs21\\cf12\\i un" + kBase +
                               "c\\plain\\f3\\fs21\\cf8 note" + kBase + "d\\plain\\f3\\fs14\\cf9 var" + kBase +
                               "e\r\n\\par");
    ShowAll(0);
    EXPECT_EQ(Parse(text), kBase + "abcde\r\n\\par");
    // Hidden sections skip whatever tags they hold.
    EXPECT_EQ(Parse("x|TNa|RG1|Rg|TBb|Tn y"), kBase + "x y\r\n\\par");
    // A stray closing tag of a hidden class is dropped.
    EXPECT_EQ(Parse("x|Tn y"), kBase + "x y\r\n\\par");
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(TagParserTest, AlwaysShownFormatsAndTheirClosings)
{
    EXPECT_EQ(Parse("|TBb|Tb|TIi|Ti|TRr|Tr"),
              kBase + "\\b b\\b0" + kBase + "\\i i\\i0" + kBase + "\\super r\\nosupersub" + kBase + "\r\n\\par");
    EXPECT_EQ(Parse("|TEown|Te|TGgr|Tg"),
              kBase + "\\plain\\f3\\fs21\\cf3 own" + kBase + "\\plain\\f11\\fs27\\cf4 gr" + kBase + "\r\n\\par");
    // Nested pairs restore the enclosing format.
    EXPECT_EQ(Parse("|TJa|TBb|Tbc|Tj"), kBase + "\\plain\\f3\\fs21\\cf7 a\\b b\\b0\\plain\\f3\\fs21\\cf7 c" + kBase +
                                            "\r\n\\par");
    // Lexicon comments use the lexicon rows for Greek and Hebrew.
    EXPECT_EQ(Parse("|TGg|Tg|THab|Th", 1), "\\plain\\f3\\fs21\\cf23 \\plain\\f11\\fs27\\cf25 g\\plain\\f3\\fs21\\cf23 "
                                           "\\plain\\f12\\fs36\\cf24 ba\\plain\\f3\\fs21\\cf23 \r\n");
}

TEST_F(TagParserTest, GreekModulesStartFromTheGreekBase)
{
    datawindow[0].language = SCRIPT_GREEK;
    EXPECT_EQ(Parse("logos|TEx|Te"),
              "\\ql\\plain\\f11\\fs27\\cf17 logos\\plain\\f3\\fs21\\cf3 x\\ql\\plain\\f11\\fs27\\cf17 \r\n\\par");
}

TEST_F(TagParserTest, ParagraphsFontSwitchAndUnknownTags)
{
    EXPECT_EQ(Parse("one\r\ntwo"), kBase + "one\\par two\r\n\\par");
    EXPECT_EQ(Parse("a|SC2b|SC9c|SC"), kBase + "a\\f5 b\\f3 c\\f3 \r\n\\par");
    EXPECT_EQ(Parse("a|XYb|Qqc|"), kBase + "abc\r\n\\par");
    EXPECT_EQ(Parse("a|X"), kBase + "a\r\n\\par");
    // Text is not escaped: braces and backslashes go through as RTF.
    EXPECT_EQ(Parse("\\b{x}"), kBase + "\\b{x}\r\n\\par");
}

TEST_F(TagParserTest, ReferencesAreResolvedAgainstTheBookTable)
{
    EXPECT_EQ(Parse("see |RROTGen:1:1|Rr."),
              kBase + "see  {\\ul\\f3\\fs16\\cf13 Gn\\~1:1}" + kBase + ".\r\n\\par");
    EXPECT_EQ(Parse("|RRNTMatt:5:3|Rr"), kBase + " {\\ul\\f3\\fs16\\cf13 NTMatt5:3}" + kBase + "\r\n\\par");
    EXPECT_EQ(Parse("|RRnocolon|Rr"), kBase + " {\\ul\\f3\\fs16\\cf13 nocolon}" + kBase + "\r\n\\par");
    // A reference that starts with a digit keeps it: the colour number ends before it.
    EXPECT_EQ(Parse("|RR2:1|Rr"), kBase + " {\\ul\\f3\\fs16\\cf13 21}" + kBase + "\r\n\\par");
    datawindow[0].show_tag_reference = 0;
    // Hidden references are plain text, still resolved against the book table.
    EXPECT_EQ(Parse("see |RROTGen:1:1|Rr."), kBase + "see Gn\\~1:1.\r\n\\par");
    EXPECT_EQ(Parse("|RRNTMatt:5:3|Rr"), kBase + "NTMatt5:3\r\n\\par");
}

TEST_F(TagParserTest, StrongsNumbersAndSearchHits)
{
    EXPECT_EQ(Parse("w|RH7225|Rh"), kBase + "w {\\up\\ul\\f3\\fs14\\cf14 H7225}" + kBase + "\r\n\\par");
    EXPECT_EQ(Parse("w|RHabc|Rh"), kBase + "w {\\up\\ul\\f3\\fs14\\cf14 H0}" + kBase + "\r\n\\par");
    EXPECT_EQ(Parse("|SSword|Ss"), kBase + "{\\cf16 word}\r\n\\par");
    // A hit right before a link paints the link in the hit colour once.
    EXPECT_EQ(Parse("|SS|RG26|Rg|Ss|RG3|Rg"), kBase + "{\\cf16  {\\up\\ul\\f3\\fs14\\cf16 G26}" + kBase +
                                                  "\\cf16 } {\\up\\ul\\f3\\fs14\\cf15 G3}" + kBase + "\r\n\\par");
    // A hit that spans a tag: the text after the tag is still in the hit colour.
    EXPECT_EQ(Parse("|SSa|RG26|Rg b|Ss c"), kBase + "{\\cf16 a {\\up\\ul\\f3\\fs14\\cf15 G26}" + kBase +
                                                "\\cf16  b} c\r\n\\par");
    EXPECT_STREQ(rtftag[15].rtf1, " {\\up\\ul\\f3\\fs14\\cf15");
}

TEST_F(TagParserTest, HebrewRunsAreReversedWithTheirMarks)
{
    const std::string th = "\\plain\\f12\\fs36\\cf5 ";
    EXPECT_EQ(Parse("x|THabc|Thy"), kBase + "x" + th + "cba" + kBase + "y\r\n\\par");
    EXPECT_EQ(Parse("|TH|Th"), kBase + th + kBase + "\r\n\\par");
    EXPECT_EQ(Parse("|THa\\b|Th"), kBase + th + "b\\\\a" + kBase + "\r\n\\par");
    // Search marks inside Hebrew stay in the run and are turned round.
    EXPECT_EQ(Parse("|THab|SScd|Ssef|Th"), kBase + th + "fe{\\cf16 dc}ba" + kBase + "\r\n\\par");
}

TEST_F(TagParserTest, MorphologyLemmaAndOneWordPerLine)
{
    EXPECT_EQ(Parse("logos|MGN-NSM|Mg"),
              kBase + "logos\\plain\\f3\\fs14\\cf18 (N-NSM)" + kBase + "\r\n\\par");
    EXPECT_EQ(Parse("a|LGlogos|Lgb"), kBase + "a\\plain\\f3\\fs14\\cf20 (\\plain\\f11\\fs27\\cf20 logos"
                                              "\\plain\\f3\\fs14\\cf20 )\\plain\\f3\\fs21\\cf3 b\r\n\\par");
    datawindow[0].show_tag_morph_greek = 0;
    EXPECT_EQ(Parse("logos|MGN-NSM|Mg x|LGlogos|Lg"), kBase + "logos x\r\n\\par");
    datawindow[0].show_tag_morph_greek = 1;
    datawindow[0].morph_line = 1;
    EXPECT_EQ(Parse("a b"), kBase + "a\\par b\r\n\\par");
    EXPECT_EQ(Parse("a b", 1), "\\plain\\f3\\fs21\\cf23 a b\r\n");
    EXPECT_TRUE(g_boxes.empty());

    // A code of 32 characters: the first 31 are used, the 32nd is lost.
    std::string code = "ABCDEFGHIJKLMNOPQRSTUVWXYZ01234567";  // 34
    EXPECT_EQ(Parse("|MG" + code + "|Mg"),
              kBase + "\\plain\\f3\\fs14\\cf18 (" + code.substr(0, 31) + "67)" + kBase + "\r\n\\par");
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], "Internal Error - please report!: Too small buffer for Greek morphology");
}

TEST_F(TagParserTest, UnpairedTagsShowTheCorruptedFileMessage)
{
    // A hidden section without its end.
    datawindow[0].show_tag_note = 0;
    EXPECT_EQ(Parse("a|TNnever closed"), kBase + "a");
    ASSERT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(g_boxes[0], kCorrupted);
    g_boxes.clear();

    // One stray closing tag pops the base; the error follows at once.
    datawindow[0].show_tag_note = 1;
    EXPECT_EQ(Parse("a|Tnb"), kBase + "a" + kBase);
    EXPECT_EQ(g_boxes.size(), 1u);
    g_boxes.clear();

    // Morphology and lemma without a closing tag.
    EXPECT_EQ(Parse("|MGV-PAI"), kBase);
    EXPECT_EQ(Parse("|LGlogos"), kBase);
    EXPECT_EQ(g_boxes.size(), 2u);
    g_boxes.clear();

    // More opening tags than the stack holds are refused.
    std::string deep;
    for (int k = 0; k < 300; ++k) deep += "|TB";
    std::string out = Parse(deep, 0, 16384);
    EXPECT_EQ(g_boxes.size(), 1u);
    EXPECT_EQ(out.size(), kBase.size() + 3u * (LT_MAX - 4));
}

TEST_F(TagParserTest, OutputStaysInsideTheBuffer)
{
    std::string text(10000, 'x');
    const int size = 4096;
    std::vector<char> out(size + 16, '#');
    int end = BK_ParseTagsCZ(text.c_str(), 0, out.data(), size, 100, 0);
    EXPECT_EQ(end, size);
    for (int k = size; k < size + 16; ++k) EXPECT_EQ(out[static_cast<std::size_t>(k)], '#');
    // Appending starts at index; at the stop margin nothing is added.
    EXPECT_EQ(BK_ParseTagsCZ("abc", 0, out.data(), size, size - 2048, 0), size - 2048 + static_cast<int>(kBase.size()));
    EXPECT_EQ(BK_ParseTagsCZ("abc", 0, out.data(), 100, 0, 0), static_cast<int>(kBase.size()));
    EXPECT_EQ(BK_ParseTagsCZ("abc", 0, out.data(), size, size, 0), size);
}

TEST_F(TagParserTest, LabelsCarryBookChapterAndVerseWhenFull)
{
    BOOK_RECORD& r = g_book_record;
    r.book_position = BOOK_POSITION{0, 2, 3, 7};
    BK_GenerujPopisku(&r, 0, 1);
    EXPECT_STREQ(r.name, "Revelation 3:7 ");
    BK_GenerujPopisku(&r, 0, 0);
    EXPECT_STREQ(r.name, "7 ");
    r.book_position.verse = 1;
    BK_GenerujPopisku(&r, 0, 0);
    EXPECT_STREQ(r.name, "Revelation 3:1 ");
    datawindow[0].language = SCRIPT_HEBREW;
    BK_GenerujPopisku(&r, 0, 1);
    EXPECT_STREQ(r.name, " Revelation 3:1");
    r.book_position.verse = 9;
    BK_GenerujPopisku(&r, 0, 0);
    EXPECT_STREQ(r.name, " 9");
    // A long book name is cut to 63 characters.
    std::memset(g_books[1].name, 'N', sizeof g_books[1].name);
    datawindow[0].language = SCRIPT_LATIN;
    BK_GenerujPopisku(&r, 0, 1);
    EXPECT_EQ(std::strlen(r.name), 32u + std::strlen(" 3:9 "));
}
