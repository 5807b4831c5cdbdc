// The driver's own reading of message boxes, which the scenarios rely on: a box of this
// process shows each system icon, and the driver must name the one that is shown.
#include <windows.h>

#include <gtest/gtest.h>

#include <thread>

#include "WindowFinder.h"

namespace e2e {
namespace {

TEST(DriverTest, ReadsTheIconTextAndButtonsOfAMessageBox) {
  const struct {
    UINT style;
    BoxIcon icon;
  } cases[] = {{MB_ICONSTOP, BoxIcon::kStop},
               {MB_ICONEXCLAMATION, BoxIcon::kExclamation},
               {MB_ICONINFORMATION, BoxIcon::kInformation},
               {MB_ICONQUESTION, BoxIcon::kQuestion},
               {0, BoxIcon::kNone}};
  for (const auto& c : cases) {
    SCOPED_TRACE(BoxIconName(c.icon));
    std::thread shower(
        [&c] { ::MessageBoxA(nullptr, "一行目\n2", "DriverTest", MB_OKCANCEL | c.style); });
    HWND box = WaitForTopLevelWindow(::GetCurrentProcessId(), "#32770", "DriverTest", 10000);
    if (box) {
      ::Sleep(200);  // let it paint its icon
      MessageBoxInfo info = ReadMessageBox(box);
      EXPECT_EQ(info.icon, c.icon) << BoxIconName(info.icon);
      EXPECT_EQ(info.title, "DriverTest");
      EXPECT_EQ(info.text, "一行目\n2");
      EXPECT_EQ(info.buttons.size(), 2u);
      ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    }
    shower.join();
    ASSERT_NE(box, nullptr);
  }
}

}  // namespace
}  // namespace e2e
