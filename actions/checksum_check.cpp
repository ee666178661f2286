#include "actions/checksum_match.h"
#include "actions/full_path.h"
#include "actions/quoted_argument.h"
#include "launcher/file_status.h"
#include "launcher/frm_talqo.h"
#include "runtime/system_constants.h"

namespace launcher {

namespace {
using runtime::kMessageBoxOk;
using runtime::kShowNormal;
constexpr int kInputBoxCorner = 50;  // twips from the screen's left and top edges
constexpr const wchar_t* kToolDownload = L"https://gnuwin32.sourceforge.net/packages/coreutils.htm";
}  // namespace

void frmTALQO::imgCenter_Click() {
  const std::wstring tool = GetSystemPath() + L"\\md5sum.exe";
  if (FileStatus(platform_, tool) < 0) {
    platform_.ShowMessage(std::wstring(L"Error: Please install md5sum available at ") + kToolDownload,
                          kMessageBoxOk, L"Missing File(s)");
    return;
  }

  // A full path goes to the tool as it stands, so that the check names the very file that
  // the launch opens; any other name is the file beside the launcher. Quoted, so that
  // blanks in the folders or the name reach the tool as one argument.
  const std::wstring& target_file = LaunchSettings_.TargetFile;
  const std::wstring target = IsFullPath(target_file)
                                  ? target_file
                                  : platform_.ProgramDirectory() + L"\\" + target_file;
  platform_.ShellExecuteW(0, std::nullopt, tool, QuotedArgument(target), std::nullopt, kShowNormal);

  const std::wstring answer =
      platform_.InputBox(L"When the cheksum is generated, paste it here to see if it matches.",
                         L"MD5 Checksum Compare", L"", kInputBoxCorner, kInputBoxCorner);
  platform_.ShowMessage(ChecksumsMatch(answer, LaunchSettings_.ExpectedChecksum)
                            ? L"Checksums Match!"
                            : L"Checksums do NOT Match. Please do not share this file.",
                        kMessageBoxOk, L"Result:");
}

}  // namespace launcher
