// Greek morphology decoding in the three coding systems, with the built-in
// English strings.
#include "text/morphology.h"

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "app/records.h"
#include "books/rtf_tags.h"

namespace {

std::string Decode(int type, int mode, const char* code)
{
    char out[4096];
    std::memset(out, 'x', sizeof out);
    int n = DecodeMorphologyGR(type, mode, code, out, sizeof out);
    EXPECT_EQ(n, static_cast<int>(std::strlen(out)));
    return out;
}

const char* const kEnd = " \r\n\\par ";

std::string H(const char* heading) { return std::string("\\b ") + heading + " \\b0"; }

} // namespace

TEST(MorphologySystem1, FixedPositions)
{
    EXPECT_EQ(Decode(1, 0, "V- 3AAI-S--"), "verb  3. person aorist active indicative singular ");
    EXPECT_EQ(Decode(1, 0, "N- ----NSM-"), "noun nominative singular masculine ");
    EXPECT_EQ(Decode(1, 0, "A- ----APNC"), "adjective accusative plural neuter comparative ");
    EXPECT_EQ(Decode(1, 0, "RA"), "article ");
    // Every category has its heading and line end in rich text.
    EXPECT_EQ(Decode(1, 1, "C-"), H("Major:") + "conjunction " + kEnd + H("Person:") + kEnd + H("Tense:") + kEnd +
                                      H("Voice:") + kEnd + H("Mood:") + kEnd + H("Case:") + kEnd + H("Number:") +
                                      kEnd + H("Gender:") + kEnd + H("Degree:") + kEnd);
}

TEST(MorphologyRobinson, VerbsAndNominals)
{
    EXPECT_EQ(Decode(2, 0, "V-PAI-3S"), "Verb Present Active Indicative Third person Singular ");
    EXPECT_EQ(Decode(2, 1, "V-PAI-3S"), H("Part of Speech:") + "Verb " + kEnd + H("Tense:") + "Present " + kEnd +
                                            H("Voice:") + "Active " + kEnd + H("Mood:") + "Indicative " + kEnd +
                                            H("Person:") + "Third person " + kEnd + H("Number:") + "Singular " +
                                            kEnd);
    EXPECT_EQ(Decode(2, 0, "V-2AAP-NSM"), "Verb Second Aorist Active Participle Nominative Singular Masculine ");
    EXPECT_EQ(Decode(2, 0, "V-PAI-3S-ATT"), "Verb Present Active Indicative Third person Singular Attic ");
    EXPECT_EQ(Decode(2, 0, "V-AAN"), "Verb Aorist Active Infinitive ");
    EXPECT_EQ(Decode(2, 0, "A-NSM-C"), "Adjective Nominative Singular Masculine Comparative ");
    EXPECT_EQ(Decode(2, 0, "N-NSM-C"), "Noun Nominative Singular Masculine Contracted form, or two words merged by crasis ");
    EXPECT_EQ(Decode(2, 0, "A-NUI"), "Indeclinable Numeral (Adjective) ");
    EXPECT_EQ(Decode(2, 1, "A-NUI-ABB"), H("Part of Speech:") + "Adjective " + kEnd + H("Case:") +
                                             "Nominative, Abbreviated form " + kEnd);
    EXPECT_EQ(Decode(2, 0, "P-1GS"), "Personal pronoun First person Genitive Singular ");
    EXPECT_EQ(Decode(2, 0, "P-GSM"), "Personal pronoun Genitive Singular Masculine ");
    EXPECT_EQ(Decode(2, 0, "F-3ASM"), "Reflexive pronoun Third person Accusative Singular Masculine ");
    EXPECT_EQ(Decode(2, 0, "T-NSM"), "Definite article Nominative Singular Masculine ");
    EXPECT_EQ(Decode(2, 0, "N-PRI"), "Indeclinable Proper Noun ");
    EXPECT_EQ(Decode(2, 0, "PREP"), "Preposition ");
    EXPECT_EQ(Decode(2, 0, "CONJ"), "Conjunction or conjunctive particle ");
    EXPECT_EQ(Decode(2, 0, "COND"), "Conditional particle or conjunction ");
    EXPECT_EQ(Decode(2, 0, "COND-C"), "Contracted form ");
    EXPECT_EQ(Decode(2, 0, "ADV"), "Adverb or adverb and particle combined ");
    EXPECT_EQ(Decode(2, 0, "ADV-I"), "Case: Accusative, Interrogative ");
    EXPECT_EQ(Decode(2, 0, "PRT-N"), "Number: Plural, Negative ");
    EXPECT_EQ(Decode(2, 0, "PRT"), "Particle, disjunctive particle ");
    EXPECT_EQ(Decode(2, 0, "HEB"), "Hebrew transliterated word (indeclinable) ");
    // Unknown prefixes and letters give nothing; a cut code ends early.
    EXPECT_EQ(Decode(2, 0, "ZZZ"), "");
    EXPECT_EQ(Decode(2, 0, "V-Z"), "Verb ");
    EXPECT_EQ(Decode(2, 1, "V-"), H("Part of Speech:") + "Verb " + kEnd);
    EXPECT_EQ(Decode(2, 0, ""), "");
}

TEST(MorphologyPackard, PatternsAndClasses)
{
    EXPECT_EQ(Decode(3, 0, "N2 GSM"), "Noun, 2nd declension, masculine or feminine ending  Genitive  Singular  Masculine ");
    EXPECT_EQ(Decode(3, 0, "VAI AAI3S"), "Verb, 1st aorist active, augmented  Aorist  Active  Indicative  3 Singular ");
    EXPECT_EQ(Decode(3, 0, "VXI XAPNSM"),
              "Verb, perfect active, pluperfect augmented  Perfect  Active  Participle  Nominative  Singular  Masculine ");
    EXPECT_EQ(Decode(3, 0, "C"), "Conjunction ");
    EXPECT_EQ(Decode(3, 0, "A1A NPNS"), "Adjective, 1st declension, pattern endings:  Nominative  Plural  Neuter  Superlative ");
    EXPECT_EQ(Decode(3, 0, "N3K DSF"), "Noun, indicate categories of 3rd declension nouns (see legend in additional file)  Dative  Singular  Feminine ");
    // Rich text: the ending is drawn in the Greek format and returns to the default.
    ResetGlobalRecords();
    BK_SetRTFTagDefaults();
    BK_BuildRTFTags();
    std::string rich = Decode(3, 1, "N1 NSF");
    EXPECT_EQ(rich.rfind(H("Part of speech:") + "Noun, 1st declension, feminine ending: " + rtftag[RTF_TG].rtf1 + "&h" +
                             rtftag[RTF_DEF_CZ].rtf1 + kEnd + H("Case:") + " Nominative " + kEnd,
                         0),
              0u)
        << rich;
    EXPECT_EQ(Decode(3, 0, "Q"), "");
}

TEST(Morphology, UnknownSystemAndSmallBuffers)
{
    EXPECT_EQ(Decode(0, 0, "N-NSM"), "");
    EXPECT_EQ(Decode(4, 1, "N-NSM"), "");
    char small[8];
    EXPECT_EQ(DecodeMorphologyGR(2, 0, "V-PAI-3S", small, sizeof small), 7);
    EXPECT_STREQ(small, "Verb Pr");
    EXPECT_EQ(DecodeMorphologyGR(2, 0, nullptr, small, sizeof small), 0);
    EXPECT_STREQ(small, "");
}
