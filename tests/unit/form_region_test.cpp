#include <gtest/gtest.h>

#include <limits>

#include "case_name.h"
#include "fake_platform.h"
#include "launcher/frm_talqo.h"
#include "runtime/event_guard.h"
#include "runtime/runtime_error.h"

namespace talqo_test {
namespace {

struct RegionCase {
  const char* name;
  float per_pixel_x;
  float per_pixel_y;
  const wchar_t* ellipse;
};

void PrintTo(const RegionCase& c, std::ostream* os) {
  *os << c.per_pixel_x << " x " << c.per_pixel_y << " twips per pixel";
}

class FormRegionTest : public testing::TestWithParam<RegionCase> {};

TEST_P(FormRegionTest, BuildsTheEllipseInTheDestinationAndDeletesIt) {
  FakePlatform platform;
  platform.twips_per_pixel_x = GetParam().per_pixel_x;
  platform.twips_per_pixel_y = GetParam().per_pixel_y;
  launcher::frmTALQO form(platform);

  const runtime::RegionHandle region = form.CreateFormRegion();

  EXPECT_EQ(region, 0x100u);
  EXPECT_EQ(platform.calls, (std::vector<std::wstring>{
                                L"CreateRectRgn(0,0,0,0)=256",
                                std::wstring(L"CreateEllipticRgn(") + GetParam().ellipse + L")=257",
                                L"CombineRgn(256,257,257,5)",
                                L"DeleteObject(257)",
                            }));
}

// Halves go to the even neighbour, and the quotient is never narrowed to single precision.
INSTANTIATE_TEST_SUITE_P(
    ScreenFactors, FormRegionTest,
    testing::Values(RegionCase{"Dpi96", 15, 15, L"5,50,520,522"},
                    RegionCase{"Dpi120", 12, 12, L"6,62,650,652"},
                    RegionCase{"Dpi72", 20, 20, L"4,38,390,392"},
                    RegionCase{"Dpi144", 10, 10, L"8,75,780,783"},
                    RegionCase{"AxesApart", 15, 12, L"5,62,520,652"},
                    RegionCase{"Dpi104", 13.846154f, 13.846154f, L"5,54,563,565"}),
    CaseName());

struct FailureCase {
  const char* name;
  float per_pixel_x;
  float per_pixel_y;
  int error_number;
};

void PrintTo(const FailureCase& c, std::ostream* os) {
  *os << c.per_pixel_x << " x " << c.per_pixel_y << " twips per pixel";
}

class FormRegionFailureTest : public testing::TestWithParam<FailureCase> {};

TEST_P(FormRegionFailureTest, RaisesTheRuntimeErrorBeforeAnyEllipse) {
  FakePlatform platform;
  platform.twips_per_pixel_x = GetParam().per_pixel_x;
  platform.twips_per_pixel_y = GetParam().per_pixel_y;
  launcher::frmTALQO form(platform);

  try {
    form.CreateFormRegion();
    FAIL() << "no error raised";
  } catch (const runtime::RuntimeError& error) {
    EXPECT_EQ(error.number(), GetParam().error_number);
  }
  EXPECT_EQ(platform.calls,
            (std::vector<std::wstring>{L"CreateRectRgn(0,0,0,0)=256", L"DeleteObject(256)"}));
}

INSTANTIATE_TEST_SUITE_P(
    BadFactors, FormRegionFailureTest,
    testing::Values(FailureCase{"ZeroX", 0, 15, 11}, FailureCase{"ZeroY", 15, 0, 11},
                    FailureCase{"ZeroBoth", 0, 0, 11},
                    FailureCase{"NotANumber", std::numeric_limits<float>::quiet_NaN(), 15, 6},
                    // 7830 / 1e-9 lies far outside the 32-bit range.
                    FailureCase{"OutOfRange", 15, 1e-9f, 6}),
    CaseName());

TEST(FormStartTest, UnhandledErrorInLoadIsReportedAndEndsTheProgram) {
  FakePlatform platform;
  platform.twips_per_pixel_y = 0;
  launcher::frmTALQO form(platform);
  runtime::EventGuard events(platform, form, L"T.A.L.Q.O.");

  events.Load();

  EXPECT_EQ(events.exit_status(), 11);
  // The region that was begun is deleted, the window never receives one, no settings are
  // looked for, and the error is reported.
  EXPECT_EQ(platform.calls,
            (std::vector<std::wstring>{
                L"FormWindow()",
                L"CreateRectRgn(0,0,0,0)=256",
                L"DeleteObject(256)",
                L"ShowMessage(\"Run-time error '11':\r\n\r\nDivision by zero\",16,\"T.A.L.Q.O.\")",
                L"EndProgram(11)",
            }));
}

}  // namespace
}  // namespace talqo_test
