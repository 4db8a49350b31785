// The lexicon reader on lexicons written by the module writer.
#include <string>

#include "lex/lex_fixture.h"

using namespace testlex;

namespace {

LXRECORD& Read(int offset, int direction, int mode = 0)
{
    static LXRECORD r;
    r.id_file = 0;
    r.offset = offset;
    r.cislo = -1;
    EXPECT_TRUE(LX_CtiRecord(&r, direction, mode)) << "offset " << offset;
    return r;
}

} // namespace

TEST_F(LexTest, HeaderScanFillsTheWindow)
{
    modwriter::LexiconModule m;
    m.language = 2;
    m.keyword_charset = 161;
    m.header_charset = 238;
    m.charset = {0, 2, 161, 177, 0, 0, 0, 9};
    // preface 01 -> 1/1, christ 10 -> 0/1, note 11 -> 1/0, variant 00 -> 0/0,
    // high bits do not count; the last byte is copied whole.
    m.tag_bytes = {1, 2, 3, 0, 0xFD, 0, 1, 0, 2, 0, 0, 0, 1, 7};
    m.keyword_strong = 2;
    m.extra_data = 1;
    m.no_jumps = 1;
    m.sync_byte = 1;
    m.labels = {{"Pronunciation", 1}, {"Part of speech", 0}};
    m.collation.letters = {"a", "b", "ch", "c"};
    m.collation.joins_next = {true, false, false, false};
    m.books = {modwriter::Book("Genesis", "Gen", "OTGen"), modwriter::Book("Matthew", "Mat", "NTMatt")};
    m.info = {{"IA", "ABBREVIATIONTOOLONG1"}, {"IT", "Title"}, {"II", "Info"}, {"IC", "Copy"},
              {"IP", "Contact"}, {"IU", "http://x"}};
    modwriter::LexEntry e;
    e.keyword = "abba";
    e.strong = "G5";
    e.body = "text";
    m.entries = {e, e, e};
    m.entries[1].keyword = "abbac";
    m.entries[1].deleted = true;
    m.entries[2].keyword = "chi";
    m.entries[2].strong = "";
    std::string error;
    const std::string bytes = modwriter::BuildLexiconModule(m, &error);
    ASSERT_EQ(error, "");
    ASSERT_EQ(OpenLexicon(bytes), 1);
    const DATAWINDOW& w = datawindow[0];
    EXPECT_EQ(w.language, 2);
    EXPECT_EQ(w.lx_keyword_charset, 161);
    EXPECT_EQ(w.lx_header_charset, 238);
    EXPECT_EQ(w.lx_charset[2], 161);
    EXPECT_EQ(w.lx_charset[7], 9);
    EXPECT_EQ(w.tag_preface * 10 + w.show_tag_preface, 11);
    EXPECT_EQ(w.tag_christ * 10 + w.show_tag_christ, 1);
    EXPECT_EQ(w.tag_note * 10 + w.show_tag_note, 10);
    EXPECT_EQ(w.tag_variant * 10 + w.show_tag_variant, 0);
    EXPECT_EQ(w.tag_unused * 10 + w.show_tag_unused, 11);  // 0xFD: low bits 01
    EXPECT_EQ(w.tag_keyword_reference * 10 + w.show_tag_keyword_reference, 11);
    EXPECT_EQ(w.tag_strong_greek * 10 + w.show_tag_strong_greek, 1);
    EXPECT_EQ(w.tag_morph_greek * 10 + w.show_tag_morph_greek, 11);
    EXPECT_EQ(w.tag_morph_greek_type, 7);
    EXPECT_EQ(w.tag_advanced, 1);
    EXPECT_EQ(w.lx_keyword_strong, 2);
    EXPECT_EQ(w.lx_extra_data, 1);
    EXPECT_EQ(w.no_jumps, 1);
    EXPECT_EQ(w.sync, 0);  // stored inverted
    EXPECT_EQ(w.lx_pocet_zahlavi, 2);
    EXPECT_STREQ(w.lx_zahlavi[0].zah_label, "Pronunciation");
    EXPECT_EQ(w.lx_zahlavi[0].zah_flag1, 1);
    EXPECT_STREQ(w.lx_zahlavi[1].zah_label, "Part of speech");
    EXPECT_EQ(w.books, 2);
    EXPECT_STREQ(w.book_info[1].sync_name, "NTMatt");
    EXPECT_EQ(w.book_info[1].offset, 0);
    EXPECT_EQ(w.lx_book_info_offset, 1024);
    EXPECT_EQ(w.lx_strong_offset, 1024 + 120);
    EXPECT_EQ(w.lx_strong_records, 1);  // the deleted record and "chi" have none
    EXPECT_EQ(w.lx_strong_index[0].strong, 5u);
    EXPECT_EQ(w.lx_records_all, 3);
    EXPECT_EQ(w.lx_deleted_records, 1);
    EXPECT_EQ(w.lx_filter_hits, 3);
    EXPECT_EQ(w.lx_filter[0] | w.lx_filter[1] | w.lx_filter[2], 0);
    EXPECT_STREQ(w.abbrev, "ABBREVIATIONTOO");  // 15 characters
    EXPECT_STREQ(w.url, "http://x");
    EXPECT_EQ(w.filesize, static_cast<int>(bytes.size()));
    // Collation: "a" ties with "b"; entries are 2 bytes.
    EXPECT_EQ(w.razeni[0][0], 'a');
    EXPECT_EQ(w.razeni[0][4], 'c');
    EXPECT_EQ(w.razeni[0][5], 'h');
    EXPECT_EQ(w.razeni[1][0], 1);
    EXPECT_EQ(w.razeni[1][1] | w.razeni[1][2], 0);

    // The catalogue probe reads the same file.
    EXPECT_EQ(ScanLEXInfo(datafile[0].file, 3), 1);
    EXPECT_STREQ(datafile[3].title, "Title");
}

TEST_F(LexTest, HeaderScanRefusesOtherFilesAndDamagedTables)
{
    modwriter::LexiconModule m = Numbered(3);
    m.version = 2;
    EXPECT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 0);
    m = Numbered(3);
    m.magic = "hbbk";
    EXPECT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 0);
    m = Numbered(3);
    m.tag_data_override = 1 << 30;
    EXPECT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 0);
    m = Numbered(3);
    m.records_all_override = 1 << 30;  // more records than bytes
    EXPECT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 0);
    EXPECT_EQ(OpenLexicon(std::string(100, 'h')), 0);
    // No Strong index: the lookups return 0 at once.
    m = Numbered(3);
    m.strong_index = false;
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    EXPECT_EQ(datawindow[0].lx_strong_offset, 0);
    EXPECT_EQ(datawindow[0].lx_strong_records, 0);
    EXPECT_EQ(LX_SearchFirstStrong(0, 1, 2, 1), 0);
}

TEST_F(LexTest, ReadsStepOverDeletedRecordsInBothDirections)
{
    std::vector<modwriter::LexPlace> at;
    const std::string bytes = modwriter::BuildLexiconModule(Numbered(5, true, {3}), nullptr, &at);
    ASSERT_EQ(OpenLexicon(bytes), 1);
    LXRECORD& r = Read(datawindow[0].lx_tag_data_offset, 0);
    EXPECT_EQ(r.cislo, 1);
    EXPECT_EQ(r.offset, at[0].offset);
    EXPECT_EQ(r.delka, at[0].delka);
    EXPECT_EQ(r.header_delka, at[0].header_delka);
    EXPECT_STREQ(r.slovo, "w0001");
    EXPECT_STREQ(r.strong, "H1");
    EXPECT_EQ(Read(at[1].offset + 1, 0).cislo, 4);  // over the deleted 3
    EXPECT_EQ(Read(at[3].offset, 1).cislo, 2);
    EXPECT_EQ(Read(at[1].offset, 1).cislo, 1);
    EXPECT_EQ(Read(static_cast<int>(bytes.size()), 1).cislo, 5);
    // The ends of the records.
    LXRECORD q{};
    q.id_file = 0;
    q.offset = at[0].offset;
    EXPECT_EQ(LX_CtiRecord(&q, 1, 0), 0);
    q.offset = at[4].offset + 1;
    EXPECT_EQ(LX_CtiRecord(&q, 0, 0), 0);
    // A module that is not open reads nothing.
    datafile[0].opened = 0;
    q.offset = at[0].offset;
    EXPECT_EQ(LX_CtiRecord(&q, 0, 0), 0);
}

TEST_F(LexTest, ARecordWithoutReferenceHasNone)
{
    modwriter::LexiconModule m = Numbered(2);
    m.entries[1].strong = "";
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    LXRECORD& r = Read(datawindow[0].lx_tag_data_offset, 0);
    EXPECT_STREQ(r.strong, "H1");
    r.offset += r.delka + 12;
    ASSERT_EQ(LX_CtiRecord(&r, 0, 0), 1);
    EXPECT_EQ(r.cislo, 2);
    EXPECT_STREQ(r.strong, "");
    r.offset = datawindow[0].lx_tag_data_offset;
    ASSERT_EQ(LX_CtiRecord(&r, 0, 1), 1);
    EXPECT_STREQ(r.strong, "H1");
    r.offset += r.delka + 12;
    ASSERT_EQ(LX_CtiRecord(&r, 0, 1), 1);
    EXPECT_STREQ(r.strong, "");
}

TEST_F(LexTest, FullReadTakesItemsExtraAndBody)
{
    modwriter::LexiconModule m;
    modwriter::LexEntry a;
    a.keyword = "alpha";
    a.strong = "H12";
    a.extra = std::string("\x01\x00\x7f", 3);
    a.items = {"zero", "one |TBbold|Tb", "two"};
    a.body = "The body |RG25|Rg text.";  // the last "|RG" of the header wins, not the body's
    a.filler = "xyz";
    a.skipped = 'Q';
    modwriter::LexEntry b;
    b.keyword = "beta";
    b.items = {"only"};
    b.body = std::string(128000, 'b');
    m.entries = {a, b};
    m.collation.letters = {"a", "b"};
    m.collation.joins_next = {false, false};
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    LXRECORD& r = Read(datawindow[0].lx_tag_data_offset, 0, 1);
    EXPECT_STREQ(r.slovo, "alpha");
    EXPECT_STREQ(r.strong, "H12");
    EXPECT_EQ(r.extra_delka, 3);
    EXPECT_EQ(std::string(r.extra, 3), std::string("\x01\x00\x7f", 3));
    EXPECT_STREQ(r.item[0], "zero");
    EXPECT_STREQ(r.item[1], "one |TBbold|Tb");
    EXPECT_STREQ(r.item[2], "two");
    EXPECT_STREQ(r.item[3], "");
    EXPECT_STREQ(r.buffer, "The body |RG25|Rg text.");
    // A body of exactly 128000 bytes keeps 127999.
    r.offset += r.delka + 12;
    ASSERT_EQ(LX_CtiRecord(&r, 0, 1), 1);
    EXPECT_EQ(std::strlen(r.buffer), 127999u);
    EXPECT_STREQ(r.item[0], "only");
    EXPECT_STREQ(r.item[1], "");
}

TEST_F(LexTest, FullReadFollowsTheHeaderRules)
{
    // Raw records: item 0 and item 2 without item 1; "|RH" and "|RG" both
    // in a header; an item that never closes; a body of 128001 bytes.
    auto record = [](int number, const std::string& header, const std::string& body) {
        return "|S1," + std::to_string(header.size() + body.size()) + "," + std::to_string(header.size()) + "," +
               std::to_string(number) + ",0," + header + body;
    };
    modwriter::LexiconModule m;
    m.check = false;
    m.records_all_override = 4;
    m.records = record(1, "|SKa|Sk|SH0x|Sh0|SH2z|Sh2", "b1") +
                record(2, "|SKb|Sk|RH7||SH0see |RG9|Rg|Sh0", "b2") +
                record(3, "|SKc|Sk|SH0open", "b3") +
                record(4, "|SKd|Sk", std::string(128001, 'd'));
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    LXRECORD& r = Read(datawindow[0].lx_tag_data_offset, 0, 1);
    EXPECT_STREQ(r.item[0], "x");
    EXPECT_STREQ(r.item[1], "");
    EXPECT_STREQ(r.item[2], "");
    r.offset += r.delka + 12;
    ASSERT_EQ(LX_CtiRecord(&r, 0, 1), 1);
    EXPECT_STREQ(r.strong, "G9");
    r.offset += r.delka + 12;
    EXPECT_EQ(LX_CtiRecord(&r, 0, 1), 0);  // item 0 never closes
    EXPECT_EQ(LX_CtiRecord(&r, 0, 0), 1);  // the quick read does not look at items
    r.offset += r.delka + 12;
    EXPECT_EQ(LX_CtiRecord(&r, 0, 0), 1);
    EXPECT_EQ(LX_CtiRecord(&r, 0, 1), 0);  // body above 128000
}

TEST_F(LexTest, MalformedRecordsFailTheRead)
{
    const char* const bad[] = {
        "|S1,12,7,1,0,|XKa|Sk",             // no "|SK"
        "|S1,x,7,1,0,|SKa|Sk",              // a number that is not one
        "|S1,123456789,7,1,0,|SKa|Sk",      // more than 8 digits
        "|S1,12,7,1;0,|SKa|Sk",             // ended by something else than a comma
        "|S1,13,13,1,0,|SKa|Sk|RH12345678|",  // Strong's reference too long
    };
    for (const char* rec : bad) {
        modwriter::LexiconModule m;
        m.check = false;
        m.records_all_override = 1;
        m.records = rec;
        ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
        LXRECORD r{};
        r.offset = datawindow[0].lx_tag_data_offset;
        EXPECT_EQ(LX_CtiRecord(&r, 0, 0), 0) << rec;
    }
    // A keyword of 128 bytes.
    modwriter::LexiconModule m;
    m.check = false;
    m.records_all_override = 1;
    const std::string header = "|SK" + std::string(128, 'k') + "|Sk";
    m.records = "|S1," + std::to_string(header.size()) + "," + std::to_string(header.size()) + ",1,0," + header;
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    LXRECORD r{};
    r.offset = datawindow[0].lx_tag_data_offset;
    EXPECT_EQ(LX_CtiRecord(&r, 0, 0), 0);
    EXPECT_EQ(LX_CtiRecord(&r, 0, 1), 0);
    EXPECT_TRUE(Boxes::texts().empty());

    // "|R" without a language letter is reported.
    m.records = "|S1,12,12,1,0,|SKa|Sk|RX1|";
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    r.offset = datawindow[0].lx_tag_data_offset;
    EXPECT_EQ(LX_CtiRecord(&r, 0, 0), 0);
    ASSERT_EQ(Boxes::texts().size(), 1u);
    EXPECT_EQ(Boxes::texts()[0],
              "BUG REPORT: Error level 2 (Errors): LX_CtiRecord: after |Sk found |R but without 'G' or 'H'!");
}

TEST_F(LexTest, SearchRecordFindsEveryLiveRecord)
{
    std::vector<int> deleted = {1, 2, 50, 51, 52, 399, 400};
    std::vector<modwriter::LexPlace> at;
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(Numbered(400, true, deleted), nullptr, &at)), 1);
    for (int k = 1; k <= 400; ++k) {
        const bool gone = std::find(deleted.begin(), deleted.end(), k) != deleted.end();
        EXPECT_EQ(LX_SearchRecord(0, k), gone ? 0 : at[k - 1].offset) << k;
    }
    EXPECT_EQ(LX_SearchRecord(0, 0), 0);
    EXPECT_EQ(LX_SearchRecord(0, 401), 0);
    LXRECORD r{};
    ASSERT_EQ(LX_FindRecordAtOrAfter(0, 50, &r), 1);
    EXPECT_EQ(r.cislo, 53);
    EXPECT_EQ(LX_FindRecordAtOrAfter(0, 399, &r), 0);
}

TEST_F(LexTest, StrongLookupComparesNumbersAndLanguage)
{
    modwriter::LexiconModule m = Numbered(30);
    m.entries[4].strong = "G0025";  // record 5
    m.entries[9].strong = "H25";    // record 10
    m.entries[19].strong = "G25";   // record 20
    m.entries[24].deleted = true;   // record 25 (H25 as well)
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    EXPECT_EQ(LX_SearchFirstStrong(0, 2, 25, 1), 5);
    EXPECT_EQ(LX_SearchFirstStrong(0, 2, 25, 6), 20);
    EXPECT_EQ(LX_SearchFirstStrong(0, 2, 25, 21), 0);
    EXPECT_EQ(LX_SearchFirstStrong(0, 1, 25, 1), 10);
    EXPECT_EQ(LX_SearchFirstStrong(0, 1, 25, 11), 0);
    EXPECT_EQ(LX_SearchFirstStrong(0, 1, 30, 1), 30);
    EXPECT_EQ(LX_SearchFirstStrong(0, 1, 31, 1), 0);
    EXPECT_EQ(LX_SearchFirstStrong(0, 3, 1, 1), 0);
    EXPECT_EQ(LX_StrongNumber("G0025"), 25);
    EXPECT_EQ(LX_StrongNumber("H"), -1);
    EXPECT_EQ(LX_StrongNumber("H1a"), -1);
}

TEST_F(LexTest, PasteHeadersStopsBeforeTheBufferIsFull)
{
    LXRECORD& r = g_lx_record;
    std::strcpy(r.buffer, "body");
    std::strcpy(r.item[0], "one");
    std::strcpy(r.item[1], "two");
    std::strcpy(r.item[2], "three");
    EXPECT_EQ(LX_PasteHeadersToBuffer(&r, 128000, 2), 1);
    EXPECT_STREQ(r.buffer, "body\x01one\x01two");
    std::strcpy(r.buffer, "body");
    // 4 + 4 + 4 = 12 bytes fit in 13, the third item would reach it.
    EXPECT_EQ(LX_PasteHeadersToBuffer(&r, 13, 3), 0);
    EXPECT_STREQ(r.buffer, "body\x01one\x01two");
    std::strcpy(r.buffer, "body");
    EXPECT_EQ(LX_PasteHeadersToBuffer(&r, 12, 3), 0);
    EXPECT_STREQ(r.buffer, "body\x01one");
}
