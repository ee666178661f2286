#include <gtest/gtest.h>

#include <optional>

#include "case_name.h"
#include "fake_platform.h"
#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"

namespace talqo_test {
namespace {

struct LaunchCase {
  const char* name;
  std::optional<std::string> ini;  // none: no settings file at all
  std::wstring target;
};

void PrintTo(const LaunchCase& c, std::ostream* os) { *os << c.name; }

class LaunchTest : public testing::TestWithParam<LaunchCase> {};

// The shell is the first and only thing called before the unload: no existence test and
// no message, whatever TargetFile holds. The program's directory is the working directory.
TEST_P(LaunchTest, OpensTargetFileThroughTheShellThenUnloads) {
  FakePlatform platform;
  if (GetParam().ini) platform.files[L"C:\\Apps\\Talqo\\talqo.ini"] = *GetParam().ini;
  launcher::frmTALQO form(platform);
  form.Form_Load();
  platform.calls.clear();

  form.Click(launcher::imgTop);

  EXPECT_EQ(platform.calls, (std::vector<std::wstring>{
                                L"ShellExecuteW(0,null," + Quoted(GetParam().target) +
                                    L",null,\"C:\\Apps\\Talqo\",1)",
                                L"UnloadForm()",
                            }));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, LaunchTest,
    testing::Values(
        // Neither quoted nor put behind the launcher's folder: the working directory
        // makes a bare name the file beside the launcher.
        LaunchCase{"BareNameWithBlanks", "\"my file with blanks.txt\",Mine",
                   L"my file with blanks.txt"},
        // Greek and a fullwidth quotation mark, in UTF-8: the text as it is.
        LaunchCase{"BeyondTheCodePage", "\xCE\xA9\xEF\xBC\x82 x.txt,Omega", L"\x03A9\xFF02 x.txt"},
        // Nothing read: an empty text, never a null pointer.
        LaunchCase{"EmptySettingsFile", "", L""},
        // After the message that no settings file is present, the same empty text.
        LaunchCase{"NoSettingsFile", std::nullopt, L""}),
    CaseName());

}  // namespace
}  // namespace talqo_test
