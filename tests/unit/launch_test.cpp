#include <gtest/gtest.h>

#include "case_name.h"
#include "fake_platform.h"
#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace talqo_test {
namespace {

struct LaunchCase {
  const char* name;
  std::string ini;
  std::wstring target;
};

void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.name; }

class LaunchTest : public testing::TestWithParam<LaunchCase> {};

// The shell is the first and only thing called before the unload: no existence test and
// no message, whatever TargetFile holds. The program's directory is the working directory.
TEST_P(LaunchTest, OpensTargetFileThroughTheShellThenUnloads) {
  FakePlatform platform;
  platform.files[L"C:\\Apps\\Talqo\\talqo.ini"] = GetParam().ini;
  launcher::frmTALQO form(platform);
  form.Form_Load();
  platform.calls.clear();

  form.imgTop_Click();

  EXPECT_EQ(platform.calls, (std::vector<std::wstring>{
                                L"ShellExecuteW(0,null," + Quoted(GetParam().target) +
                                    L",null,\"C:\\Apps\\Talqo\",1)",
                                L"UnloadForm()",
                            }));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, LaunchTest,
    testing::Values(LaunchCase{"BareName", "doc.pdf,Doc", L"doc.pdf"},
                    LaunchCase{"Blanks", "\"my file with blanks.txt\"", L"my file with blanks.txt"},
                    LaunchCase{"Absolute", "\"C:\\Data\\report.xlsx\"", L"C:\\Data\\report.xlsx"},
                    LaunchCase{"Url", "\"https://example.org/x\"", L"https://example.org/x"},
                    // Greek and a fullwidth quotation mark, in UTF-8: the text as it is.
                    LaunchCase{"BeyondTheCodePage", "\xCE\xA9\xEF\xBC\x82 x.txt,Omega",
                               L"\x03A9\xFF02 x.txt"},
                    // Nothing read: an empty text, never a null pointer.
                    LaunchCase{"Empty", "", L""}),
    CaseName());

TEST(LaunchWithoutSettingsTest, EmptyTargetStillGoesToTheShellAndTheProgramEnds) {
  FakePlatform platform;
  launcher::frmTALQO form(platform);
  form.Form_Load();
  form.Click(launcher::imgTop);
  EXPECT_EQ(platform.CallsNamed(L"ShellExecuteW"),
            std::vector<std::wstring>{L"ShellExecuteW(0,null,\"\",null,\"C:\\Apps\\Talqo\",1)"});
  EXPECT_TRUE(platform.unloaded);
}

}  // namespace
}  // namespace talqo_test
