#include <gtest/gtest.h>

#include <cctype>

#include "case_name.h"
#include "fake_platform.h"
#include "launcher/file_status.h"
#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace talqo_test {
namespace {

const std::wstring kDir = L"C:\\Apps\\Talqo";
const std::wstring kIni = kDir + L"\\talqo.ini";
const std::wstring kIni1 = kDir + L"\\talqo1.ini";
const std::string kSeven = "demo.txt,Demo File,d41d8cd98f00b204e9800998ecf8427e,10,20,30,False\r\n";

std::wstring ColorCall(int r, int g, int b) {
  return L"SetForeColor(2," + std::to_wstring(runtime::Rgb(r, g, b)) + L")";
}

class FormLoadTest : public testing::Test {
 protected:
  launcher::frmTALQO& Load() {
    form_.Form_Load();
    return form_;
  }
  const launcher::LaunchSettings& Settings() const { return form_.Settings(); }
  void AddSkin(const std::vector<std::wstring>& names) {
    for (const std::wstring& name : names) platform_.pictures[kDir + L"\\skin\\" + name] = {600, 40};
  }

  FakePlatform platform_;
  launcher::frmTALQO form_{platform_};
};

TEST_F(FormLoadTest, RunsTheStepsInOrder) {
  platform_.files[kIni] = "a.txt,A,abc,1,2,3,T\r\n";
  AddSkin({L"background.bmp", L"center.bmp", L"top.bmp", L"left.bmp", L"right.bmp"});
  Load();
  EXPECT_EQ(platform_.calls, (std::vector<std::wstring>{
                                 L"FormWindow()",
                                 L"CreateRectRgn(0,0,0,0)=256",
                                 L"CreateEllipticRgn(5,50,520,522)=257",
                                 L"CombineRgn(256,257,257,5)",
                                 L"DeleteObject(257)",
                                 L"SetWindowRgn(4660,256,true)",
                                 L"FileLength(\"C:\\Apps\\Talqo\\talqo.ini\")",
                                 L"FileLength(\"C:\\Apps\\Talqo\\talqo1.ini\")",
                                 L"OpenForReading(\"C:\\Apps\\Talqo\\talqo.ini\")",
                                 L"UpperCase(\"T\")",
                                 ColorCall(1, 2, 3),
                                 L"LoadPicture(\"C:\\Apps\\Talqo\\skin\\background.bmp\")",
                                 L"SetPicture(5,600x40)",
                                 L"LoadPicture(\"C:\\Apps\\Talqo\\skin\\center.bmp\")",
                                 L"SetPicture(4,600x40)",
                                 L"LoadPicture(\"C:\\Apps\\Talqo\\skin\\top.bmp\")",
                                 L"SetPicture(3,600x40)",
                                 L"LoadPicture(\"C:\\Apps\\Talqo\\skin\\left.bmp\")",
                                 L"SetPicture(1,600x40)",
                                 L"LoadPicture(\"C:\\Apps\\Talqo\\skin\\right.bmp\")",
                                 L"SetPicture(0,600x40)",
                             }));
  EXPECT_EQ(Settings().TargetFile, L"a.txt");
  EXPECT_EQ(Settings().SkinFlag, L"T");
}

struct ChoiceCase {
  const char* name;
  bool has_ini;
  bool has_ini1;
  std::string ini1_contents;
  const wchar_t* opened;  // nullptr: no file opened, the message instead
};

void PrintTo(const ChoiceCase& c, std::ostream* os) { *os << c.name; }

class SettingsChoiceTest : public FormLoadTest, public testing::WithParamInterface<ChoiceCase> {};

TEST_P(SettingsChoiceTest, OpensTheRightFileOrSaysNoneIsPresent) {
  const ChoiceCase& c = GetParam();
  if (c.has_ini) platform_.files[kIni] = "from-ini,Ini,x,0,0,0,False";
  if (c.has_ini1) platform_.files[kIni1] = c.ini1_contents;
  Load();
  if (c.opened) {
    EXPECT_EQ(platform_.opened_files, std::vector<std::wstring>{kDir + c.opened});
    EXPECT_TRUE(platform_.CallsNamed(L"ShowMessage").empty());
  } else {
    EXPECT_TRUE(platform_.CallsNamed(L"OpenForReading").empty());
    EXPECT_EQ(platform_.CallsNamed(L"ShowMessage"),
              (std::vector<std::wstring>{
                  L"ShowMessage(\"talqo.ini and/or talqo1.ini not present\",0,\"missing *.ini\")"}));
    // Start-up ends at the message: the label keeps its design-time colour.
    EXPECT_TRUE(platform_.CallsNamed(L"SetForeColor").empty());
    EXPECT_TRUE(platform_.CallsNamed(L"UpperCase").empty());
    EXPECT_EQ(platform_.CallsNamed(L"SetWindowRgn").size(), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsChoiceTest,
    testing::Values(ChoiceCase{"OnlyTalqoIni", true, false, "", L"\\talqo.ini"},
                    ChoiceCase{"Both", true, true, "from-ini1,One,y,0,0,0,False", L"\\talqo1.ini"},
                    ChoiceCase{"EmptyOverride", true, true, "", L"\\talqo1.ini"},
                    ChoiceCase{"OnlyTalqo1Ini", false, true, "x", L"\\talqo1.ini"},
                    ChoiceCase{"Neither", false, false, "", nullptr}),
    CaseName());

TEST_F(FormLoadTest, EmptyOverrideKeepsInitialValuesBlackAndNoSkin) {
  platform_.files[kIni] = "a,b,c,255,255,255,T";
  platform_.files[kIni1] = "";
  AddSkin({L"background.bmp"});
  Load();
  EXPECT_EQ(Settings().TargetFile, L"");
  EXPECT_EQ(Settings().SkinFlag, L"FALSE");
  EXPECT_EQ(platform_.CallsNamed(L"SetForeColor"), std::vector<std::wstring>{ColorCall(0, 0, 0)});
  EXPECT_TRUE(platform_.CallsNamed(L"LoadPicture").empty());
}

TEST_F(FormLoadTest, AFolderNamedLikeTheOverrideDoesNotHideTheSettings) {
  platform_.folders.insert(kIni1);
  platform_.files[kIni] = kSeven;
  Load();
  EXPECT_EQ(platform_.opened_files, std::vector<std::wstring>{kIni});
}

TEST_F(FormLoadTest, FileThatCannotBeOpenedActsLikeAFailedFirstRead) {
  platform_.files[kIni] = kSeven;
  platform_.unreadable.insert(kIni);
  Load();
  EXPECT_EQ(Settings().TargetFile, L"");
  EXPECT_TRUE(platform_.CallsNamed(L"ShowMessage").empty());
  EXPECT_EQ(platform_.CallsNamed(L"SetForeColor"), std::vector<std::wstring>{ColorCall(0, 0, 0)});
}

struct ValuesCase {
  const char* name;
  std::string contents;
  launcher::LaunchSettings expected;
  int red, green, blue;
};

void PrintTo(const ValuesCase& c, std::ostream* os) { *os << c.name; }

class SettingsValuesTest : public FormLoadTest, public testing::WithParamInterface<ValuesCase> {};

TEST_P(SettingsValuesTest, ReadsWhatTheFileDeliversAndSetsTheColour) {
  const ValuesCase& c = GetParam();
  platform_.files[kIni] = c.contents;
  AddSkin({L"background.bmp", L"center.bmp", L"top.bmp", L"left.bmp", L"right.bmp"});
  Load();
  EXPECT_EQ(Settings().TargetFile, c.expected.TargetFile);
  EXPECT_EQ(Settings().DisplayName, c.expected.DisplayName);
  EXPECT_EQ(Settings().ExpectedChecksum, c.expected.ExpectedChecksum);
  EXPECT_EQ(Settings().LabelRed, c.expected.LabelRed);
  EXPECT_EQ(Settings().LabelGreen, c.expected.LabelGreen);
  EXPECT_EQ(Settings().LabelBlue, c.expected.LabelBlue);
  EXPECT_EQ(Settings().SkinFlag, c.expected.SkinFlag);
  EXPECT_EQ(platform_.CallsNamed(L"SetForeColor"),
            std::vector<std::wstring>{ColorCall(c.red, c.green, c.blue)});
  EXPECT_EQ(platform_.CallsNamed(L"LoadPicture").size(), c.expected.SkinFlag == L"T" ? 5u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsValuesTest,
    testing::Values(
        ValuesCase{"Empty", "", {L"", L"", L"", 0, 0, 0, L"FALSE"}, 0, 0, 0},
        ValuesCase{"ThreeValues", "t.txt\r\nName\r\nsum\r\n", {L"t.txt", L"Name", L"sum", 0, 0, 0, L"FALSE"}, 0, 0, 0},
        ValuesCase{"FourValuesRed", "t,n,s,255", {L"t", L"n", L"s", 255, 0, 0, L"FALSE"}, 255, 0, 0},
        ValuesCase{"SixValues", "t,n,s,1,2,3\r\n", {L"t", L"n", L"s", 1, 2, 3, L"FALSE"}, 1, 2, 3},
        ValuesCase{"SevenOnOneLine", "t,n,s,1,2,3,t\r\n", {L"t", L"n", L"s", 1, 2, 3, L"T"}, 1, 2, 3},
        ValuesCase{"SevenOnePerLine", "t\r\nn\r\ns\r\n1\r\n2\r\n3\r\nt\r\n", {L"t", L"n", L"s", 1, 2, 3, L"T"}, 1, 2, 3},
        ValuesCase{"MixedAndQuoted", "\"my file.txt\",\"Name, with comma\"\r\ns,1\r\n2,3\r\nt",
                   {L"my file.txt", L"Name, with comma", L"s", 1, 2, 3, L"T"}, 1, 2, 3},
        ValuesCase{"MoreThanSeven", "t,n,s,1,2,3,t,junk,more\r\n", {L"t", L"n", L"s", 1, 2, 3, L"T"}, 1, 2, 3},
        ValuesCase{"ColourOutOfRangeIsClamped", "t,n,s,-5,300,128,False", {L"t", L"n", L"s", -5, 300, 128, L"FALSE"}, 0, 255, 128},
        ValuesCase{"BadColourStopsReading", "t,n,s,12,abc,3,T", {L"t", L"n", L"s", 12, 0, 0, L"FALSE"}, 12, 0, 0},
        // Not UTF-8, so in the code page: the first value is the fake code page's omega; the
        // second ends in a lead byte without its trail, which names nothing and reads as the
        // empty text, while the reading goes on.
        ValuesCase{"CodePageTextAndBytesItDoesNotDefine", "\x83\xA9.txt,n\x80,s,1,2,3,t",
                   {L"\x03A9.txt", L"", L"s", 1, 2, 3, L"T"}, 1, 2, 3}),
    CaseName());

TEST_F(FormLoadTest, TheTailAfterTheSeventhValueIsNeverRead) {
  platform_.files[kIni] = kSeven + std::string(8 << 20, 'x');
  Load();
  EXPECT_LT(platform_.bytes_read, 64u * 1024u);
}

struct SkinFlagCase {
  const char* flag;
  const wchar_t* stored;
  bool loads;
};

void PrintTo(const SkinFlagCase& c, std::ostream* os) { *os << testing::PrintToString(std::string(c.flag)); }

// The flag itself names the case; characters a test name cannot hold become underscores.
std::string FlagName(const testing::TestParamInfo<SkinFlagCase>& info) {
  std::string name = info.param.flag;
  if (name.empty()) return "Empty";
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
}

class SkinFlagTest : public FormLoadTest, public testing::WithParamInterface<SkinFlagCase> {};

TEST_P(SkinFlagTest, OnlyTOrTrueInAnyCaseSwitchesTheSkinOn) {
  platform_.files[kIni] = std::string("t,n,s,0,0,0,") + GetParam().flag + "\r\n";
  AddSkin({L"background.bmp", L"center.bmp", L"top.bmp", L"left.bmp", L"right.bmp"});
  Load();
  EXPECT_EQ(Settings().SkinFlag, GetParam().stored);
  EXPECT_EQ(platform_.control_pictures.size(), GetParam().loads ? 5u : 0u);
}

INSTANTIATE_TEST_SUITE_P(Flags, SkinFlagTest,
                         testing::Values(SkinFlagCase{"t", L"T", true}, SkinFlagCase{"True", L"TRUE", true},
                                         SkinFlagCase{"tRuE", L"TRUE", true}, SkinFlagCase{"T", L"T", true},
                                         SkinFlagCase{"TRUE", L"TRUE", true},
                                         SkinFlagCase{"False", L"FALSE", false}, SkinFlagCase{"", L"", false},
                                         SkinFlagCase{"Yes", L"YES", false}, SkinFlagCase{"Y", L"Y", false},
                                         SkinFlagCase{"1", L"1", false}, SkinFlagCase{"-1", L"-1", false},
                                         SkinFlagCase{"\"T \"", L"T ", false}),
                         FlagName);

TEST_F(FormLoadTest, SkinStopsAtTheFirstPictureThatCannotBeLoaded) {
  platform_.files[kIni] = "t,n,s,9,9,9,T";
  AddSkin({L"background.bmp", L"center.bmp", L"left.bmp", L"right.bmp"});
  Load();
  EXPECT_EQ(platform_.CallsNamed(L"SetPicture"),
            (std::vector<std::wstring>{L"SetPicture(5,600x40)", L"SetPicture(4,600x40)"}));
  EXPECT_EQ(platform_.CallsNamed(L"LoadPicture").size(), 3u);
  EXPECT_EQ(platform_.CallsNamed(L"SetForeColor"), std::vector<std::wstring>{ColorCall(9, 9, 9)});
  EXPECT_TRUE(platform_.CallsNamed(L"ShowMessage").empty());
}

TEST_F(FormLoadTest, NoSkinFolderLeavesEveryBuiltInPicture) {
  platform_.files[kIni] = "t,n,s,0,0,0,TRUE";
  Load();
  EXPECT_EQ(platform_.CallsNamed(L"LoadPicture").size(), 1u);
  EXPECT_TRUE(platform_.CallsNamed(L"SetPicture").empty());
  EXPECT_TRUE(platform_.CallsNamed(L"ShowMessage").empty());
}

// Answers one scripted length and remembers which path it was asked about.
class LengthPlatform : public FakePlatform {
 public:
  std::optional<std::int64_t> length;
  std::vector<std::wstring> asked;
  std::optional<std::int64_t> FileLength(const std::wstring& path) override {
    asked.push_back(path);
    return length;
  }
};

TEST(FileStatusTest, MapsTheLengthToMinusOneZeroOrOne) {
  struct Case {
    const char* file;
    std::optional<std::int64_t> length;
    int status;
  };
  const Case cases[] = {
      {"missing, a folder or a bad name", std::nullopt, -1},
      {"a negative length", -1, -1},
      {"empty", 0, 0},
      {"one byte", 1, 1},
      {"2 GiB", 2147483648LL, 1},
      {"5 GB", 5000000000LL, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    LengthPlatform platform;
    platform.length = c.length;
    EXPECT_EQ(launcher::FileStatus(platform, L"C:\\x"), c.status);
    EXPECT_EQ(platform.asked, std::vector<std::wstring>{L"C:\\x"});
  }
}

}  // namespace
}  // namespace talqo_test
