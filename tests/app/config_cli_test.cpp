// sevir-cli config and config-write print and write exactly what the
// program reads from and writes to "sevir.cfg".
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

std::string TempDir(const std::string& name)
{
    const char* base = std::getenv("SEVIR_TEST_TMP");
    fs::path dir = fs::path(base ? base : SEVIR_BINARY_DIR "/test-tmp") / ("config-cli-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    return fs::canonical(dir).string();
}

struct CliRun {
    std::string out;
    int status = -1;
};

// Runs the shell command prefix followed by sevir-cli args, inside dir.
CliRun InDir(const std::string& dir, const std::string& args, const std::string& prefix = "")
{
    CliRun r;
    const std::string command =
        "cd '" + dir + "' && " + prefix + std::string(SEVIR_BINARY_DIR) + "/sevir-cli " + args + " 2>/dev/null";
    std::FILE* p = popen(command.c_str(), "r");
    if (!p) return r;
    char buf[4096];
    std::size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0) r.out.append(buf, n);
    const int st = pclose(p);
    r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
    return r;
}

std::string Slurp(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void Spit(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// Every key with its default, in the writer's order, before and after the
// data paths.
const char* const kDefaultsHead =
    "SaveOnExit=1\nRTFCzechFontName=Arial\nRTFCzechFontSize=21\nRTFGreekFontSize=27\nRTFHebrewFontSize=36\n"
    "TAG_DEF_CZ_Color=0,0,0\nTAG_DEF_CZ_Bold=0\nTAG_DEF_CZ_Italic=0\n"
    "TAG_DEF_HE_Color=0,0,0\nTAG_DEF_HE_Bold=0\nTAG_DEF_HE_Italic=0\n"
    "TAG_DEF_GR_Color=0,0,0\nTAG_DEF_GR_Bold=0\nTAG_DEF_GR_Italic=0\n"
    "TAG_TE_Color=0,0,0\nTAG_TE_Bold=0\nTAG_TE_Italic=0\n"
    "TAG_TH_Color=0,0,0\nTAG_TH_Bold=0\nTAG_TH_Italic=0\n"
    "TAG_TG_Color=0,0,0\nTAG_TG_Bold=0\nTAG_TG_Italic=0\n"
    "TAG_LABEL_Color=0,0,254\nTAG_LABEL_Bold=0\nTAG_LABEL_Italic=0\n"
    "TAG_TJ_Color=255,0,0\nTAG_TJ_Bold=0\nTAG_TJ_Italic=0\n"
    "TAG_TP_Color=128,128,0\nTAG_TP_Bold=0\nTAG_TP_Italic=0\n"
    "TAG_TU_Color=0,0,0\nTAG_TU_Bold=0\nTAG_TU_Italic=1\n"
    "TAG_TN_Color=102,153,204\nTAG_TN_Bold=0\nTAG_TN_Italic=0\n"
    "TAG_TV_Color=153,102,0\nTAG_TV_Bold=0\nTAG_TV_Italic=0\n"
    "TAG_RR_Color=20,155,0\nTAG_RR_Bold=0\nTAG_RR_Italic=0\n"
    "TAG_RH_Color=204,153,0\nTAG_RH_Bold=0\nTAG_RH_Italic=0\n"
    "TAG_RG_Color=204,153,0\nTAG_RG_Bold=0\nTAG_RG_Italic=0\n"
    "TAG_MORPH_GR_Color=153,102,255\nTAG_MORPH_GR_Bold=0\nTAG_MORPH_GR_Italic=0\n"
    "TAG_MORPH_HE_Color=128,0,0\nTAG_MORPH_HE_Bold=0\nTAG_MORPH_HE_Italic=0\n"
    "TAG_LEMMA_GR_Color=153,102,255\nTAG_LEMMA_GR_Bold=0\nTAG_LEMMA_GR_Italic=0\n"
    "TAG_LX_HEADER_Color=255,0,0\nTAG_LX_HEADER_Bold=1\nTAG_LX_HEADER_Italic=0\n"
    "TAG_LX_CZ_Color=0,0,0\nTAG_LX_CZ_Bold=0\nTAG_LX_CZ_Italic=0\n"
    "TAG_LX_HE_Color=0,0,192\nTAG_LX_HE_Bold=0\nTAG_LX_HE_Italic=0\n"
    "TAG_LX_GR_Color=0,0,192\nTAG_LX_GR_Bold=0\nTAG_LX_GR_Italic=0\n"
    "TAG_LX_KEYWORD_Color=204,102,0\nTAG_LX_KEYWORD_Bold=0\nTAG_LX_KEYWORD_Italic=0\n"
    "MainWindow=0,0,580,340\n";

const char* const kDefaultsTail =
    "LangFilenameDefault=english.lng\nTableVisible=0\n"
    "TablePosition=100,100,0,0\nTableLanguage=1\nTableTooltip=1\nTableFrameColorHE=255,0,0\n"
    "TableFrameColorGR=0,0,255\nTreeVisible=1\nTreeWidth=160\nArrangeTile=1\nArrangeTileVertical=1\n"
    "ArrangeResizing=1\nTooltipToolbar=1\nHebrewAutoEnd=1\nLexListBoxWidthMin=40\nLexKeyIgnoreVowels=1\n"
    "LexClearFilterBeforeLook=1\nLexHighlightLine=1\nLexHighlightLineColor1=255,255,255\n"
    "LexHighlightLineColor2=240,240,240\nLexHighlightCombo=1\nLexHighlightComboColor=255,192,192\n"
    "DicKeyIgnoreVowels=1\nDicClearFilterBeforeLook=1\nDicLookAutoOpposite=1\nDicHighlightLine=1\n"
    "DicHighlightLineColor1=255,255,255\nDicHighlightLineColor2=240,240,240\nDicHighlightCombo=1\n"
    "DicHighlightComboColor=255,192,192\nScrollTip=1\nScrollTipBackColor=255,192,192\nScrollTipWidth=130\n"
    "SortResultsWarning=10000\nRevFFSeconds=5\nOpenMP3Autoplay=1\nAudioTimerMilisec=100\nAudioBufferPlay=100\n"
    "AudioBufferIndexing=100\nAudioDeleteTmpFileAfterMerge=1\nTipOfDayShow=1\nTipOfDayNumber=1\n"
    "VerseListVisible=0\nVerseListAbbreviations=0\nVerseListAskSaveChanges=1\n"
    "VerseListPosition=100,100,162,246,0,0,100,100\nSplashScreen=1\nSplashScreenDelayMs=5000\n";

} // namespace

TEST(ConfigCli, MissingFilePrintsNotFoundAndEveryDefault)
{
    const std::string dir = TempDir("missing");
    const CliRun r = InDir(dir, "config nothing-here.cfg");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, std::string("result=-1\n") + kDefaultsHead + "NumChildWindows=0\nPathUsed=1\nPathData[0]=" +
                         dir + ",0\n" + kDefaultsTail);
}

TEST(ConfigCli, ReadFilePrintsItsValuesPathsAndWindows)
{
    const std::string dir = TempDir("read");
    Spit(dir + "/in.cfg",
         ";hand-made\r\n  TreeWidth=250\r\nNumChildWindows=3\r\nPathUsed=3\r\nPathData[0]=/ignored,1\r\n"
         "PathData[1]=/mnt/cd,1\r\nPathData[2]=/srv/bibles,0\r\nMainWindow=10,20,1280,800\r\n"
         "TAG_RG_Color=1,2,3\r\nTAG_RG_Bold=1\r\n"
         "ChildWindow[0]=kjv.sbk,0,1200,0,0,400,600,0\r\nChildWindow[2]=strong.lex,1,7,800,0,400,600,150\r\n"
         "VerseListPosition=5,6,300,200,10,20,30,40\r\n");
    const CliRun r = InDir(dir, "config in.cfg");
    EXPECT_EQ(r.status, 0);
    std::string head = kDefaultsHead;
    head.replace(head.find("TAG_RG_Color=204,153,0\nTAG_RG_Bold=0"), 36, "TAG_RG_Color=1,2,3\nTAG_RG_Bold=1");
    head.replace(head.find("MainWindow=0,0,580,340"), 22, "MainWindow=10,20,1280,800");
    std::string tail = kDefaultsTail;
    tail.replace(tail.find("TreeWidth=160"), 13, "TreeWidth=250");
    tail.replace(tail.find("VerseListPosition=100,100,162,246,0,0,100,100"), 45,
                 "VerseListPosition=5,6,300,200,10,20,30,40");
    EXPECT_EQ(r.out, "result=3\n" + head + "NumChildWindows=3\nPathUsed=3\nPathData[0]=" + dir +
                         ",0\nPathData[1]=/mnt/cd,1\nPathData[2]=/srv/bibles,0\n" + tail +
                         "ChildWindow[0]=kjv.sbk,0,1200,0,0,400,600,0\n"
                         "ChildWindow[1]=,0,0,0,0,0,0,0\n"
                         "ChildWindow[2]=strong.lex,1,7,800,0,400,600,150\n");
}

TEST(ConfigCli, ConfigWriteWritesTheProgramsFileOrKeepsTheOldOne)
{
    const std::string dir = TempDir("write");
    Spit(dir + "/in.cfg", "NumChildWindows=2\r\nChildWindow[0]=a.sbk,0,1,2,3,4,5,6\r\nTreeWidth=190\r\n");
    CliRun r = InDir(dir, "config-write out.cfg in.cfg");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "1\n");
    const std::string written = Slurp(dir + "/out.cfg");
    EXPECT_NE(written.find("\r\nTreeWidth=190\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nNumChildWindows=0\r\n"), std::string::npos);
    EXPECT_EQ(written.find("ChildWindow[0]"), std::string::npos);
    EXPECT_NE(written.find("\r\nPathData[0]=" + dir + ",0\r\n"), std::string::npos);

    // What config-write wrote, config reads back as it was.
    std::string expected = InDir(dir, "config in.cfg").out;
    expected.replace(0, expected.find('\n'), "result=0");
    expected = expected.substr(0, expected.find("ChildWindow[0]"));
    expected.replace(expected.find("NumChildWindows=2"), 17, "NumChildWindows=0");
    EXPECT_EQ(InDir(dir, "config out.cfg").out, expected);

    // Without IN the defaults are written.
    r = InDir(dir, "config-write plain.cfg");
    EXPECT_EQ(r.out, "1\n");
    EXPECT_NE(Slurp(dir + "/plain.cfg").find("\r\nTreeWidth=160\r\n"), std::string::npos);

    // A folder that does not exist.
    r = InDir(dir, "config-write no/such/out.cfg");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "0\n");

    // A disk that fills up while the file is written: the old file stays.
    Spit(dir + "/full.cfg", "old contents\r\n");
    r = InDir(dir, "config-write full.cfg in.cfg", "trap '' XFSZ; ulimit -f 1; ");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.out, "0\n");
    EXPECT_EQ(Slurp(dir + "/full.cfg"), "old contents\r\n");
    EXPECT_FALSE(fs::exists(dir + "/full.cfg.tmp"));
}
