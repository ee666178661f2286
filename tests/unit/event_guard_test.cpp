#include <gtest/gtest.h>

#include <new>
#include <ostream>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "fake_platform.h"
#include "runtime/event_guard.h"
#include "runtime/runtime_error.h"

namespace talqo_test {
namespace {

const std::wstring kTitle = L"T.A.L.Q.O.";

// Writes each event it receives into the platform's record, then raises what it was
// given to raise, if anything.
class ScriptedForm : public runtime::FormEvents {
 public:
  ScriptedForm(FakePlatform& platform, void (*raise)()) : platform_(platform), raise_(raise) {}

  void Load() override { Received(L"Load()"); }
  void MouseDown(runtime::ControlIndex control, const runtime::MouseArgs& args) override {
    Received(L"MouseDown(" + Arguments(control, args) + L")");
  }
  void MouseMove(runtime::ControlIndex control, const runtime::MouseArgs& args) override {
    Received(L"MouseMove(" + Arguments(control, args) + L")");
  }
  void Click(runtime::ControlIndex control) override {
    Received(L"Click(" + std::to_wstring(control) + L")");
  }

 private:
  static std::wstring Arguments(runtime::ControlIndex control, const runtime::MouseArgs& args) {
    return std::to_wstring(control) + L"," + std::to_wstring(args.button) + L"," +
           std::to_wstring(args.shift) + L"," + std::to_wstring(args.x) + L"," +
           std::to_wstring(args.y);
  }
  void Received(const std::wstring& event) {
    platform_.calls.push_back(event);
    if (raise_ != nullptr) raise_();
  }

  FakePlatform& platform_;
  void (*raise_)();
};

struct EventCase {
  const char* name;
  void (*deliver)(runtime::FormEvents& events);
  const wchar_t* received;  // how the form records it
};

void PrintTo(const EventCase& c, std::ostream* os) { *os << c.name; }

const EventCase kEvents[] = {
    {"Load", [](runtime::FormEvents& events) { events.Load(); }, L"Load()"},
    {"MouseDown",
     [](runtime::FormEvents& events) {
       events.MouseDown(3, {runtime::kRightButton, runtime::kShiftMask, 15.5f, 30.25f});
     },
     L"MouseDown(3,2,1,15.500000,30.250000)"},
    {"MouseMove",
     [](runtime::FormEvents& events) {
       events.MouseMove(runtime::kFormSurface,
                        {0, runtime::kCtrlMask | runtime::kAltMask, 45, 60.75f});
     },
     L"MouseMove(-1,0,6,45.000000,60.750000)"},
    {"Click", [](runtime::FormEvents& events) { events.Click(2); }, L"Click(2)"},
};

struct FailureCase {
  const char* name;
  void (*raise)();
  const wchar_t* message;
  int exit_status;
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

const FailureCase kFailures[] = {
    {"RuntimeError", [] { throw runtime::RuntimeError(9, L"Subscript out of range"); },
     L"Run-time error '9':\r\n\r\nSubscript out of range", 9},
    {"OutOfMemory", [] { throw std::bad_alloc(); }, L"Run-time error '7':\r\n\r\nOut of memory", 7},
    {"ArrayTooLong", [] { throw std::bad_array_new_length(); },
     L"Run-time error '7':\r\n\r\nOut of memory", 7},
    {"OtherException", [] { throw std::out_of_range("index"); },
     L"Run-time error '51':\r\n\r\nInternal error", 51},
};

std::wstring MessageCall(const std::wstring& text) {
  return L"ShowMessage(" + Quoted(text) + L",16," + Quoted(kTitle) + L")";
}

class FailedEventTest : public testing::TestWithParam<std::tuple<EventCase, FailureCase>> {};

TEST_P(FailedEventTest, IsReportedEndsTheProgramWithItsNumberAndNothingReachesTheFormAfter) {
  const auto& [event, failure] = GetParam();
  FakePlatform platform;
  ScriptedForm form(platform, failure.raise);
  runtime::EventGuard guard(platform, form, kTitle);

  event.deliver(guard);

  const std::vector<std::wstring> ended{
      event.received,
      MessageCall(failure.message),
      L"EndProgram(" + std::to_wstring(failure.exit_status) + L")",
  };
  EXPECT_EQ(platform.calls, ended);
  EXPECT_EQ(guard.exit_status(), failure.exit_status);

  for (const EventCase& later : kEvents) later.deliver(guard);
  EXPECT_EQ(platform.calls, ended);
  EXPECT_EQ(guard.exit_status(), failure.exit_status);
}

INSTANTIATE_TEST_SUITE_P(EveryEventAndKind, FailedEventTest,
                         testing::Combine(testing::ValuesIn(kEvents), testing::ValuesIn(kFailures)),
                         [](const testing::TestParamInfo<FailedEventTest::ParamType>& info) {
                           return std::string(std::get<0>(info.param).name) +
                                  std::get<1>(info.param).name;
                         });

TEST(EventGuardTest, EventsThatSucceedReachTheFormUnchangedAndTheProgramRunsOn) {
  FakePlatform platform;
  ScriptedForm form(platform, nullptr);
  runtime::EventGuard guard(platform, form, kTitle);

  std::vector<std::wstring> received;
  for (int round = 0; round < 2; ++round) {
    for (const EventCase& event : kEvents) {
      event.deliver(guard);
      received.push_back(event.received);
    }
  }

  EXPECT_EQ(platform.calls, received);
  EXPECT_FALSE(guard.exit_status().has_value());
}

// Delivers an event while the message is up, as a message box lets some through.
class EventDuringMessagePlatform : public FakePlatform {
 public:
  runtime::FormEvents* events = nullptr;
  void ShowMessage(const std::wstring& text, int style, const std::wstring& title) override {
    FakePlatform::ShowMessage(text, style, title);
    events->MouseMove(0, {});
  }
};

TEST(EventGuardTest, AnEventWhileTheMessageIsUpDoesNotReachTheForm) {
  EventDuringMessagePlatform platform;
  ScriptedForm form(platform, [] { throw runtime::OverflowError(); });
  runtime::EventGuard guard(platform, form, kTitle);
  platform.events = &guard;

  guard.Click(1);

  EXPECT_EQ(platform.calls, (std::vector<std::wstring>{
                                L"Click(1)",
                                MessageCall(L"Run-time error '6':\r\n\r\nOverflow"),
                                L"EndProgram(6)",
                            }));
}

// Saying that memory has run out may take memory too.
class MessagelessPlatform : public FakePlatform {
 public:
  void ShowMessage(const std::wstring& text, int style, const std::wstring& title) override {
    FakePlatform::ShowMessage(text, style, title);
    throw std::bad_alloc();
  }
};

TEST(EventGuardTest, AMessageThatCannotBeShownStillEndsTheProgram) {
  MessagelessPlatform platform;
  ScriptedForm form(platform, [] { throw std::bad_alloc(); });
  runtime::EventGuard guard(platform, form, kTitle);

  guard.Click(2);

  EXPECT_EQ(platform.calls, (std::vector<std::wstring>{
                                L"Click(2)",
                                MessageCall(L"Run-time error '7':\r\n\r\nOut of memory"),
                                L"EndProgram(7)",
                            }));
  EXPECT_EQ(guard.exit_status(), 7);
}

}  // namespace
}  // namespace talqo_test
