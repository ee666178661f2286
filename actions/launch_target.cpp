#include "launcher/frm_talqo.h"
#include "runtime/system_constants.h"

namespace launcher {

using runtime::kShowNormal;

// The shell's answer is deliberately disregarded: whatever it did, the launcher's job
// is over. The program's directory is given as the working directory so that a bare
// file name means the file beside the launcher, the same file the checksum check names,
// wherever the launcher was started from.
void frmTALQO::imgTop_Click() {
  platform_.ShellExecuteW(0, std::nullopt, LaunchSettings_.TargetFile, std::nullopt,
                          platform_.ProgramDirectory(), kShowNormal);
  platform_.UnloadForm();
}

}  // namespace launcher
