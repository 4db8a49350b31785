// The language subcommands of sevir-cli print exactly what the language layer gives.
#include <string>

#include <gtest/gtest.h>

#include "app/cli_test_util.h"

namespace {
const std::string kLanguageDir = std::string(SEVIR_SOURCE_DIR) + "/language";
}

TEST(LangCli, LanguagesListsByLabelAndMarksTheDefault)
{
    const CliResult r = RunCli("languages " + kLanguageDir);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "*english.lng\tEnglish\t0\nespanol.lng\tEspa\xF1ol\t0\n");
    EXPECT_EQ(RunCli("languages /nonexistent-dir").out, "");
}

TEST(LangCli, StringsPrintsTextsWithEscapesTurnedIntoCharacters)
{
    CliResult r = RunCli("strings 10005 10010 424242 1100");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Warning\nCannot open library RICHED32.DLL\nProgram will be terminated\n\n&Program\n");
    r = RunCli("strings --lang " + kLanguageDir + "/espanol.lng 10005 10010 10201");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Aviso\nNo se puede abrir la biblioteca RICHED32.DLL\nEl programa terminar\xE1\n"
                     "OTGen,G\xE9nesis,Genesis,Gn\n");
    EXPECT_NE(RunCli("strings --lang /nonexistent/x.lng 10005").status, 0);
    EXPECT_NE(RunCli("strings").status, 0);
}
