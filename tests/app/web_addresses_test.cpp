// Backslashes doubled for texts that pass through an escaping layer.
#include "app/web_addresses.h"

#include <cstring>

#include <gtest/gtest.h>

TEST(ZdvojLomitka, DoublesEveryBackslashWhileItFits)
{
    char path[32] = "C:\\Sevir\\data\\kjv.sbk";
    EXPECT_EQ(ZdvojLomitka(path, sizeof path), 1);
    EXPECT_STREQ(path, "C:\\\\Sevir\\\\data\\\\kjv.sbk");

    // 6 characters and 2 backslashes: 8 fits below 9, not below 8.
    char tight[16] = "C:\\a\\b";
    EXPECT_EQ(ZdvojLomitka(tight, 8), 0);
    EXPECT_STREQ(tight, "C:\\a\\b");  // untouched
    EXPECT_EQ(ZdvojLomitka(tight, 9), 1);
    EXPECT_STREQ(tight, "C:\\\\a\\\\b");

    char none[8] = "abc";
    EXPECT_EQ(ZdvojLomitka(none, 4), 1);
    EXPECT_STREQ(none, "abc");
    char all[8] = "\\\\\\";
    EXPECT_EQ(ZdvojLomitka(all, 7), 1);
    EXPECT_EQ(std::strlen(all), 6u);
    EXPECT_EQ(ZdvojLomitka(nullptr, 10), 0);
}
