// The dictionary reader over dictionaries written by the module writer: the
// header scan, both read directions, records by number, the opposite index,
// and damaged files.
#include "dic_fixture.h"
#include "text/collation.h"

using namespace testdic;

namespace {

TEST_F(DicTest, HeaderScanFillsTheWindow)
{
    std::vector<modwriter::DicPlace> places;
    const std::string bytes = Build(LatinGreek(), &places);
    ASSERT_EQ(OpenDictionary(bytes), 1);
    const DATAWINDOW& w = datawindow[0];
    EXPECT_EQ(w.dic_lang_from, 0);
    EXPECT_EQ(w.dic_lang_to, 2);
    EXPECT_EQ(w.dic_charset_to, 161);
    EXPECT_EQ(w.dic_records_all, 10);
    EXPECT_EQ(w.dic_filter_hits, 10);
    EXPECT_EQ(w.dic_direction, 0);
    EXPECT_STREQ(w.dic_dicname[0], "Latin-Greek");
    EXPECT_STREQ(w.dic_dicname[1], "Greek-Latin");
    EXPECT_STREQ(w.abbrev, "LAGR");
    EXPECT_STREQ(w.title, "Latin-Greek word list");
    EXPECT_EQ(w.filesize, static_cast<int32_t>(bytes.size()));
    EXPECT_EQ(w.dic_index_offset - w.dic_tag_info_offset, static_cast<int32_t>(std::string("|IALAGR|ITLatin-Greek word list|").size()));
    // The index lists the records in Greek order.
    const int expected[10] = {1, 5, 7, 8, 10, 4, 9, 3, 2, 6};
    for (int k = 0; k < 10; ++k)
        EXPECT_EQ(w.dic_index[k], places[static_cast<std::size_t>(expected[k] - 1)].offset) << "position " << k + 1;
    // Collation B orders zeta before theta, unlike the byte codes.
    EXPECT_LT(PorovnejRetezce("zwh", "qeos", w.razeni[2]), 0);
    EXPECT_GT(PorovnejRetezce("zwh", "qeos", w.razeni[0]), 0);
}

TEST_F(DicTest, ScanRefusesOtherFilesAndBrokenAreas)
{
    modwriter::DictionaryModule m = LatinGreek();
    m.version = 4;
    EXPECT_EQ(OpenDictionary(Build(m)), 0);
    m = LatinGreek();
    m.magic = "hblx";
    EXPECT_EQ(OpenDictionary(Build(m)), 0);
    m = LatinGreek();
    m.records_all_override = 11;  // the index holds 10 entries
    EXPECT_EQ(OpenDictionary(Build(m)), 0);
    m = LatinGreek();
    m.data_offset_override = 99999999;
    EXPECT_EQ(OpenDictionary(Build(m)), 0);
    EXPECT_EQ(OpenDictionary(std::string("hbdi\x05", 5)), 0);
    EXPECT_TRUE(Boxes::texts().empty());
}

TEST_F(DicTest, ForwardAndBackwardReads)
{
    std::vector<modwriter::DicPlace> places;
    ASSERT_EQ(OpenDictionary(Build(LatinGreek(), &places)), 1);
    DICRECORD r{};
    r.id_file = 0;
    r.offset = 0;  // before the record area: the first record
    ASSERT_EQ(DIC_CtiRecord(&r, 0), 1);
    EXPECT_EQ(r.cislo, 1);
    EXPECT_EQ(r.offset, places[0].offset);
    EXPECT_STREQ(r.from, "amor");
    EXPECT_STREQ(r.to, "agaph");
    EXPECT_STREQ(r.note, "f");
    EXPECT_EQ(r.delka_from, 5);
    EXPECT_EQ(r.delka_to, 6);
    EXPECT_EQ(r.delka_note, 2);
    EXPECT_EQ(r.offset + r.delka_recordu, places[1].offset);

    // From inside a record forward: the next one; backward: the one holding it.
    r.offset = places[4].offset + 2;
    ASSERT_EQ(DIC_CtiRecord(&r, 0), 1);
    EXPECT_EQ(r.cislo, 6);
    r.offset = places[4].offset + 2;
    ASSERT_EQ(DIC_CtiRecord(&r, 1), 1);
    EXPECT_EQ(r.cislo, 5);
    EXPECT_STREQ(r.from, "homo");
    EXPECT_STREQ(r.note, "");  // an empty note stores its NUL alone
    EXPECT_EQ(r.delka_note, 1);
    // Backward from a marker: the record before it; nothing before the first.
    r.offset = places[1].offset;
    ASSERT_EQ(DIC_CtiRecord(&r, 1), 1);
    EXPECT_EQ(r.cislo, 1);
    r.offset = places[0].offset;
    EXPECT_EQ(DIC_CtiRecord(&r, 1), 0);
    // Forward past the last record; backward from the end of the file.
    r.offset = places[9].offset + 1;
    EXPECT_EQ(DIC_CtiRecord(&r, 0), 0);
    r.offset = datawindow[0].filesize;
    ASSERT_EQ(DIC_CtiRecord(&r, 1), 1);
    EXPECT_EQ(r.cislo, 10);
    // A module that is not open reads nothing.
    r.id_file = 7;
    r.offset = 0;
    EXPECT_EQ(DIC_CtiRecord(&r, 0), 0);
}

TEST_F(DicTest, RecordsByNumberAndOppositePositions)
{
    std::vector<modwriter::DicPlace> places;
    modwriter::DictionaryModule m = LatinGreek();
    // Enough records for the bisection to work.
    for (int k = 0; k < 300; ++k) {
        char from[16], to[16];
        std::snprintf(from, sizeof from, "z%03d", k);
        std::snprintf(to, sizeof to, "w%03d", k);
        m.entries.emplace_back(from, to);
    }
    ASSERT_EQ(OpenDictionary(Build(m, &places)), 1);
    for (const modwriter::DicPlace& p : places) {
        ASSERT_EQ(DIC_SearchRecord(0, p.number), p.offset) << p.number;
        ASSERT_EQ(DIC_GetOppositeIndexFromOffset(0, p.offset), p.opposite) << p.number;
    }
    EXPECT_EQ(DIC_SearchRecord(0, 0), 0);
    EXPECT_EQ(DIC_SearchRecord(0, 311), 0);
    EXPECT_EQ(DIC_GetOppositeIndexFromOffset(0, places[3].offset + 1), 0);
    EXPECT_EQ(DIC_GetOppositeIndexFromOffset(0, 0), 0);
}

TEST_F(DicTest, LanguagesFollowTheDirection)
{
    ASSERT_EQ(OpenDictionary(Build(HebrewLatin())), 1);
    EXPECT_EQ(DIC_GetLanguage(0, 0), 1);
    EXPECT_EQ(DIC_GetLanguage(0, 1), 0);
    EXPECT_EQ(DIC_IsActualComboLangHE(0), 1);
    datawindow[0].dic_direction = 1;
    EXPECT_EQ(DIC_GetLanguage(0, 0), 0);
    EXPECT_EQ(DIC_GetLanguage(0, 1), 1);
    EXPECT_EQ(DIC_IsActualComboLangHE(0), 0);
    EXPECT_EQ(DIC_IsActualComboLangGR(0), 0);
}

// Raw record bytes after the writer's records.
std::string WithRaw(const std::string& raw)
{
    modwriter::DictionaryModule m = LatinGreek();
    m.records = raw;
    m.check = false;
    return Build(m);
}

TEST_F(DicTest, MalformedRecordsAreRefused)
{
    std::vector<modwriter::DicPlace> places;
    Build(LatinGreek(), &places);
    const int32_t raw_at = places[9].offset + static_cast<int32_t>(modwriter::EncodeDicRecord(places[9].entry, 10).size());
    const std::string long_from = std::string(128, 'x');
    struct Case {
        std::string raw;
        int ok;
    } cases[] = {
        {"|S2,129,2,1,11," + long_from + "x" + std::string("\0a\0\0", 4), 0},  // "from" of 129 bytes
        {"|S2,128,2,1,11," + long_from.substr(0, 127) + std::string("\0a\0\0", 4), 1},
        {"|S2,2,2,3,11,a" + std::string("\0b\0ab", 5) + std::string(1, '\0'), 0},  // a note of 3 bytes
        {"|S2,2,2,1,,a" + std::string("\0b\0\0", 4), 0},                             // an empty number
        {"|S2,2,2,1,123456789,a" + std::string("\0b\0\0", 4), 0},                    // nine digits
        {"|S2,2,2,1,11;a" + std::string("\0b\0\0", 4), 0},                           // no comma
        {"|S2,2,2,1,0,a" + std::string("\0b\0\0", 4), 0},                            // number 0
        {"|S2,20,2,1,11,a", 0},                                                      // cut short
    };
    for (const Case& c : cases) {
        ASSERT_EQ(OpenDictionary(WithRaw(c.raw)), 1);
        DICRECORD r{};
        r.id_file = 0;
        r.offset = raw_at;
        EXPECT_EQ(DIC_CtiRecord(&r, 0), c.ok) << c.raw;
        if (c.ok) {
            EXPECT_EQ(std::strlen(r.from), 127u);
        }
    }
}

TEST_F(DicTest, BrokenIndexEntriesAreNotRead)
{
    std::vector<modwriter::DicPlace> places;
    modwriter::DictionaryModule m = LatinGreek();
    Build(m, &places);
    std::vector<int32_t> index(10);
    for (const auto& p : places) index[static_cast<std::size_t>(p.opposite - 1)] = p.offset;
    index[0] = 100;                    // inside the header
    index[1] = places[3].offset + 2;   // inside a record
    index[2] = 0x0032537C;             // past the end (its bytes spell "|S2")
    index[3] = -5;
    m.index_override = index;
    ASSERT_EQ(OpenDictionary(Build(m)), 1);
    DICRECORD r{};
    for (int k = 1; k <= 4; ++k) EXPECT_EQ(DIC_ReadIndexRecord(0, k, &r), 0) << k;
    ASSERT_EQ(DIC_ReadIndexRecord(0, 5, &r), 1);
    EXPECT_STREQ(r.to, "zwh");
    EXPECT_EQ(DIC_ReadIndexRecord(0, 0, &r), 0);
    EXPECT_EQ(DIC_ReadIndexRecord(0, 11, &r), 0);
    // Nothing before the first record, whatever the index bytes spell.
    r.id_file = 0;
    r.offset = places[0].offset;
    EXPECT_EQ(DIC_CtiRecord(&r, 1), 0);
}

TEST_F(DicTest, WriterRefusesWhatTheFormatCannotHold)
{
    std::string error;
    modwriter::DictionaryModule m = LatinGreek();
    m.entries.emplace_back(std::string(127, 'a'), std::string(127, 'b'), "n");
    EXPECT_NE(modwriter::BuildDictionaryModule(m, &error), "");
    for (auto bad : {modwriter::DicEntry(std::string(128, 'a'), "b"), modwriter::DicEntry("a", std::string(128, 'b')),
                     modwriter::DicEntry("a", "b", "nn"), modwriter::DicEntry("a|S2", "b"),
                     modwriter::DicEntry("a", "x|S2y"), modwriter::DicEntry("a", std::string("b\0c", 3))}) {
        m = LatinGreek();
        m.entries.push_back(bad);
        error.clear();
        EXPECT_EQ(modwriter::BuildDictionaryModule(m, &error), "") << bad.from << " " << bad.to;
        EXPECT_NE(error, "");
    }
}

TEST_F(DicTest, HebrewSortsInReadingOrder)
{
    std::vector<modwriter::DicPlace> places;
    ASSERT_EQ(OpenDictionary(Build(HebrewLatin(), &places)), 1);
    const char* from[8] = {"A@", "XE@", "ZIA", "XAC", "MEI", "MGL", "MIN", "MEL["};
    for (int k = 0; k < 8; ++k) EXPECT_EQ(places[static_cast<std::size_t>(k)].entry.from, from[k]);
    // The "to" language Hebrew: the index follows the reversed texts.
    modwriter::DictionaryModule m = HebrewLatin();
    for (auto& e : m.entries) std::swap(e.from, e.to);
    std::swap(m.collation_from, m.collation_to);
    std::swap(m.lang_from, m.lang_to);
    ASSERT_EQ(OpenDictionary(Build(m, &places)), 1);
    DICRECORD r{};
    std::string order;
    for (int k = 1; k <= 8; ++k) {
        ASSERT_EQ(DIC_ReadIndexRecord(0, k, &r), 1);
        order += std::string(r.to) + " ";
    }
    EXPECT_EQ(order, "A@ XE@ ZIA XAC MEI MGL MIN MEL[ ");
}

} // namespace
