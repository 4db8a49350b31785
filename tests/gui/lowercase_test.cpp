// The portable lower-casing gives what Windows gives for the same bytes.
#include <windows.h>

#include <gtest/gtest.h>

#include "app/codepage.h"

TEST(LowerCase, PortableTablesAgreeWithCharLowerBuffA)
{
    const UINT acp = GetACP();
    if (acp != 1250 && acp != 1251 && acp != 1252 && acp != 1253 && acp != 1254 && acp != 1257)
        GTEST_SKIP() << "ANSI code page " << acp;
    for (int c = 1; c < 256; ++c) {
        char windows[2] = {static_cast<char>(c), 0};
        CharLowerBuffA(windows, 1);
        EXPECT_EQ(static_cast<unsigned char>(windows[0]), LowerChar8(static_cast<unsigned char>(c), static_cast<int>(acp)))
            << "byte " << c << " in code page " << acp;
    }
}
