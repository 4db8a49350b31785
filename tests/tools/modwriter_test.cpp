#include "modwriter/modwriter.h"

#include <string>

#include <gtest/gtest.h>

TEST(ModwriterTest, DescriptionsBuildTheModuleTheyDescribe)
{
    const char* text =
        "# a test module\n"
        "module book\n"
        "abbrev KJV\n"
        "title King James\\x21\n"
        "info II two\\nlines\n"
        "language 1\n"
        "charset 177 0 2\n"
        "tags 1 2 3\n"
        "sync 1\n"
        "collation a= b ch\n"
        "book Genesis|Gen|OTGen\n"
        "v 1 1 In the |Mbeginning|m\n"
        "v 1 2 And\r\n"
        "book Exodus|Exo|OTExod|40\n"
        "v 1 1 Now\n";
    modwriter::Description d;
    std::string error;
    ASSERT_TRUE(modwriter::ParseDescription(text, &d, &error)) << error;
    ASSERT_EQ(d.kind, modwriter::Description::BOOK);
    const modwriter::BookModule& m = d.book;
    EXPECT_EQ(m.info, (modwriter::InfoItems{{"IA", "KJV"}, {"IT", "King James!"}, {"II", "two\nlines"}}));
    EXPECT_EQ(m.language, 1);
    EXPECT_EQ(m.charset[0], 177);
    EXPECT_EQ(m.charset[2], 2);
    EXPECT_EQ(m.tag_caps[1], 2);
    EXPECT_EQ(m.sync_byte, 1);
    ASSERT_EQ(m.books.size(), 2u);
    EXPECT_EQ(m.books[0].verses[0].text, "In the |Mbeginning|m");
    EXPECT_EQ(m.books[0].verses[1].text, "And");
    EXPECT_EQ(m.books[1].chapters, 40);

    modwriter::BookLayout layout;
    std::string bytes = modwriter::BuildBookModule(m, &layout);
    EXPECT_EQ(bytes.substr(0, 5), std::string("hbbk\x02", 5));
    EXPECT_EQ(layout.tag_info, 1024 + 120);
    EXPECT_EQ(bytes.substr(layout.tag_info, layout.tag_data - layout.tag_info), "|IAKJV|ITKing James!|IItwo\nlines|");
    EXPECT_EQ(bytes.substr(layout.records[0].offset, 13), "|S0,1,1,1,20,");
    EXPECT_EQ(bytes.substr(layout.records[2].offset), "|S0,2,1,1,3,Now");
    EXPECT_EQ(static_cast<unsigned char>(bytes[480]), 0x80u);
    EXPECT_EQ(bytes.substr(512, 6), std::string("a\0b\0ch", 6));

    for (const char* bad : {"book A|B|C\n", "module scroll\n", "module book\nv 1 1 x\n", "module book\nfrobnicate 1\n",
                            "module book\ncharset 1 2 3 4 5 6 7 8 9\n", "module book\nbook A|B\n"}) {
        EXPECT_FALSE(modwriter::ParseDescription(bad, &d, &error)) << bad;
        EXPECT_EQ(error.rfind("line ", 0), 0u) << error;
    }
}
