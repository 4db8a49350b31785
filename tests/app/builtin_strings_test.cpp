#include "app/builtin_strings.h"

#include <cstring>
#include <set>

#include <gtest/gtest.h>

#include "app/lang.h"

TEST(BuiltinStrings, NumbersAreUniqueAndTextsPresent)
{
    int count = 0;
    const BUILTIN_STRING* table = BuiltinStringTable(&count);
    ASSERT_GT(count, 0);
    std::set<int> ids;
    for (int i = 0; i < count; ++i) {
        EXPECT_TRUE(ids.insert(table[i].id).second) << "string " << table[i].id << " defined twice";
        ASSERT_NE(table[i].text, nullptr);
        if (i > 0) {
            EXPECT_LT(table[i - 1].id, table[i].id);
        }
    }
    EXPECT_STREQ(BuiltinString(10010), "Cannot open library RICHED32.DLL\nProgram will be terminated");
    EXPECT_EQ(BuiltinString(-5), nullptr);
}

TEST(BuiltinStrings, MenuLabelsAreStringsUnderTheirCommandIds)
{
    EXPECT_STREQ(BuiltinString(1100), "&Program");
    EXPECT_STREQ(BuiltinString(1230), "E&xit");
    // The popup after "Informations about file" (1130) is translated as 1131.
    EXPECT_STREQ(BuiltinString(1131), "&Language");
}

TEST(BuiltinStrings, LoadStringCutsToTheBuffer)
{
    char buf[8];
    EXPECT_EQ(LANG_LoadString(nullptr, 10005, buf, sizeof buf), 7);
    EXPECT_STREQ(buf, "Warning");
    char small[4];
    EXPECT_EQ(LANG_LoadString(nullptr, 10005, small, sizeof small), 3);
    EXPECT_STREQ(small, "War");
    EXPECT_EQ(LANG_LoadString(nullptr, 424242, buf, sizeof buf), 0);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(LANG_LoadString(nullptr, 10005, buf, 0), 0);
}
