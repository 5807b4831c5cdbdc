// The list behind the recently used strip: which commands it keeps, in which order, how many,
// where each item sits, and the settings-file text it is stored as. No windows here.
#pragma once

#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

// What the shell says about a command's target: its image in the small system image list (-1
// when it has none) and its display name.
struct RecentTarget {
  int image = -1;
  std::string displayName;
};

// Describes a command's target. The strip asks the shell (DescribeRecentTarget); tests give
// their own.
using RecentResolver = std::function<RecentTarget(const std::string& command)>;

// The shell's description of command (CTargetInfo).
RecentTarget DescribeRecentTarget(const std::string& command);

struct RecentItem {
  std::string command;      // the launched command, as a button holds it
  std::string displayName;  // the target's display name
  int image = -1;           // index into the small system image list
  RECT rect{};              // in the strip's client coordinates
};

class CRecentList {
 public:
  static constexpr int kMinCapacity = 1;
  static constexpr int kMaxCapacity = 255;
  static constexpr int kDefaultCapacity = 3;
  // The handle before the first item, along the strip.
  static constexpr int kHandleLength = 3;
  // The section text, one NUL after each line and one at the end, never grows past this.
  static constexpr size_t kSectionLimit = 32767;

  explicit CRecentList(RecentResolver resolve = DescribeRecentTarget);

  // The options page offers 1 to 255; anything else in a hand-edited file is brought into that
  // range rather than taken as "no list" or as thousands of keys to read.
  static int ClampCapacity(int capacity);
  // keyFormat holds one %d for the entry number (from 1).
  static std::string KeyName(const char* keyFormat, int number);

  // Reads the entries "keyFormat" 1 .. capacity through lookup (a key's value, empty when it is
  // missing), stopping at the first empty one. Entries whose target has no image, and repeats of
  // an entry already read (ignoring case), are left out. The list is then unmodified.
  void Load(const std::function<std::string(const char* key)>& lookup, const char* keyFormat,
            int capacity);
  // Puts a launched command at the head; false when nothing changed (no image for its target,
  // or it is the head already).
  bool Add(const std::string& command);
  bool RemoveAt(int index);
  void Clear();
  // Describes every item again; items whose target has lost its image go. True when any went.
  bool Refresh();

  // The index of command (ignoring case), -1 when it is not in the list.
  int Find(const std::string& command) const;
  const std::vector<RecentItem>& Items() const { return m_items; }
  const RecentItem* Item(int index) const;
  int Count() const { return static_cast<int>(m_items.size()); }
  bool Empty() const { return m_items.empty(); }
  int Capacity() const { return m_capacity; }
  void SetCapacity(int capacity);
  bool IsModified() const { return m_modified; }
  void SetModified(bool modified) { m_modified = modified; }

  // Gives item i the square of side `side` starting kHandleLength + i * side along the strip.
  void Place(int side, bool horizontal);
  // The far edge of the last item (0 without items): the length the open strip needs.
  int NeededLength() const;
  // The first item whose rectangle holds point, -1 for none.
  int HitTest(POINT point) const;

  // The section's lines: "key=command" per item in list order, then "key=" for the next number,
  // which ends the list. The whole block stays within kSectionLimit bytes; the oldest items that
  // do not fit are left out, whole lines only.
  std::vector<std::string> SectionLines(const char* keyFormat) const;

 private:
  RecentResolver m_resolve;
  std::vector<RecentItem> m_items;  // most recent first
  int m_capacity = kDefaultCapacity;
  int m_side = 0;
  bool m_horizontal = true;
  bool m_modified = false;
};
