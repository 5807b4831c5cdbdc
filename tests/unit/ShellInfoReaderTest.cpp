#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "bar/BtnPanel.h"
#include "bar/ShellInfoReader.h"
#include "core/ButtonRecord.h"
#include "core/TabData.h"
#include "tests/unit/FakeBarHost.h"


namespace {
std::string ThisProgram() {
  char path[MAX_PATH] = "";
  ::GetModuleFileNameA(nullptr, path, sizeof path);
  return path;
}

// Runs the message loop until done() holds or ten seconds pass.
template <typename Done>
bool PumpUntil(Done done) {
  const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > end) return false;
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    ::Sleep(5);
  }
  return true;
}

std::vector<std::pair<WPARAM, LPARAM>>* g_progress = nullptr;

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_BUILD_PROGRESS && g_progress) g_progress->emplace_back(wParam, lParam);
  return ::DefWindowProcA(hwnd, message, wParam, lParam);
}

class ShellInfoReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(reader.Start());
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = ::GetModuleHandleA(nullptr);
    wc.lpszClassName = "ShellInfoReaderTestParent";
    ::RegisterClassA(&wc);
    parent = ::CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 100,
                               nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(nullptr, parent);
    g_progress = &progress;
  }
  void TearDown() override {
    panel.reset();
    g_progress = nullptr;
    if (parent) ::DestroyWindow(parent);
  }

  // A panel reading through the reader, as the bar's panels do.
  CBtnPanel& MakePanel(const std::vector<std::string>& commands) {
    tab = std::make_unique<CTabData>("T", 1);
    for (const auto& c : commands)
      tab->m_buttons.push_back(std::make_unique<CBtnData>(ParseButtonRecord(c)));
    panel = std::make_unique<CBtnPanel>(*tab, &host);
    EXPECT_TRUE(panel->Create(parent, 19000, RECT{0, 0, 300, 40}));
    host.reader = &reader;
    panel->Rebuild(true);
    return *panel;
  }
  bool AnyPending() const {
    for (int i = 0; i < panel->GetCount(); ++i)
      if (panel->GetItem(i)->m_pending) return true;
    return false;
  }

  CShellInfoReader reader;
  FakeBarHost host;
  HWND parent = nullptr;
  std::vector<std::pair<WPARAM, LPARAM>> progress;
  std::unique_ptr<CTabData> tab;
  std::unique_ptr<CBtnPanel> panel;
};
}  // namespace

TEST_F(ShellInfoReaderTest, AnswersComeInOrderAndAForgottenWindowGetsNone) {
  HWND a =
      ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  HWND b =
      ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  reader.Ask({{a, 7, ThisProgram(), 0}, {a, 8, "C:\\no such folder\\missing.exe", 0}});
  reader.Ask({{b, 9, ThisProgram(), 0}});
  reader.Forget(b);

  std::vector<CShellInfoReader::Answer> answers;
  ASSERT_TRUE(PumpUntil([&] {
    for (auto& answer : reader.TakeAnswers(a)) answers.push_back(std::move(answer));
    return answers.size() >= 2;
  }));
  ASSERT_EQ(2u, answers.size());
  EXPECT_EQ(7u, answers[0].serial);
  EXPECT_GE(answers[0].info.imageIndex, 0);
  EXPECT_FALSE(answers[0].info.text.empty());
  // A missing target has no image; its name stands in.
  EXPECT_EQ(8u, answers[1].serial);
  EXPECT_EQ(-1, answers[1].info.imageIndex);
  EXPECT_EQ("missing.exe", answers[1].info.text);
  EXPECT_NE(nullptr, reader.GetImageList(true));
  EXPECT_NE(nullptr, reader.GetImageList(false));
  EXPECT_TRUE(reader.TakeAnswers(b).empty());
  ::DestroyWindow(a);
  ::DestroyWindow(b);
}

TEST_F(ShellInfoReaderTest, APanelShowsItsCellsAtOnceAndFillsThemInWithProgress) {
  const std::string program = ThisProgram();
  MakePanel({program, program, "/", program, program, program, program});
  // Nothing waited for the shell: the cells are there, still without names.
  EXPECT_TRUE(panel->GetItem(0)->m_pending);
  EXPECT_TRUE(panel->GetItem(0)->m_text.empty());
  EXPECT_FALSE(panel->GetItem(2)->m_pending);
  EXPECT_TRUE(progress.empty());

  ASSERT_TRUE(PumpUntil([&] { return !AnyPending(); }));
  for (int i : {0, 1, 3, 4, 5, 6}) {
    EXPECT_FALSE(panel->GetItem(i)->m_text.empty()) << i;
    EXPECT_GE(panel->GetItem(i)->m_imageIndex, 0) << i;
  }
  // One step per answer between the start (with the number to come) and the end.
  ASSERT_EQ(8u, progress.size());
  EXPECT_EQ(0u, progress.front().first);
  EXPECT_EQ(6, progress.front().second);
  for (size_t i = 1; i <= 6; ++i) EXPECT_EQ(1u, progress[i].first);
  EXPECT_EQ(2u, progress.back().first);
}

TEST_F(ShellInfoReaderTest, CellsEditedWhileReadingKeepTheEditNotTheLateAnswer) {
  const std::string program = ThisProgram();
  MakePanel({program, program, program, program, program, program});
  ASSERT_TRUE(panel->SetCell(0, "C:\\elsewhere\\other.exe"));
  ASSERT_TRUE(panel->DeleteCell(1));
  EXPECT_EQ("other.exe", panel->GetItem(0)->m_text);

  ASSERT_TRUE(PumpUntil([&] { return !AnyPending(); }));
  EXPECT_EQ("other.exe", panel->GetItem(0)->m_text);
  EXPECT_EQ(-1, panel->GetItem(0)->m_imageIndex);
  for (int i = 1; i < panel->GetCount(); ++i) EXPECT_FALSE(panel->GetItem(i)->m_text.empty());
  // The bar's progress still ends although two questions lost their cells.
  ASSERT_FALSE(progress.empty());
  EXPECT_EQ(2u, progress.back().first);
}

TEST_F(ShellInfoReaderTest, APanelDestroyedWhileReadingLeavesNoAnswersBehind) {
  const std::string program = ThisProgram();
  MakePanel(std::vector<std::string>(50, program));
  HWND window = panel->GetSafeHwnd();
  panel.reset();
  ::Sleep(200);
  EXPECT_TRUE(reader.TakeAnswers(window).empty());
}

TEST_F(ShellInfoReaderTest, APausedReaderAnswersOnlyOnceToldToGo) {
  CShellInfoReader paused;
  ASSERT_TRUE(paused.Start(true));
  HWND window =
      ::CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  paused.Ask({{window, 1, ThisProgram(), 0}});
  ::Sleep(300);
  EXPECT_TRUE(paused.TakeAnswers(window).empty());
  paused.Go();
  std::vector<CShellInfoReader::Answer> answers;
  ASSERT_TRUE(PumpUntil([&] {
    answers = paused.TakeAnswers(window);
    return !answers.empty();
  }));
  EXPECT_EQ(1u, answers[0].serial);
  ::DestroyWindow(window);
}
