// Files dropped from the shell on the real bar's panel: where they land (empty space, a blank
// slot, a button, a separator), a button that opens a single dropped file, a drop of hundreds
// of files and the scrolling to what was dropped, and paths longer than the classic 260 bytes.
// The drop is a WM_DROPFILES message with its block in the bar's memory, dropped at a point of
// the panel as the shell does; every scenario ends with the settings file the bar wrote at exit.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Drop.h"
#include "BarWindows.h"
#include "Input.h"
#include "ProgramFolder.h"
#include "Text.h"
#include "WindowFinder.h"

namespace e2e {
namespace {

using V = std::vector<std::string>;

// Small icons without text: every cell is 20 x 20, BorderX 5 apart, separators 4 long, so cell
// k starts 5 + 25 k into the panel while no separator comes before it.
const char kSmallCells[] = "Style=32860\r\n";
const int kCell = 20, kPitch = 25, kBorder = 5;

// The middle of cell k (no separator before it) in panel client coordinates.
POINT CellMiddle(int k) { return POINT{kBorder + kPitch * k + kCell / 2, kBorder + kCell / 2}; }

class DropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.Created());
    ASSERT_TRUE(folder_.AddKestrel());
    ParkPointer();
  }

  std::string Path(const std::string& name) const { return folder_.PathOf(name); }

  // One tab "Work" with cells, in a bar 600 long at (100, 100).
  HWND StartBar(const V& cells, const std::string& common = kSmallCells) {
    std::string ini = "[Common]\r\nTrans=10\r\nWinPos=0:1:-1:-1:-1:-1:100:100:700:160\r\n" +
                      common + "[Order]\r\n1=1\r\n[Tab1]\r\nNo=" + std::to_string(cells.size()) +
                      "\r\nDesc=Work\r\n";
    for (size_t i = 0; i < cells.size(); ++i)
      ini += "Btn" + std::to_string(i + 1) + "=" + cells[i] + "\r\n";
    return StartBarWith(ini);
  }
  HWND StartBarWith(const std::string& ini) {
    HWND frame = e2e::StartBar(folder_, ini, &bar_);
    EXPECT_TRUE(bar_.Started());
    return frame;
  }
  static HWND Panel(HWND frame) { return ShownPanel(frame); }
  // A point of the panel past its last cell.
  static POINT EmptySpace(HWND frame) {
    RECT client;
    ::GetClientRect(Panel(frame), &client);
    return POINT{client.right - 8, kBorder + kCell / 2};
  }

  // Drops paths at point of the current panel, checks that the bar still answers, closes it
  // and gives the cells of Tab1 as it stored them.
  V DropAndClose(HWND frame, const V& paths, POINT point) {
    Drop(frame, paths, point);
    // The drop is taken before the close that is posted after it (one queue, one thread).
    EXPECT_TRUE(bar_.CloseFrame(30000));
    return Cells();
  }
  void Drop(HWND frame, const V& paths, POINT point) {
    HWND panel = Panel(frame);
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(DropFiles(panel, paths, point));
    EXPECT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 10000)) << "the bar does not answer";
    EXPECT_TRUE(::IsWindow(panel));
  }
  // The panel's scroll bar in the tab strip (control 2).
  static HWND ScrollBar(HWND frame) { return PanelScrollBarOf(frame); }
  V Cells() const {
    V cells;
    int count = std::stoi(folder_.IniValue("Tab1", "No", "0"));
    for (int k = 1; k <= count; ++k)
      cells.push_back(folder_.IniValue("Tab1", "Btn" + std::to_string(k), "?"));
    return cells;
  }

  ProgramFolder folder_;
  AppProcess bar_;
};

TEST_F(DropTest, TwoDroppedFilesStandInDroppedOrderWhereverTheyLand) {
  const std::string one = Path(Cp932(L"一つ目 file.txt")), two = Path("two.txt");
  ASSERT_TRUE(folder_.WriteFileBytes(Cp932(L"一つ目 file.txt"), "1"));
  ASSERT_TRUE(folder_.WriteFileBytes("two.txt", "2"));
  const std::string a = "C:\\a.exe", c = "C:\\c.exe";
  // A flag-4 button opens a single dropped file; two files become buttons like anywhere else.
  const std::string opener = "C:\\opener.exe|4";
  const struct {
    const char* name;
    V cells;
    int target;  // cell index, -1 for empty space
    V expected;
  } cases[] = {
      {"empty space: appended", {a, c}, -1, {a, c, one, two}},
      {"blank slot: filled with the first, the second after it", {a, "*", c}, 1, {a, one, two, c}},
      {"button: inserted before it", {a, c}, 1, {a, one, two, c}},
      {"first button: inserted before it", {a, c}, 0, {one, two, a, c}},
      {"flag-4 button with two files: inserted before it", {a, opener}, 1, {a, one, two, opener}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    HWND frame = StartBar(c.cells);
    ASSERT_NE(frame, nullptr);
    POINT at = c.target < 0 ? EmptySpace(frame) : CellMiddle(c.target);
    EXPECT_EQ(DropAndClose(frame, {one, two}, at), c.expected);
  }
}

TEST_F(DropTest, ADropSurvivesTheEndOfTheSessionWithoutAnyClose) {
  ASSERT_TRUE(folder_.WriteFileBytes("kept.txt", "k"));
  HWND frame = StartBar({"C:\\a.exe", "*"});
  ASSERT_NE(frame, nullptr);
  Drop(frame, {Path("kept.txt")}, CellMiddle(1));
  // Windows asks, then ends the process without WM_DESTROY.
  EXPECT_TRUE(SendWithTimeout(frame, WM_QUERYENDSESSION, 0, 0, 10000));
  EXPECT_TRUE(SendWithTimeout(frame, WM_ENDSESSION, TRUE, 0, 10000));
  bar_.Kill();
  EXPECT_EQ(Cells(), (V{"C:\\a.exe", Path("kept.txt")}));
  EXPECT_EQ(folder_.IniValue("Common", "LastActiveTab"), "Work");  // the view's state too
}

TEST_F(DropTest, FilesDroppedOnASeparatorGoBeforeIt) {
  // The separator is 4 long: it spans 30..34, the last cell starts at 39.
  HWND frame = StartBar({"C:\\a.exe", "/", "C:\\c.exe"});
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(DropAndClose(frame, {"C:\\x.txt", "C:\\y.txt"}, POINT{kBorder + kPitch + 2, 15}),
            (V{"C:\\a.exe", "C:\\x.txt", "C:\\y.txt", "/", "C:\\c.exe"}));
}

TEST_F(DropTest, OneFileOnAFlag4ButtonIsOpenedWithItsProgramAndMakesNoButton) {
  ASSERT_TRUE(folder_.AddBinary("e2e\\Recorder.exe", "Recorder.exe"));
  ASSERT_TRUE(folder_.WriteFileBytes("doc.txt", "text"));
  const V cells = {"*", Path("Recorder.exe") + "|4"};
  HWND frame = StartBar(cells);
  ASSERT_NE(frame, nullptr);
  ASSERT_TRUE(DropFiles(Panel(frame), {Path("doc.txt")}, CellMiddle(1)));
  const std::string log = folder_.WaitForFileBytes("Recorder.log", 10000);
  EXPECT_FALSE(log.empty());
  EXPECT_NE(log.find(Path("doc.txt")), std::string::npos) << log;
  ASSERT_TRUE(bar_.CloseFrame());
  EXPECT_EQ(Cells(), cells);
}

TEST_F(DropTest, ThreeHundredFilesInOneDropBecomeButtonsInOrderAndTheLastDropStaysInView) {
  const int kCount = 300;
  ASSERT_TRUE(::CreateDirectoryA(Path("many").c_str(), nullptr));
  V paths;
  for (int i = 0; i < kCount; ++i) {
    char name[32];
    wsprintfA(name, "many\\file%03d.txt", i);
    ASSERT_TRUE(folder_.WriteFileBytes(name, ""));
    paths.push_back(Path(name));
  }
  HWND frame = StartBar({"C:\\a.exe", "*"});
  ASSERT_NE(frame, nullptr);
  // On the blank slot: it takes the first file, the others follow it, and the slot stays in
  // view at the start of the now scrolling panel.
  Drop(frame, paths, CellMiddle(1));
  HWND bar = ScrollBar(frame);
  EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(bar) != FALSE; }, 5000));
  EXPECT_EQ(::GetScrollPos(bar, SB_CTL), 0);
  // Two more beside the panel (no cell there): appended, and the panel scrolls to the last.
  Drop(frame, {"C:\\tail1.txt", "C:\\tail2.txt"}, POINT{-5, 15});
  // The last cell, 302, lies wholly in the panel.
  RECT panel;
  ::GetClientRect(Panel(frame), &panel);
  const int nearEdge = kBorder + kPitch * (kCount + 2), farEdge = nearEdge + kCell;
  auto lastShown = [&] {
    int position = ::GetScrollPos(bar, SB_CTL);
    return position > 0 && position <= nearEdge && farEdge - position <= panel.right;
  };
  EXPECT_TRUE(WaitUntil(lastShown, 5000)) << ::GetScrollPos(bar, SB_CTL);
  ASSERT_TRUE(bar_.CloseFrame(30000));
  V cells = Cells();
  ASSERT_EQ(cells.size(), static_cast<size_t>(kCount + 3));
  EXPECT_EQ(cells[0], "C:\\a.exe");
  for (int i = 0; i < kCount; ++i) EXPECT_EQ(cells[i + 1], paths[i]) << i;
  EXPECT_EQ(cells[kCount + 1], "C:\\tail1.txt");
  EXPECT_EQ(cells[kCount + 2], "C:\\tail2.txt");
}

TEST_F(DropTest, PathsLongerThan260BytesAreKeptWholeAndSurviveARestart) {
  // Neither path exists: the bar cannot find an icon or a name for them and must still cope.
  const std::string deep =
      "C:\\" + std::string(150, 'd') + "\\" + std::string(150, 'e') + "\\x.txt";
  const std::string huge = "C:\\" + std::string(2000, 'h') + ".txt";
  ASSERT_GT(deep.size(), 260u);
  HWND frame = StartBar({"C:\\a.exe"});
  ASSERT_NE(frame, nullptr);
  V stored = DropAndClose(frame, {deep, huge}, EmptySpace(frame));
  // Read whole rather than cut at 260 bytes: a cut path would name another file.
  EXPECT_EQ(stored, (V{"C:\\a.exe", deep, huge}));

  // The next start reads them back and writes them out again unchanged.
  frame = StartBarWith(folder_.ReadIni());
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(DropAndClose(frame, {"C:\\b.txt"}, EmptySpace(frame)),
            (V{"C:\\a.exe", deep, huge, "C:\\b.txt"}));
}

TEST_F(DropTest, AnEmptyOrForeignDropChangesNothing) {
  const V cells = {"C:\\a.exe", "*"};
  HWND frame = StartBar(cells);
  ASSERT_NE(frame, nullptr);
  HWND panel = Panel(frame);
  // A drop of no files at all, and one far outside the panel.
  EXPECT_TRUE(DropFiles(panel, {}, CellMiddle(1)));
  EXPECT_TRUE(DropFiles(panel, {"C:\\far.txt"}, POINT{-5000, 7000}));
  EXPECT_TRUE(SendWithTimeout(frame, WM_NULL, 0, 0, 10000));
  ASSERT_TRUE(bar_.CloseFrame());
  // Outside the panel counts as empty space: appended.
  EXPECT_EQ(Cells(), (V{"C:\\a.exe", "*", "C:\\far.txt"}));
}

}  // namespace
}  // namespace e2e
