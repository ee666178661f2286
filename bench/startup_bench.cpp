// Measures how long talqo.exe takes to show its window, against a bare Win32 window of the
// same size as the baseline, and how much memory each needs by then. Runs inside Wine:
//   startup_bench.exe TALQO_EXE BARE_WINDOW_EXE [RUNS]
// Per-run lines go to stderr; the summary, a markdown table, goes to stdout.
#include <windows.h>
#include <fcntl.h>
#include <io.h>

#include <cstdint>
#include <cstdio>
#include <cwchar>
#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "bench/median.h"
#include "bench/startup_measurement.h"

namespace {

constexpr long kDefaultRuns = 15;
constexpr long kMinimumRuns = 10;
constexpr long kMaximumRuns = 1000;
constexpr int kUsageError = 2;
constexpr int kMeasurementError = 1;

constexpr char kUsage[] =
    "usage: startup_bench.exe TALQO_EXE BARE_WINDOW_EXE [RUNS]  (RUNS 10..1000, default 15)\n";

struct Contender {
  const char* name;
  bench::BenchedProgram program;
  std::vector<double> milliseconds;
  std::vector<double> peak_kib;
};

std::optional<long> ParseRuns(const wchar_t* text) {
  wchar_t* end = nullptr;
  const long runs = std::wcstol(text, &end, 10);
  if (end == text || *end != L'\0' || runs < kMinimumRuns || runs > kMaximumRuns) return {};
  return runs;
}

std::uint64_t FileSize(const std::wstring& path) {
  WIN32_FILE_ATTRIBUTE_DATA attributes{};
  if (!::GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &attributes)) {
    throw std::runtime_error("cannot read the size of an executable");
  }
  return (static_cast<std::uint64_t>(attributes.nFileSizeHigh) << 32) | attributes.nFileSizeLow;
}

void PrintSummary(const Contender& talqo, const Contender& bare, long runs) {
  const double talqo_ms = bench::Median(talqo.milliseconds);
  const double bare_ms = bench::Median(bare.milliseconds);
  std::printf("| Program | Start-up, median of %ld | Peak working set, median | File size |\n", runs);
  std::printf("|---|---:|---:|---:|\n");
  for (const Contender* contender : {&talqo, &bare}) {
    const std::uint64_t bytes = FileSize(contender->program.path);
    std::printf("| %s | %.1f ms | %.0f KiB | %llu bytes (%.1f KiB) |\n", contender->name,
                bench::Median(contender->milliseconds), bench::Median(contender->peak_kib),
                static_cast<unsigned long long>(bytes), static_cast<double>(bytes) / 1024.0);
  }
  std::printf("\nStart-up ratio %s / %s: %.2f\n", talqo.name, bare.name, talqo_ms / bare_ms);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  // Both streams end up in a Unix pipe: no CR before each LF.
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);

  if (argc < 3 || argc > 4) {
    std::fputs(kUsage, stderr);
    return kUsageError;
  }
  const std::optional<long> parsed_runs = argc == 4 ? ParseRuns(argv[3]) : kDefaultRuns;
  if (!parsed_runs) {
    std::fputs(kUsage, stderr);
    return kUsageError;
  }
  const long runs = *parsed_runs;

  Contender talqo{"talqo.exe", {argv[1], L"T.A.L.Q.O."}, {}, {}};
  Contender bare{"bare_window.exe", {argv[2], L"bare window"}, {}, {}};
  try {
    // Interleaved, so that a slow spell of the machine weighs on both alike.
    for (long run = 1; run <= runs; ++run) {
      for (Contender* contender : {&talqo, &bare}) {
        const bench::StartupSample sample = bench::MeasureStartup(contender->program);
        const double peak_kib = static_cast<double>(sample.peak_working_set_bytes) / 1024.0;
        contender->milliseconds.push_back(sample.milliseconds);
        contender->peak_kib.push_back(peak_kib);
        std::fprintf(stderr, "run %2ld  %-15s %8.1f ms  peak working set %8.0f KiB\n", run,
                     contender->name, sample.milliseconds, peak_kib);
      }
    }
    PrintSummary(talqo, bare, runs);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "startup_bench: %s\n", error.what());
    return kMeasurementError;
  }
  return 0;
}
