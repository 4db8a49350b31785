#include "books/verse_location.h"

#include <map>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "books/book_fixture.h"

using namespace testbooks;
using modwriter::Book;
using modwriter::BookLayout;
using modwriter::BookModule;

namespace {

// Book 1: 50 chapters of varied length; chapter 3 ends at verse 7 and
// chapter 5 has verses 1 to 10 without 7. Book 2: one chapter of one verse.
// Book 3, the last: 3 chapters of 4 verses.
BookModule Module()
{
    BookModule m;
    m.info = {{"IA", "T"}, {"IT", "Test"}};
    Book b1{"Genesis", "Gen", "OTGen"};
    for (int c = 1; c <= 50; ++c) {
        int verses = c == 3 ? 7 : c == 5 ? 10 : 5 + (c * 7) % 25;
        for (int v = 1; v <= verses; ++v) {
            if (c == 5 && v == 7) continue;
            b1.verses.push_back({c, v, Words(20 + (c * 31 + v * 17) % 300, c + v)});
        }
    }
    Book b2{"Obadiah", "Obad", "OTObad"};
    b2.verses = {{1, 1, "The vision"}};
    Book b3{"Jude", "Jude", "NTJude"};
    for (int c = 1; c <= 3; ++c)
        for (int v = 1; v <= 4; ++v) b3.verses.push_back({c, v, Words(40, v)});
    m.books = {b1, b2, b3};
    return m;
}

class VerseLocationTest : public BookTest {
protected:
    void SetUp() override
    {
        BookTest::SetUp();
        bytes_ = modwriter::BuildBookModule(Module(), &layout_);
        ASSERT_EQ(OpenInWindow(bytes_), 1);
        for (const auto& r : layout_.records) at_[{r.book, r.chapter, r.verse}] = r.offset;
    }
    int32_t At(int b, int c, int v) const { return at_.at({b, c, v}); }
    int32_t Locate(int b, int c, int v) const { return BK_HledejVers(BOOK_POSITION{0, b, c, v}); }

    std::string bytes_;
    BookLayout layout_;
    std::map<std::tuple<int, int, int>, int32_t> at_;
};

} // namespace

TEST_F(VerseLocationTest, EveryExistingVerseIsFoundExactly)
{
    for (const auto& r : layout_.records)
        ASSERT_EQ(Locate(r.book, r.chapter, r.verse), r.offset) << r.book << " " << r.chapter << ":" << r.verse;
    EXPECT_EQ(Locate(1, 1, 1), datawindow[0].tag_data);
    EXPECT_EQ(Locate(2, 1, 1), At(2, 1, 1));  // one verse: no bisection at all
}

TEST_F(VerseLocationTest, MissingVersesGiveTheOneBeforeAndBadAddressesGiveZero)
{
    EXPECT_EQ(Locate(1, 3, 8), At(1, 3, 7));    // past the chapter's end, chapter 4 exists
    EXPECT_EQ(Locate(1, 3, 500), At(1, 3, 7));
    EXPECT_EQ(Locate(1, 5, 7), At(1, 5, 6));    // a gap inside a chapter
    EXPECT_EQ(Locate(1, 50, 100), 0);            // past the end of the book's last chapter
    EXPECT_EQ(Locate(3, 3, 5), 0);
    EXPECT_EQ(Locate(3, 3, 4), At(3, 3, 4));

    EXPECT_EQ(Locate(0, 1, 1), 0);
    EXPECT_EQ(Locate(1, 0, 1), 0);
    EXPECT_EQ(Locate(1, 1, 0), 0);
    EXPECT_EQ(Locate(4, 1, 1), 0);   // above books
    EXPECT_EQ(Locate(1, 51, 1), 0);  // above the book's chapters
    EXPECT_EQ(Locate(-1, 1, 1), 0);
    EXPECT_EQ(BK_HledejVers(BOOK_POSITION{29, 1, 1, 1}), 0);  // window without a module
    datafile[0].opened = 0;
    EXPECT_EQ(Locate(1, 1, 1), 0);
}

TEST_F(VerseLocationTest, StepsForwardAndBackOverEveryRecord)
{
    BOOK_POSITION p{0, 0, 0, 0};
    const auto& recs = layout_.records;
    for (std::size_t i = 0; i + 1 < recs.size(); ++i) {
        ASSERT_EQ(BK_PosunOffset(&p, recs[i].offset, 1), recs[i + 1].offset) << i;
        ASSERT_EQ(p.book, recs[i + 1].book);
        ASSERT_EQ(p.chapter, recs[i + 1].chapter);
        ASSERT_EQ(p.verse, recs[i + 1].verse);
        ASSERT_EQ(BK_PosunOffset(&p, recs[i + 1].offset, -1), recs[i].offset) << i;
        ASSERT_EQ(p.verse, recs[i].verse);
    }
    // Back from the first record: tag_data, the position unchanged.
    p = BOOK_POSITION{0, 9, 9, 9};
    EXPECT_EQ(BK_PosunOffset(&p, recs[0].offset, -1), datawindow[0].tag_data);
    EXPECT_EQ(p.book, 9);
    EXPECT_EQ(p.verse, 9);
    // Forward from the last record, or from the end of the file: the last record.
    EXPECT_EQ(BK_PosunOffset(&p, recs.back().offset, 1), recs.back().offset);
    EXPECT_EQ(p.book, 3);
    EXPECT_EQ(p.chapter, 3);
    EXPECT_EQ(p.verse, 4);
    EXPECT_EQ(BK_PosunOffset(&p, static_cast<int32_t>(bytes_.size()), 0), recs.back().offset);
    EXPECT_EQ(BK_PosunOffset(&p, static_cast<int32_t>(bytes_.size()) + 100, 0), recs.back().offset);
    // From inside a record: step 0 gives the next record, step -1 the containing one.
    EXPECT_EQ(BK_PosunOffset(&p, recs[10].text_offset + 3, 0), recs[11].offset);
    EXPECT_EQ(BK_PosunOffset(&p, recs[10].text_offset + 3, -1), recs[10].offset);
    EXPECT_EQ(p.verse, recs[10].verse);
    // From the header (offset 0): the first record.
    EXPECT_EQ(BK_PosunOffset(&p, 0, 0), recs[0].offset);
    EXPECT_EQ(BK_PosunOffset(nullptr, 0, 0), 0);
    datafile[0].opened = 0;
    EXPECT_EQ(BK_PosunOffset(&p, 0, 0), 0);
}

TEST_F(VerseLocationTest, VerseCountIsTheLastVerseNumberOfTheChapter)
{
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 1, 3, 1}), 7);
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 1, 5, 3}), 10);  // verse 7 missing
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 1, 2, 0}), 5 + 14);
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 2, 1, 1}), 1);
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 3, 3, 1}), 4);  // the file's last chapter
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 1, 51, 1}), 0);
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 4, 1, 1}), 0);
}

TEST_F(VerseLocationTest, VerseEndIsTheByteBeforeTheNextRecord)
{
    SvFile* f = datafile[0].file;
    const auto& recs = layout_.records;
    SvSeek(f, 1234);
    EXPECT_EQ(OffsetOfVerseEnd(recs[0].offset, f), recs[1].offset - 1);
    EXPECT_EQ(SvTell(f), 1234);  // the file position is restored
    EXPECT_EQ(OffsetOfVerseEnd(recs.back().offset, f), static_cast<int32_t>(bytes_.size()) - 1);
    EXPECT_EQ(SvTell(f), 1234);
    EXPECT_EQ(OffsetOfVerseEnd(0, nullptr), 0);
}

TEST_F(BookTest, LocationStaysInsideTheBooksRun)
{
    // The middle of book 1's run falls inside one long last record, so the
    // forward search from the midpoint finds no record start before the
    // run's end. It must not take book 2's records (chapter 1 again) as the
    // left bracket.
    BookModule m;
    m.info = {{"IA", "R"}, {"IT", "Runs"}};
    Book b1{"One", "One", "OTGen"};
    Book b2{"Two", "Two", "OTExod"};
    for (int c = 1; c <= 20; ++c) {
        b1.verses.push_back({c, 1, Words(30, c)});
        b2.verses.push_back({c, 1, Words(30, c)});
    }
    b1.verses.back().text = Words(60000, 3);
    m.books = {b1, b2};
    BookLayout layout;
    ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(m, &layout)), 1);
    for (int c = 1; c <= 20; ++c) {
        EXPECT_EQ(BK_HledejVers(BOOK_POSITION{0, 1, c, 1}), layout.records[c - 1].offset) << c;
        int32_t expect = c < 20 ? layout.records[c - 1].offset : 0;  // 20:2 lies past the book's end
        EXPECT_EQ(BK_HledejVers(BOOK_POSITION{0, 1, c, 2}), expect) << c;
    }

    // The same with the long record last in the file: the search ends at the
    // end of the file instead of running on.
    m.books = {b2, b1};
    ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(m, &layout)), 1);
    for (int c = 1; c <= 20; ++c)
        EXPECT_EQ(BK_HledejVers(BOOK_POSITION{0, 2, c, 1}), layout.records[20 + c - 1].offset) << c;
    BOOK_POSITION p{0, 0, 0, 0};
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 2, 20, 1}), 1);
    EXPECT_EQ(BK_PosunOffset(&p, layout.records.back().offset, 1), layout.records.back().offset);
}

TEST_F(BookTest, DamagedBookTablesAreReadSafely)
{
    BookModule m;
    m.info = {{"IA", "D"}, {"IT", "Damaged"}};
    Book b1{"One", "One", "OTGen"};
    for (int c = 1; c <= 5; ++c)
        for (int v = 1; v <= 5; ++v) b1.verses.push_back({c, v, Words(50, v)});
    Book b2 = b1;
    b2.sync_name = "OTExod";
    Book b3 = b1;
    b3.sync_name = "OTLev";
    Book b4 = b1;
    b4.sync_name = "OTNum";
    b1.offset_override = 100000000;  // past the end of the file
    b2.length_override = 100000000;  // runs past the end of the file
    b3.offset_override = 10;         // inside the header
    b4.length_override = -20;
    m.books = {b1, b2, b3, b4};
    BookLayout layout;
    ASSERT_EQ(OpenInWindow(modwriter::BuildBookModule(m, &layout)), 1);
    EXPECT_EQ(BK_HledejVers(BOOK_POSITION{0, 1, 2, 2}), 0);
    EXPECT_EQ(BK_HledejVers(BOOK_POSITION{0, 2, 2, 2}), layout.records[25 + 6].offset);
    EXPECT_EQ(BK_HledejVers(BOOK_POSITION{0, 3, 2, 2}), 0);
    EXPECT_EQ(BK_HledejVers(BOOK_POSITION{0, 4, 2, 2}), 0);
    EXPECT_EQ(BK_PocetVersu(BOOK_POSITION{0, 1, 2, 1}), 0);

    // Lengths in records that point nowhere end a step with 0.
    std::string bytes = modwriter::BuildBookModule(m, &layout);
    std::string bad = bytes.substr(0, layout.tag_data) + "|S0,1,1,1,5,ab|S0,1,1,2,x,cd";
    ASSERT_EQ(OpenInWindow(bad), 1);
    BOOK_POSITION p{0, 0, 0, 0};
    EXPECT_EQ(BK_PosunOffset(&p, layout.tag_data, 1), 0);
    EXPECT_EQ(BK_PosunOffset(&p, layout.tag_data + 14, 0), 0);
}
