#include "bar/TabLayout.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace tablayout {
namespace {
// Tabs longer than this are cut, so that even tens of thousands of very
// long names keep every position within an int.
const int kMaxTextLength = 100000;
const long long kMaxPosition = INT_MAX / 2;

int ClampPosition(long long value) {
  return static_cast<int>(std::max(-kMaxPosition, std::min(kMaxPosition, value)));
}
}  // namespace

Orientation OrientationFromStyle(DWORD style) {
  if (style & 0x10000) return kVerticalRight;
  if (style & 0x20000) return kVerticalLeft;
  return kHorizontal;
}

Placement PlaceChildren(int length, int thickness, int arrowThumb, double share, bool scrollShown) {
  Placement p;
  int a = std::max(0, std::min(thickness, arrowThumb));
  p.arrowsLength = 2 * a;
  p.tabStart = p.arrowsLength + kArrowGap;
  p.scrollShown = scrollShown;
  if (!(share >= 0.0)) share = 0.0;  // also catches NaN
  if (share > 1.0) share = 1.0;
  int f = length - static_cast<int>(static_cast<double>(length) * share);
  int lowest = p.tabStart + (scrollShown ? kSplitterLength : 0);
  if (f < lowest) f = lowest;
  if (f >= length - kMinScrollLength) f = length - kMinScrollLength;
  p.scrollStart = f;
  if (scrollShown) {
    p.splitterStart = f - kSplitterLength;
    p.tabEnd = p.splitterStart - kRecentLength;
  } else {
    p.splitterStart = length;
    p.tabEnd = length - kRecentLength;
  }
  p.recentStart = p.tabEnd;
  return p;
}

double ShareForSplitterAt(int position, int length) {
  if (length <= 0) return 0.4;
  double share = 1.0 - (position + kSplitterLength / 2.0) / length;
  return std::max(0.0, std::min(1.0, share));
}

std::vector<Span> LayoutSpans(const std::vector<int>& textWidths, int tabStart, int scrollOffset,
                              int fixedWidth) {
  std::vector<Span> spans;
  spans.reserve(textWidths.size());
  const bool fixed = fixedWidth >= 0;
  const int fixedText = std::min(fixedWidth, kMaxTextLength);
  long long p = static_cast<long long>(tabStart) + scrollOffset;
  for (int measured : textWidths) {
    measured = std::max(0, std::min(measured, kMaxTextLength));
    Span span;
    int text = fixed ? fixedText : measured;
    span.truncated = fixed && measured > fixedText;
    span.start = ClampPosition(p);
    span.length = text + kTabPadding;
    spans.push_back(span);
    p += span.length - kTabOverlap;
  }
  return spans;
}

int MaxScroll(const std::vector<Span>& spans, int scrollOffset, int tabEnd) {
  if (spans.empty()) return 0;
  const Span& last = spans.back();
  return ClampPosition(static_cast<long long>(last.start) + last.length - scrollOffset - tabEnd);
}

Quad TabPolygon(const RECT& r, Orientation orientation) {
  const LONG l = r.left, t = r.top, rt = r.right, b = r.bottom;
  switch (orientation) {
    case kVerticalRight:
      return Quad{{{l, b}, {rt, b - 8}, {rt, t + 9}, {l, t + 1}}};
    case kVerticalLeft:
      return Quad{{{rt, t}, {l, t + 8}, {l, b - 9}, {rt, b - 1}}};
    case kHorizontal:
    default:
      return Quad{{{l, t}, {l + 8, b}, {rt - 9, b}, {rt - 1, t}}};
  }
}

int ScrollOffsetAfter(int code, int offset, int maxScroll) {
  switch (code) {
    case SB_LINELEFT:
      return std::min(offset + kScrollStep, 0);
    case SB_LINERIGHT:
      if (maxScroll <= 0) return offset;
      return std::max(offset - kScrollStep, -maxScroll);
    default:
      return offset;
  }
}

int EnsureVisibleOffset(int nearEdge, int farEdge, int offset, int maxScroll, int tabStart,
                        int tabEnd) {
  long long centre = (static_cast<long long>(nearEdge) + farEdge) / 2 + offset;
  if (centre > tabEnd) return -std::max(0, farEdge - tabEnd);
  if (centre < tabStart) {
    int target = -(nearEdge - tabStart);
    target = std::min(target, 0);
    return std::max(target, -std::max(0, maxScroll));
  }
  return offset;
}

Range ProgressRange(int lastFarEdge, bool hasTabs, int tabStart, int tabEnd, int recentExpanded) {
  Range range;
  range.start = hasTabs ? std::max(lastFarEdge, tabStart) : tabStart;
  range.end = tabEnd - std::max(0, recentExpanded);
  if (range.end < range.start) range.end = range.start;
  return range;
}

size_t MbPrefixLength(const char* text, size_t length, size_t maxBytes) {
  size_t end = std::min(length, maxBytes);
  size_t i = 0;
  while (i < end) {
    size_t step = ::IsDBCSLeadByteEx(932, static_cast<BYTE>(text[i])) ? 2 : 1;
    if (i + step > end) break;
    // A lead byte whose trail is missing or NUL is a broken character.
    if (step == 2 && text[i + 1] == '\0') break;
    i += step;
  }
  return i;
}

COLORREF ResolveColor(DWORD value, int fallbackSysColor) {
  if (value < 0x1000000) return value;
  if (value < 0x2000000) {
    int index = static_cast<int>(value & 0xFFFFFF);
    if (::GetSysColorBrush(index)) return ::GetSysColor(index);
  }
  return ::GetSysColor(fallbackSysColor);
}

}  // namespace tablayout
