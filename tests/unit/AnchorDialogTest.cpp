#include <windows.h>
#include <gtest/gtest.h>

#include "settings/AnchorDialog.h"
#include "tests/unit/FrameworkTestRes.h"

TEST(AnchorDialog, MarginsKeepEachEdgeAtItsShareOfTheClientArea) {
  const RECT control{10, 20, 60, 40};
  const SIZE start{200, 100}, grown{300, 160};
  const struct {
    AnchorPoint topLeft, bottomRight;
    RECT expected;
  } cases[] = {
      {anchor::kTopLeft, anchor::kNone, {10, 20, 60, 40}},
      {anchor::kTopLeft, anchor::kBottomRight, {10, 20, 160, 100}},
      {anchor::kBottomRight, anchor::kNone, {110, 80, 160, 100}},
      {anchor::kTopCentre, anchor::kNone, {60, 20, 110, 40}},
      {anchor::kMiddleLeft, anchor::kBottomCentre, {10, 50, 110, 100}},
  };
  for (const auto& c : cases) {
    RECT margins = AnchorMargins(control, c.topLeft, c.bottomRight, start);
    RECT same = AnchoredRect(margins, c.topLeft, c.bottomRight, start);
    EXPECT_TRUE(::EqualRect(&same, &control));
    RECT moved = AnchoredRect(margins, c.topLeft, c.bottomRight, grown);
    EXPECT_TRUE(::EqualRect(&moved, &c.expected))
        << moved.left << "," << moved.top << "," << moved.right << "," << moved.bottom;
  }
}

namespace {
class TestAnchorDialog : public CAnchorDialog {
 public:
  TestAnchorDialog() : CAnchorDialog(IDD_TEST_DIALOG) {}

 protected:
  BOOL OnInitDialog() override {
    BOOL focus = CAnchorDialog::OnInitDialog();
    AddAnchor(IDOK, anchor::kBottomRight);
    AddAnchor(IDC_TEST_NUMBER, anchor::kTopLeft, anchor::kTopRight);
    SetMaxTrackSize(SIZE{900, 700});
    return focus;
  }
};

RECT ClientRectOf(HWND parent, HWND child) {
  RECT r{};
  ::GetWindowRect(child, &r);
  ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  return r;
}
}  // namespace

TEST(AnchorDialog, ResizingMovesTheAnchoredControlsAndTheGripSizesTheWindow) {
  TestAnchorDialog dialog;
  ASSERT_TRUE(dialog.Create());
  HWND window = dialog.GetSafeHwnd();
  RECT start{};
  ::GetWindowRect(window, &start);
  const RECT ok = ClientRectOf(window, dialog.GetDlgItem(IDOK));
  const RECT edit = ClientRectOf(window, dialog.GetDlgItem(IDC_TEST_NUMBER));

  ::SetWindowPos(window, nullptr, 0, 0, start.right - start.left + 40,
                 start.bottom - start.top + 30, SWP_NOMOVE | SWP_NOZORDER);
  RECT movedOk = ClientRectOf(window, dialog.GetDlgItem(IDOK));
  RECT movedEdit = ClientRectOf(window, dialog.GetDlgItem(IDC_TEST_NUMBER));
  EXPECT_EQ(movedOk.left - ok.left, 40);
  EXPECT_EQ(movedOk.top - ok.top, 30);
  EXPECT_EQ(movedOk.right - movedOk.left, ok.right - ok.left);
  EXPECT_EQ(movedEdit.left, edit.left);
  EXPECT_EQ(movedEdit.right - edit.right, 40);

  MINMAXINFO info{};
  ::SendMessageA(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  EXPECT_EQ(info.ptMinTrackSize.x, start.right - start.left);
  EXPECT_EQ(info.ptMinTrackSize.y, start.bottom - start.top);
  EXPECT_EQ(info.ptMaxTrackSize.x, 900);

  RECT client{};
  ::GetClientRect(window, &client);
  POINT corner{client.right - 2, client.bottom - 2};
  ::ClientToScreen(window, &corner);
  EXPECT_EQ(::SendMessageA(window, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
  dialog.DestroyWindow();
}
