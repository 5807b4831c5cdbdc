#pragma once

#include <windows.h>

#include <cstddef>
#include <vector>

// The tab strip's geometry as plain arithmetic, so it can be checked without a
// window. "Along" is x for a horizontal strip and y for a vertical one.
namespace tablayout {

enum Orientation { kHorizontal = 0, kVerticalRight = 1, kVerticalLeft = 2 };

const int kTabPadding = 20;      // a tab is its text length + 20
const int kTabOverlap = 8;       // consecutive tabs overlap by this much
const int kArrowGap = 2;         // between the arrows and the first tab
const int kRecentLength = 3;     // the collapsed recently-used strip
const int kSplitterLength = 4;   // the splitter between tabs and panel scroll bar
const int kMinScrollLength = 8;  // the panel scroll bar is never shorter
const int kScrollStep = 16;      // one press on an arrow scrolls this far
const int kMinProgressLength = 25;

// The orientation the style word asks for (0x10000: strip on the right edge,
// 0x20000: on the left edge).
Orientation OrientationFromStyle(DWORD style);

// Where the strip's children lie along a strip of the given length.
struct Placement {
  int arrowsLength = 0;  // from 0
  int tabStart = 0;
  int tabEnd = 0;
  int recentStart = 0;    // kRecentLength long
  int splitterStart = 0;  // kSplitterLength long; only while the scroll bar shows
  int scrollStart = 0;    // to the strip's end
  bool scrollShown = false;
};
// arrowThumb is SM_CXHTHUMB (SM_CYVTHUMB for a vertical strip); share is the
// part of the length the panel scroll bar may take.
Placement PlaceChildren(int length, int thickness, int arrowThumb, double share, bool scrollShown);
// The share the splitter gives the panel scroll bar when the cursor is at
// position along a strip of that length.
double ShareForSplitterAt(int position, int length);

// One tab along the strip.
struct Span {
  int start = 0;
  int length = 0;
  bool truncated = false;
};
// Lays tabs with the measured text widths out from tabStart + scrollOffset.
// fixedWidth < 0 means automatic width (every tab as long as its text);
// otherwise every tab's text is fixedWidth long and longer names are
// truncated. Lengths are bounded so that no position overflows.
std::vector<Span> LayoutSpans(const std::vector<int>& textWidths, int tabStart, int scrollOffset,
                              int fixedWidth);
// How far the tabs reach past the tab area end when unscrolled (<= 0: they fit).
int MaxScroll(const std::vector<Span>& spans, int scrollOffset, int tabEnd);

// The four corners of a tab's polygon (winding fill); the wide side faces the
// button panel.
struct Quad {
  POINT points[4];
};
Quad TabPolygon(const RECT& rect, Orientation orientation);

// Scroll codes of the arrows: the new scroll offset (<= 0).
int ScrollOffsetAfter(int code, int offset, int maxScroll);
// The offset EnsureVisible moves to for a tab, or offset itself when the tab
// already lies within the tab area. near and far are the tab's unscrolled edges.
int EnsureVisibleOffset(int nearEdge, int farEdge, int offset, int maxScroll, int tabStart,
                        int tabEnd);

// The free room after the last tab for a progress bar, or an empty range.
struct Range {
  int start = 0;
  int end = 0;
  int Length() const { return end - start; }
};
Range ProgressRange(int lastFarEdge, bool hasTabs, int tabStart, int tabEnd, int recentExpanded);

// The number of bytes of text that fit into maxBytes without splitting a
// double-byte character (a lead byte at the very end counts as broken and
// is dropped).
size_t MbPrefixLength(const char* text, size_t length, size_t maxBytes);

// Converts a colour value (RGB, system colour index, or default) to a
// COLORREF; "default" and unusable indices give fallbackSysColor.
COLORREF ResolveColor(DWORD value, int fallbackSysColor);

}  // namespace tablayout
