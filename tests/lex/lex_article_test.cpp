// The article of a lexicon window as RTF, and the keyword as Unicode.
#include <string>

#include "books/rtf_tags.h"
#include "lex/lex_article.h"
#include "lex/lex_fixture.h"

using namespace testlex;

TEST_F(LexTest, ArticleHasTheLabelledItemsThenTheBody)
{
    BK_SetRTFTagDefaults();
    BK_BuildRTFTags();
    modwriter::LexiconModule m = Numbered(3);
    m.labels = {{"Root: ", 1}, {"Meaning: ", 0}};
    m.entries[1].items = {"abc", "|TBword|Tb"};
    m.entries[1].body = "The body {text}";
    ASSERT_EQ(OpenLexicon(modwriter::BuildLexiconModule(m)), 1);
    EXPECT_EQ(LX_ZobrazComment(0), 0);  // an empty list: no article
    ASSERT_EQ(LX_NaplnRadky(0, 2), 1);
    const int n = LX_ZobrazComment(0);
    ASSERT_GT(n, 0);
    const std::string doc(bk_rtfdata.buffer, static_cast<std::size_t>(n));
    EXPECT_EQ(bk_rtfdata.count, n);
    EXPECT_EQ(doc.rfind("{\\rtf", 0), 0u);
    const std::size_t root = doc.find("Root: ");
    const std::size_t meaning = doc.find("Meaning: ");
    const std::size_t body = doc.find("The body {text}");
    ASSERT_NE(root, std::string::npos);
    ASSERT_NE(meaning, std::string::npos);
    ASSERT_NE(body, std::string::npos);
    EXPECT_LT(root, meaning);
    EXPECT_LT(meaning, body);
    // Label 0 keeps its item on the line, label 1 ends a paragraph.
    const std::string first = doc.substr(root, meaning - root);
    EXPECT_NE(first.find("abc"), std::string::npos);
    EXPECT_EQ(first.find("\\par"), std::string::npos);
    const std::string second = doc.substr(meaning, body - meaning);
    EXPECT_NE(second.find("word"), std::string::npos);
    EXPECT_NE(second.find("\\par"), std::string::npos);
    EXPECT_NE(second.find(rtftag[RTF_DEF_CZ].rtf1), std::string::npos);
}

TEST_F(LexTest, KeywordsBecomeUnicodeForTheClipboard)
{
    // Alef, dalet, final mem; Greek logos with final sigma.
    EXPECT_EQ(LX_KeywordUnicode("@CM", 1), u"\u05D0\u05D3\u05DD");
    EXPECT_EQ(LX_KeywordUnicode("logoj", 2), u"\u03BB\u03BF\u03B3\u03BF\u03C2");
    EXPECT_EQ(LX_KeywordUnicode("abc", 0), u"");
}
