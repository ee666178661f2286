#include <algorithm>

#include "launcher/file_status.h"
#include "launcher/frm_talqo.h"
#include "launcher/frm_talqo_definition.h"
#include "launcher/settings_reader.h"
#include "runtime/system_constants.h"

namespace launcher {

namespace {

struct SkinPicture {
  const wchar_t* file;
  Control control;
};

// Loaded in this order; the first picture that fails ends the loading.
constexpr SkinPicture kSkin[] = {
    {L"\\skin\\background.bmp", imgSkin}, {L"\\skin\\center.bmp", imgCenter},
    {L"\\skin\\top.bmp", imgTop},         {L"\\skin\\left.bmp", imgLeft},
    {L"\\skin\\right.bmp", imgRight},
};

// A component outside 0..255 is brought into range, so any file gives a colour.
int ColorComponent(std::int16_t value) { return std::clamp<int>(value, 0, 255); }

}  // namespace

void frmTALQO::Form_Load() {
  LaunchSettings_.SkinFlag = L"False";

  const runtime::WindowHandle window = platform_.FormWindow();
  platform_.SetWindowRgn(window, CreateFormRegion(), true);

  const std::wstring directory = platform_.ProgramDirectory();
  const bool settings_exists = FileStatus(platform_, directory + L"\\talqo.ini") >= 0;
  const bool override_exists = FileStatus(platform_, directory + L"\\talqo1.ini") >= 0;
  if (override_exists) {
    ReadSettings(directory + L"\\talqo1.ini");
  } else if (settings_exists) {
    ReadSettings(directory + L"\\talqo.ini");
  } else {
    platform_.ShowMessage(L"talqo.ini and/or talqo1.ini not present", runtime::kMessageBoxOk,
                          L"missing *.ini");
    return;
  }

  LaunchSettings_.SkinFlag = platform_.UpperCase(LaunchSettings_.SkinFlag);
  platform_.SetForeColor(lblSubj, runtime::Rgb(ColorComponent(LaunchSettings_.LabelRed),
                                               ColorComponent(LaunchSettings_.LabelGreen),
                                               ColorComponent(LaunchSettings_.LabelBlue)));
  if (LaunchSettings_.SkinFlag == L"TRUE" || LaunchSettings_.SkinFlag == L"T") LoadSkin();
}

// The fields from the first value that cannot be read on keep their initial values.
// A file that cannot be opened reads as one whose first value fails.
void frmTALQO::ReadSettings(const std::wstring& path) {
  const std::unique_ptr<runtime::ByteStream> file = platform_.OpenForReading(path);
  if (!file) return;
  SettingsReader reader(*file, [this](const std::string& text) { return platform_.AnsiToWide(text); });
  ReadLaunchSettings(reader, LaunchSettings_);
}

void frmTALQO::LoadSkin() {
  const std::wstring directory = platform_.ProgramDirectory();
  for (const SkinPicture& skin : kSkin) {
    const runtime::PictureHandle picture = platform_.LoadPicture(directory + skin.file);
    if (picture == runtime::kNoPicture) return;
    platform_.SetPicture(skin.control, picture);
  }
}

}  // namespace launcher
