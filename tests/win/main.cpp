#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// A test that waits on a box nobody answers, or loops, would hold up the
// whole run until ctest's timeout and then say nothing. This names the test
// and the boxes on screen and ends the process instead. Seconds per test from
// HAKUZO_TEST_TIMEOUT (slow emulation needs more), 60 by default.
const testing::TestInfo* volatile currentTest;
volatile LONG testsStarted;

class TestStarts : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo& info) override {
    currentTest = &info;
    InterlockedIncrement(&testsStarted);
  }
};

BOOL CALLBACK AppendStatic(HWND child, LPARAM lParam) {
  char text[512] = {};
  GetClassNameA(child, text, sizeof text);
  if (lstrcmpiA(text, "Static") != 0) return TRUE;
  GetWindowTextA(child, text, sizeof text);
  if (text[0]) *reinterpret_cast<std::string*>(lParam) += std::string(" \"") + text + "\"";
  return TRUE;
}

BOOL CALLBACK ReportBox(HWND window, LPARAM) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  char className[32] = {};
  GetClassNameA(window, className, sizeof className);
  if (process != GetCurrentProcessId() || !IsWindowVisible(window) ||
      lstrcmpA(className, "#32770") != 0)
    return TRUE;
  char title[256] = {};
  GetWindowTextA(window, title, sizeof title);
  std::string texts;
  EnumChildWindows(window, AppendStatic, reinterpret_cast<LPARAM>(&texts));
  std::printf("  open box \"%s\":%s\n", title, texts.c_str());
  return TRUE;
}

DWORD WINAPI Watchdog(void* limitSeconds) {
  const DWORD limit = static_cast<DWORD>(reinterpret_cast<UINT_PTR>(limitSeconds)) * 1000;
  LONG seen = -1;
  DWORD since = GetTickCount();
  for (;;) {
    Sleep(500);
    if (testsStarted != seen) {
      seen = testsStarted;
      since = GetTickCount();
    } else if (GetTickCount() - since > limit) {
      const testing::TestInfo* test = currentTest;
      std::printf("\n[ TIMEOUT  ] %s.%s still running after %lu s\n",
                  test ? test->test_suite_name() : "?", test ? test->name() : "?",
                  static_cast<unsigned long>(limit / 1000));
      EnumWindows(ReportBox, 0);
      std::fflush(stdout);
      ExitProcess(3);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(new TestStarts);
  const char* setting = std::getenv("HAKUZO_TEST_TIMEOUT");
  UINT_PTR seconds = setting ? std::strtoul(setting, nullptr, 10) : 0;
  CreateThread(nullptr, 0, Watchdog, reinterpret_cast<void*>(seconds ? seconds : 60), 0, nullptr);
  return RUN_ALL_TESTS();
}

// Everything the editor shows rests on these two facts of the test machine.
TEST(Environment, RunsWithTheJapaneseCodePage) {
  EXPECT_EQ(GetACP(), 932u);
}

TEST(Environment, LiteralsAreShiftJis) {
  const unsigned char bytes[] = "保存しますか？表";
  const unsigned char expected[] = {0x95, 0xdb, 0x91, 0xb6, 0x82, 0xb5, 0x82, 0xdc, 0x82,
                                    0xb7, 0x82, 0xa9, 0x81, 0x48, 0x95, 0x5c, 0};
  ASSERT_EQ(sizeof bytes, sizeof expected);
  for (size_t i = 0; i < sizeof bytes; ++i) EXPECT_EQ(bytes[i], expected[i]) << i;
}
