#include <gtest/gtest.h>

#include <optional>

#include "actions/checksum_match.h"
#include "case_name.h"
#include "fake_platform.h"
#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace talqo_test {
namespace {

const std::wstring kPrompt = L"When the cheksum is generated, paste it here to see if it matches.";
const std::wstring kMatch = L"ShowMessage(\"Checksums Match!\",0,\"Result:\")";
const std::wstring kMismatch =
    L"ShowMessage(\"Checksums do NOT Match. Please do not share this file.\",0,\"Result:\")";

class ChecksumClickTest : public testing::Test {
 protected:
  void Configure(const std::string& ini) {
    platform_.files[platform_.program_directory + L"\\talqo.ini"] = ini;
    form_.Form_Load();
    platform_.calls.clear();
  }
  FakePlatform platform_;
  launcher::frmTALQO form_{platform_};
};

TEST_F(ChecksumClickTest, RunsTheToolAsksForTheChecksumAndReports) {
  platform_.program_directory = L"C:\\Program Files\\My Talqo";
  platform_.files[L"C:\\Windows\\system32\\md5sum.exe"] = "MZ";
  platform_.input_box_answer = L"900150983cd24fb0d6963f7d28e17f72";
  Configure("my file.txt,Mine,900150983cd24fb0d6963f7d28e17f72");

  form_.imgCenter_Click();

  EXPECT_EQ(platform_.calls,
            (std::vector<std::wstring>{
                L"GetSystemDirectoryA(206,206)",
                L"FileLength(\"C:\\Windows\\system32\\md5sum.exe\")",
                L"ShellExecuteW(0,null,\"C:\\Windows\\system32\\md5sum.exe\","
                L"\"\"C:\\Program Files\\My Talqo\\my file.txt\"\",null,1)",
                L"InputBox(" + Quoted(kPrompt) + L",\"MD5 Checksum Compare\",\"\",50,50)",
                kMatch,
            }));
  EXPECT_FALSE(platform_.unloaded);
}

TEST_F(ChecksumClickTest, MissingToolOnlySaysSo) {
  Configure("a.txt,A,x");
  form_.imgCenter_Click();
  EXPECT_EQ(platform_.CallsNamed(L"ShowMessage"),
            std::vector<std::wstring>{
                L"ShowMessage(\"Error: Please install md5sum available at "
                L"https://gnuwin32.sourceforge.net/packages/coreutils.htm\",0,\"Missing File(s)\")"});
  EXPECT_TRUE(platform_.CallsNamed(L"ShellExecuteW").empty());
  EXPECT_TRUE(platform_.CallsNamed(L"InputBox").empty());
}

TEST_F(ChecksumClickTest, EmptyToolFileCountsAsPresent) {
  platform_.files[L"C:\\Windows\\system32\\md5sum.exe"] = "";
  Configure("a.txt,A,x");
  form_.imgCenter_Click();
  EXPECT_EQ(platform_.CallsNamed(L"InputBox").size(), 1u);
}

TEST_F(ChecksumClickTest, FailedSystemDirectoryLooksAtTheRootAndEmptyTargetNamesTheDirectory) {
  platform_.system_directory_call = FakePlatform::SystemDirectoryCall::kFailsUntouched;
  platform_.files[L"\\md5sum.exe"] = "MZ";
  Configure("");
  form_.imgCenter_Click();
  EXPECT_EQ(platform_.CallsNamed(L"ShellExecuteW"),
            std::vector<std::wstring>{
                L"ShellExecuteW(0,null,\"\\md5sum.exe\",\"\"C:\\Apps\\Talqo\\\\\"\",null,1)"});
  // Nothing was entered, so nothing was checked, even against an empty expectation.
  EXPECT_EQ(platform_.CallsNamed(L"ShowMessage"), std::vector<std::wstring>{kMismatch});
}

TEST_F(ChecksumClickTest, EveryClickRunsTheWholeCheckAgain) {
  platform_.files[L"C:\\Windows\\system32\\md5sum.exe"] = "MZ";
  Configure("a.txt,A,abc");
  platform_.input_box_answer = L"wrong";
  form_.Click(launcher::imgCenter);
  platform_.input_box_answer = L"abc";
  form_.Click(launcher::imgCenter);
  EXPECT_EQ(platform_.CallsNamed(L"GetSystemDirectoryA").size(), 2u);
  EXPECT_EQ(platform_.CallsNamed(L"ShellExecuteW").size(), 2u);
  EXPECT_EQ(platform_.CallsNamed(L"ShowMessage"), (std::vector<std::wstring>{kMismatch, kMatch}));
}

struct ParameterCase {
  const char* name;
  std::string target_file;
  std::wstring parameters;
};

void PrintTo(const ParameterCase& c, std::ostream* os) { *os << c.name; }

class ToolParametersTest : public testing::TestWithParam<ParameterCase> {};

// The tool is told the file that the launch opens: a full path as it stands, any other
// name beside the launcher. Always one quoted argument.
TEST_P(ToolParametersTest, NameTheFileThatTheLaunchOpens) {
  FakePlatform platform;
  platform.files[L"C:\\Windows\\system32\\md5sum.exe"] = "MZ";
  platform.files[L"C:\\Apps\\Talqo\\talqo.ini"] = "\"" + GetParam().target_file + "\",Name,x";
  launcher::frmTALQO form(platform);
  form.Form_Load();
  form.imgCenter_Click();
  EXPECT_EQ(platform.CallsNamed(L"ShellExecuteW"),
            std::vector<std::wstring>{L"ShellExecuteW(0,null,\"C:\\Windows\\system32\\md5sum.exe\"," +
                                      Quoted(GetParam().parameters) + L",null,1)"});
}

INSTANTIATE_TEST_SUITE_P(
    Targets, ToolParametersTest,
    testing::Values(
        ParameterCase{"DrivePath", "D:\\Docs\\report.pdf", L"\"D:\\Docs\\report.pdf\""},
        ParameterCase{"LowerCaseDrive", "d:\\report.pdf", L"\"d:\\report.pdf\""},
        ParameterCase{"UncPath", "\\\\server\\share\\report.pdf",
                      L"\"\\\\server\\share\\report.pdf\""},
        ParameterCase{"RelativeWithSubfolder", "docs\\report.pdf",
                      L"\"C:\\Apps\\Talqo\\docs\\report.pdf\""},
        // Neither a drive path nor a UNC path: behind the launcher's folder.
        ParameterCase{"DriveRelative", "D:report.pdf", L"\"C:\\Apps\\Talqo\\D:report.pdf\""},
        ParameterCase{"RootOfTheCurrentDrive", "\\report.pdf",
                      L"\"C:\\Apps\\Talqo\\\\report.pdf\""},
        ParameterCase{"Empty", "", L"\"C:\\Apps\\Talqo\\\\\""},
        // Greek and a fullwidth quotation mark, in UTF-8: kept as they are, inside the quotes.
        ParameterCase{"BeyondTheCodePage", "\xCE\xA9\xEF\xBC\x82 x.txt",
                      L"\"C:\\Apps\\Talqo\\\x03A9\xFF02 x.txt\""}),
    CaseName());

struct MatchCase {
  const char* name;
  const wchar_t* answer;
  const wchar_t* expected;
  bool match;
};

const wchar_t kSum[] = L"d41d8cd98f00b204e9800998ecf8427e";

TEST(ChecksumsMatchTest, ComparesTrimmedTextIgnoringCase) {
  const MatchCase cases[] = {
      {"the same text", kSum, kSum, true},
      {"answer in capitals", L"D41D8CD98F00B204E9800998ECF8427E", kSum, true},
      {"expected in capitals", kSum, L"D41D8CD98F00B204E9800998ECF8427E", true},
      {"blanks and a line end around the answer", L" d41d8cd98f00b204e9800998ecf8427e \r\n", kSum,
       true},
      {"a tab before, blanks after", L"\td41d8cd98f00b204e9800998ecf8427e",
       L"d41d8cd98f00b204e9800998ecf8427e  ", true},
      {"last digit differs", L"d41d8cd98f00b204e9800998ecf8427f", kSum, false},
      {"a blank inside", L"d41d8cd98f00b204 e9800998ecf8427e", kSum, false},
      // A pasted part of the checksum is no match, however it begins.
      {"the first character only", L"d", kSum, false},
      {"the last digit missing", L"d41d8cd98f00b204e9800998ecf8427", kSum, false},
      // Nor is the checksum with more after it, as a tool's line prints it.
      {"the tool's line, name and all", L"d41d8cd98f00b204e9800998ecf8427e  demo.txt", kSum, false},
      {"more text right after it", L"d41d8cd98f00b204e9800998ecf8427e0", kSum, false},
      {"a leading zero more", L"0123", L"123", false},
      {"leading zeros on both", L"00123", L"00123", true},
      {"both empty", L"", L"", false},
      {"blank answer, empty expected", L"   ", L"", false},
      {"empty answer", L"", L"abc", false},
      {"empty expected", L"abc", L"", false},
  };
  for (const MatchCase& c : cases) {
    EXPECT_EQ(launcher::ChecksumsMatch(c.answer, c.expected), c.match) << c.name;
  }
}

using SystemDirectoryCall = FakePlatform::SystemDirectoryCall;

struct SystemPathCase {
  const char* name;
  std::wstring directory;
  SystemDirectoryCall call;
  std::wstring answer;
  std::optional<std::string> written_bytes = std::nullopt;
};

void PrintTo(const SystemPathCase& c, std::ostream* os) { *os << c.name; }

class SystemPathTest : public testing::TestWithParam<SystemPathCase> {};

TEST_P(SystemPathTest, AnswersThePathOnlyWhenItFitsTheBuffer) {
  FakePlatform platform;
  platform.system_directory = GetParam().directory;
  platform.system_directory_call = GetParam().call;
  platform.system_directory_bytes = GetParam().written_bytes;
  launcher::frmTALQO form(platform);
  EXPECT_EQ(form.GetSystemPath(), GetParam().answer);
  EXPECT_EQ(platform.calls, std::vector<std::wstring>{L"GetSystemDirectoryA(206,206)"});
}

const std::wstring kSystem32 = L"C:\\Windows\\system32";
const std::wstring k205 = L"C:\\" + std::wstring(202, L'a');
const std::wstring k206 = L"C:\\" + std::wstring(203, L'a');
// 100 two-byte characters and 5 one-byte ones: 205 bytes, 105 characters.
const std::wstring kWide205 = L"C:\\" + std::wstring(100, L'\x00e9') + L"xx";
const std::wstring kWide206 = L"C:\\" + std::wstring(100, L'\x00e9') + L"xxx";

INSTANTIATE_TEST_SUITE_P(
    Buffers, SystemPathTest,
    testing::Values(
        SystemPathCase{"Usual", kSystem32, SystemDirectoryCall::kSucceeds, kSystem32},
        SystemPathCase{"Bytes205", k205, SystemDirectoryCall::kSucceeds, k205},
        SystemPathCase{"Bytes206", k206, SystemDirectoryCall::kSucceeds, L""},
        SystemPathCase{"Longer", k206 + L"bbbb", SystemDirectoryCall::kSucceeds, L""},
        SystemPathCase{"CallFails", kSystem32, SystemDirectoryCall::kFailsUntouched, L""},
        SystemPathCase{"CallFailsAfterWriting", kSystem32, SystemDirectoryCall::kFailsAfterWriting,
                       L""},
        SystemPathCase{"TwoByteCharsFit", kWide205, SystemDirectoryCall::kSucceeds, kWide205},
        SystemPathCase{"TwoByteCharsTooLong", kWide206, SystemDirectoryCall::kSucceeds, L""},
        // A lead byte with nothing after it but the terminator: no character of the code
        // page, so no look-alike folder either.
        SystemPathCase{"BytesTheCodePageDoesNotDefine", kSystem32, SystemDirectoryCall::kSucceeds,
                       L"", std::string("C:\\Windows\\sys\x80")}),
    CaseName());

}  // namespace
}  // namespace talqo_test
