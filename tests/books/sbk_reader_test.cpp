#include "books/sbk_reader.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/message.h"
#include "books/book_fixture.h"

using namespace testbooks;
using modwriter::Book;
using modwriter::BookModule;
using modwriter::Verse;

namespace {

BookModule SmallModule()
{
    BookModule m;
    m.info = {{"IA", "KJV"}, {"IT", "King James Version"}, {"II", "About it"},
              {"IC", "Public domain"}, {"IP", "someone"}, {"IU", "http://example.org"}};
    Book gen{"Genesis", "Gen", "OTGen"};
    gen.verses = {{1, 1, "In the beginning"}, {1, 2, "And the earth"}, {2, 1, "Thus the heavens"}};
    Book exo{"Exodus", "Exo", "OTExod"};
    exo.verses = {{1, 1, "Now these are the names"}};
    m.books = {gen, exo};
    return m;
}

SvFile* Memory(const std::string& bytes)
{
    return SvOpenMemory(bytes.data(), bytes.size());
}

int Probe(const std::string& bytes)
{
    SvFile* f = Memory(bytes);
    int r = ScanSBKInfo(f, 0);
    SvClose(f);
    return r;
}

int32_t NumberFrom(const std::string& text)
{
    SvFile* f = Memory(text);
    int32_t n = GetPositiveNumberFromFile(f);
    SvClose(f);
    return n;
}

std::vector<std::string> g_boxes;
int RecordBox(void*, const char* text, const char*, unsigned)
{
    g_boxes.push_back(text);
    return SV_IDOK;
}

} // namespace

using SbkHeaderTest = BookTest;
using SbkRecordTest = BookTest;

TEST_F(SbkHeaderTest, SignatureAndVersionAreCheckedByBothScans)
{
    EXPECT_EQ(Probe(modwriter::BuildBookModule(SmallModule())), 1);
    EXPECT_STREQ(datafile[0].abbrev, "KJV");
    EXPECT_STREQ(datafile[0].title, "King James Version");

    for (int version : {1, 3}) {
        BookModule m = SmallModule();
        m.version = version;
        std::string bytes = modwriter::BuildBookModule(m);
        EXPECT_EQ(Probe(bytes), 0) << version;
        EXPECT_EQ(OpenInWindow(bytes), 0) << version;
    }
    BookModule m = SmallModule();
    m.magic = "hblx";
    EXPECT_EQ(Probe(modwriter::BuildBookModule(m)), 0);
    EXPECT_EQ(Probe("hbb"), 0);
    EXPECT_EQ(Probe(""), 0);
    EXPECT_EQ(ScanSBKInfo(nullptr, 0), 0);
    EXPECT_EQ(ScanSBKInfoEx(nullptr, 0), 0);
}

TEST_F(SbkHeaderTest, FullScanFillsTheWindowRecord)
{
    BookModule m = SmallModule();
    m.language = 2;
    m.charset = {161, 0, 2, 0, 0, 0, 0, 238};
    m.tag_advanced = 1;
    // preface christ note variant unused reference strongH strongG bold italic morphH morphG
    m.tag_caps = {1, 2, 3, 0, 5, 6, 7, 4, 1, 1, 0, 3};
    m.morph_greek_type = 7;
    m.collation.letters = {"a", "b", "ch", "d"};
    m.collation.joins_next = {true, false, false, true};
    std::string bytes = modwriter::BuildBookModule(m);
    ASSERT_EQ(OpenInWindow(bytes), 1);
    const DATAWINDOW& w = datawindow[0];
    EXPECT_EQ(w.language, 2);
    EXPECT_EQ(w.books, 2);
    EXPECT_EQ(w.charset[0], 161);
    EXPECT_EQ(w.charset[2], 2);
    EXPECT_EQ(w.charset[7], 238);
    EXPECT_EQ(w.filesize, static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(w.tag_advanced, 1);
    EXPECT_EQ(w.tag_morph_greek_type, 7);
    // bit 0 gives tag_*, (b & 3) of 1 or 2 gives show_tag_*.
    EXPECT_EQ(w.tag_preface, 1);
    EXPECT_EQ(w.show_tag_preface, 1);
    EXPECT_EQ(w.tag_christ, 0);
    EXPECT_EQ(w.show_tag_christ, 1);
    EXPECT_EQ(w.tag_note, 1);
    EXPECT_EQ(w.show_tag_note, 0);
    EXPECT_EQ(w.tag_variant, 0);
    EXPECT_EQ(w.show_tag_variant, 0);
    EXPECT_EQ(w.tag_unused, 1);
    EXPECT_EQ(w.show_tag_unused, 1);
    EXPECT_EQ(w.tag_reference, 0);
    EXPECT_EQ(w.show_tag_reference, 1);
    EXPECT_EQ(w.tag_strong_hebrew, 1);
    EXPECT_EQ(w.show_tag_strong_hebrew, 0);
    EXPECT_EQ(w.tag_strong_greek, 0);
    EXPECT_EQ(w.show_tag_strong_greek, 0);
    EXPECT_EQ(w.tag_bold, 1);
    EXPECT_EQ(w.tag_italic, 1);
    EXPECT_EQ(w.tag_morph_hebrew, 0);
    EXPECT_EQ(w.tag_morph_greek, 1);
    EXPECT_EQ(w.show_tag_morph_greek, 0);
    EXPECT_EQ(w.tag_keyword_reference, 0);
    EXPECT_EQ(w.show_tag_keyword_reference, 0);

    // The book table, with the offsets of the runs.
    modwriter::BookLayout layout;
    modwriter::BuildBookModule(m, &layout);
    EXPECT_EQ(w.tag_info, layout.tag_info);
    EXPECT_EQ(w.tag_data, layout.tag_data);
    EXPECT_STREQ(w.book_info[1].name, "Exodus");
    EXPECT_STREQ(w.book_info[1].abbrev_name, "Exo");
    EXPECT_STREQ(w.book_info[1].sync_name, "OTExod");
    EXPECT_EQ(w.book_info[0].offset, w.tag_data);
    EXPECT_EQ(w.book_info[0].chapters, 2);
    EXPECT_EQ(w.book_info[1].offset, w.book_info[0].offset + w.book_info[0].length);
    EXPECT_EQ(w.book_info[1].offset + w.book_info[1].length, w.filesize);

    // Collation: table in the first half, one flag per 2-byte slot after it.
    EXPECT_EQ(std::string(w.razeni[0], 8), std::string("a\0b\0chd\0", 8));
    EXPECT_EQ(w.razeni[1][0], 1);
    EXPECT_EQ(w.razeni[1][2], 0);
    EXPECT_EQ(w.razeni[1][6], 1);
    EXPECT_EQ(w.razeni[1][1], 0);

    EXPECT_STREQ(w.abbrev, "KJV");
    EXPECT_STREQ(w.title, "King James Version");
    EXPECT_STREQ(w.info, "About it");
    EXPECT_STREQ(w.copyright, "Public domain");
    EXPECT_STREQ(w.contact, "someone");
    EXPECT_STREQ(w.url, "http://example.org");
}

TEST_F(SbkHeaderTest, WindowDefaultsFromHeaderBytes)
{
    struct Case {
        int byte;
        int expect_on;
    } cases[] = {{0, 1}, {1, 0}, {2, 1}};
    for (const Case& c : cases) {
        BookModule m = SmallModule();
        m.sync_byte = c.byte;
        m.scroll_byte = c.byte;
        m.no_jumps = c.byte;
        ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(m)), 1);
        EXPECT_EQ(datawindow[0].sync, c.expect_on) << c.byte;
        EXPECT_EQ(datawindow[0].scroll_verse, c.expect_on) << c.byte;
        EXPECT_EQ(datawindow[0].no_jumps, c.byte);
    }
}

TEST_F(SbkHeaderTest, InfoItemsAreCutFirstOccurrenceWinsAndMissingOnesStayEmpty)
{
    BookModule m = SmallModule();
    m.info = {{"IT", std::string(70, 'T')}, {"IA", "ABCDEFGHIJKLMNOPQRST"}, {"IA", "second"}, {"IU", ""}};
    std::string bytes = modwriter::BuildBookModule(m);
    ASSERT_EQ(Probe(bytes), 1);
    EXPECT_STREQ(datafile[0].abbrev, "ABCDEFGHIJKLMNO");
    EXPECT_EQ(std::string(datafile[0].title), std::string(63, 'T'));
    ASSERT_EQ(OpenInWindow(bytes), 1);
    EXPECT_STREQ(datawindow[0].abbrev, "ABCDEFGHIJKLMNO");
    EXPECT_EQ(std::string(datawindow[0].title), std::string(63, 'T'));
    EXPECT_STREQ(datawindow[0].info, "");
    EXPECT_STREQ(datawindow[0].copyright, "");
    EXPECT_STREQ(datawindow[0].url, "");

    // Long book names are cut by the forced terminators.
    m = SmallModule();
    m.books[0].name = std::string(40, 'N');
    m.books[0].abbrev_name = "ABCDEFGHIJ";
    m.books[0].sync_name = "OTGenesis";
    ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(m)), 1);
    EXPECT_EQ(std::string(datawindow[0].book_info[0].name), std::string(31, 'N'));
    EXPECT_STREQ(datawindow[0].book_info[0].abbrev_name, "ABCDEFG");
    EXPECT_STREQ(datawindow[0].book_info[0].sync_name, "OTGenes");
}

TEST_F(SbkHeaderTest, TablesOutsideTheFileAreRejected)
{
    // The probe reads only the info block, so a damaged book count does not
    // matter to it; no absurd allocation is tried and no message shown.
    g_boxes.clear();
    MessageBoxHandler previous = SetMessageBoxHandler(RecordBox);
    struct Case {
        const char* what;
        void (*damage)(BookModule&);
        int probe;
    } cases[] = {
        {"tag_data before tag_info", [](BookModule& m) { m.tag_data_override = 1100; m.tag_info_override = 1200; }, 0},
        {"info block past the end", [](BookModule& m) { m.tag_data_override = 50000000; }, 0},
        {"negative tag_info", [](BookModule& m) { m.tag_info_override = -5; }, 0},
        {"absurd book count", [](BookModule& m) { m.book_count_override = 0x7fffffff; }, 1},
        {"negative book count", [](BookModule& m) { m.book_count_override = -1; }, 1},
        {"book table past the end", [](BookModule& m) { m.book_count_override = 1000; }, 1},
    };
    for (const Case& c : cases) {
        BookModule m = SmallModule();
        c.damage(m);
        std::string bytes = modwriter::BuildBookModule(m);
        EXPECT_EQ(OpenInWindow(bytes), 0) << c.what;
        EXPECT_EQ(datawindow[0].book_info, nullptr) << c.what;
        EXPECT_EQ(Probe(bytes), c.probe) << c.what;
    }
    SetMessageBoxHandler(previous);
    EXPECT_TRUE(g_boxes.empty());
}

TEST_F(SbkRecordTest, NumbersHaveOneToEightDigitsAndEndWithAComma)
{
    EXPECT_EQ(NumberFrom("0,"), 0);
    EXPECT_EQ(NumberFrom("12345678,"), 12345678);
    EXPECT_EQ(NumberFrom("99999999,x"), 99999999);
    EXPECT_EQ(NumberFrom("123456789,"), -1);
    EXPECT_EQ(NumberFrom(","), -1);
    EXPECT_EQ(NumberFrom("12a,"), -1);
    EXPECT_EQ(NumberFrom("-1,"), -1);
    EXPECT_EQ(NumberFrom("12"), -1);
    EXPECT_EQ(NumberFrom(""), -1);
    EXPECT_EQ(GetPositiveNumberFromFile(nullptr), -1);

    // The comma is consumed: the next number follows.
    SvFile* f = Memory("1,22,333,");
    EXPECT_EQ(GetPositiveNumberFromFile(f), 1);
    EXPECT_EQ(GetPositiveNumberFromFile(f), 22);
    EXPECT_EQ(GetPositiveNumberFromFile(f), 333);
    EXPECT_EQ(GetPositiveNumberFromFile(f), -1);
    SvClose(f);
}

TEST_F(SbkRecordTest, ReadsTheRecordAtOrAfterTheOffset)
{
    BookModule m = SmallModule();
    m.books[0].verses[1].text = "|Ma word|Mb with |S1tags |Sx and a pipe at the end|";
    modwriter::BookLayout layout;
    ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(m, &layout)), 1);
    BOOK_RECORD& r = g_book_record;

    r.book_position.number = 0;
    r.offset = 0;
    ASSERT_EQ(BK_CtiRecord(&r), 1);
    EXPECT_EQ(r.offset, datawindow[0].tag_data);
    EXPECT_EQ(r.book_position.book, 1);
    EXPECT_EQ(r.book_position.chapter, 1);
    EXPECT_EQ(r.book_position.verse, 1);
    EXPECT_EQ(r.delka, 16);
    EXPECT_STREQ(r.buffer, "In the beginning");

    // A tagged text is read whole; from inside it the next "|S0" is found,
    // even right after a "|" that ends the text.
    r.offset = layout.records[1].offset;
    ASSERT_EQ(BK_CtiRecord(&r), 1);
    EXPECT_EQ(std::string(r.buffer), m.books[0].verses[1].text);
    r.offset = layout.records[1].text_offset + 1;
    ASSERT_EQ(BK_CtiRecord(&r), 1);
    EXPECT_EQ(r.offset, layout.records[2].offset);
    EXPECT_EQ(r.book_position.chapter, 2);
    EXPECT_STREQ(r.buffer, "Thus the heavens");

    // Inside the last record of the file: nothing more.
    r.offset = layout.records.back().offset + 1;
    EXPECT_EQ(BK_CtiRecord(&r), 0);
    r.offset = 1 << 30;
    EXPECT_EQ(BK_CtiRecord(&r), 0);
    r.offset = -4;
    EXPECT_EQ(BK_CtiRecord(&r), 0);

    // Without an open module nothing is read.
    datafile[0].opened = 0;
    r.offset = 0;
    EXPECT_EQ(BK_CtiRecord(&r), 0);
    datafile[0].opened = 1;
    r.book_position.number = 31;
    EXPECT_EQ(BK_CtiRecord(&r), 0);
    r.book_position.number = -1;
    EXPECT_EQ(BK_CtiRecord(&r), 0);
    EXPECT_EQ(BK_CtiRecord(nullptr), 0);
}

TEST_F(SbkRecordTest, LongTextsAreCutToTheBufferAndBadRecordsLeaveItAlone)
{
    std::string header = modwriter::BuildBookModule(SmallModule());
    // A record whose length field says 200000, with the text really there.
    std::string big = header + modwriter::EncodeVerseRecord(3, 1, 1, std::string(200000, 'x'));
    ASSERT_EQ(OpenInWindow(big), 1);
    BOOK_RECORD& r = g_book_record;
    r.book_position.number = 0;
    r.offset = static_cast<int32_t>(header.size());
    ASSERT_EQ(BK_CtiRecord(&r), 1);
    EXPECT_EQ(r.delka, 128000);
    EXPECT_EQ(std::strlen(r.buffer), 127999u);

    std::string exact = header + modwriter::EncodeVerseRecord(3, 1, 1, std::string(128000, 'y'));
    ASSERT_EQ(OpenInWindow(exact), 1);
    ASSERT_EQ(BK_CtiRecord(&r), 1);
    EXPECT_EQ(r.delka, 128000);
    EXPECT_EQ(std::strlen(r.buffer), 127999u);

    struct Case {
        const char* what;
        std::string record;
    } cases[] = {
        {"nine digits", "|S0,1,1,123456789,abc"},
        {"no comma", "|S0,1;1,1,3,abc"},
        {"text cut by the end of the file", "|S0,1,1,1,50,short"},
        {"header cut by the end of the file", "|S0,1,1"},
        {"empty number", "|S0,1,,1,3,abc"},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(OpenInWindow(header + c.record), 1);
        std::strcpy(r.buffer, "untouched");
        r.offset = static_cast<int32_t>(header.size());
        EXPECT_EQ(BK_CtiRecord(&r), 0) << c.what;
        EXPECT_STREQ(r.buffer, "untouched") << c.what;
    }

    // Eight digits are accepted, and any byte may follow "|S0".
    ASSERT_EQ(OpenInWindow(header + "|S0\xff" "00000001,00000002,00000003,00000004,abcd"), 1);
    r.offset = static_cast<int32_t>(header.size());
    ASSERT_EQ(BK_CtiRecord(&r), 1);
    EXPECT_EQ(r.book_position.chapter, 2);
    EXPECT_EQ(r.book_position.verse, 3);
    EXPECT_STREQ(r.buffer, "abcd");
}
