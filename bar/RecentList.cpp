#include "bar/RecentList.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/TabData.h"
#include "core/TargetInfo.h"

RecentTarget DescribeRecentTarget(const std::string& command) {
  RecentTarget target;
  if (command.empty()) return target;
  CTargetInfo info(command.c_str());
  target.image = info.m_fileInfo.iIcon;
  const char* name = info.m_fileInfo.szDisplayName;
  target.displayName.assign(name, ::strnlen(name, sizeof info.m_fileInfo.szDisplayName));
  return target;
}

CRecentList::CRecentList(RecentResolver resolve) : m_resolve(std::move(resolve)) {
  if (!m_resolve) m_resolve = DescribeRecentTarget;
}

int CRecentList::ClampCapacity(int capacity) {
  return std::max(kMinCapacity, std::min(capacity, kMaxCapacity));
}

std::string CRecentList::KeyName(const char* keyFormat, int number) {
  // Only the number is put in; the format is never handed to a printf.
  std::string key = keyFormat ? keyFormat : "";
  size_t at = key.find("%d");
  std::string digits = std::to_string(number);
  if (at == std::string::npos) return key + digits;
  return key.replace(at, 2, digits);
}

void CRecentList::SetCapacity(int capacity) { m_capacity = ClampCapacity(capacity); }

const RecentItem* CRecentList::Item(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return &m_items[static_cast<size_t>(index)];
}

int CRecentList::Find(const std::string& command) const {
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (TabNamesEqual(m_items[i].command, command)) return static_cast<int>(i);
  }
  return -1;
}

void CRecentList::Load(const std::function<std::string(const char* key)>& lookup,
                       const char* keyFormat, int capacity) {
  m_items.clear();
  SetCapacity(capacity);
  for (int n = 1; n <= m_capacity; ++n) {
    std::string command = lookup(KeyName(keyFormat, n).c_str());
    if (command.empty()) break;
    if (Find(command) >= 0) continue;
    RecentTarget target = m_resolve(command);
    if (target.image < 0) continue;
    m_items.push_back(RecentItem{command, target.displayName, target.image, RECT{}});
  }
  Place(m_side, m_horizontal);
  m_modified = false;
}

bool CRecentList::Add(const std::string& command) {
  if (command.empty()) return false;
  RecentTarget target = m_resolve(command);
  if (target.image < 0) return false;
  int found = Find(command);
  if (found == 0) return false;
  if (found > 0) m_items.erase(m_items.begin() + found);
  m_items.insert(m_items.begin(), RecentItem{command, target.displayName, target.image, RECT{}});
  if (m_items.size() > static_cast<size_t>(m_capacity)) m_items.resize(m_capacity);
  Place(m_side, m_horizontal);
  m_modified = true;
  return true;
}

bool CRecentList::RemoveAt(int index) {
  if (!Item(index)) return false;
  m_items.erase(m_items.begin() + index);
  Place(m_side, m_horizontal);
  m_modified = true;
  return true;
}

void CRecentList::Clear() {
  m_items.clear();
  m_modified = true;
}

bool CRecentList::Refresh() {
  bool removed = false;
  for (size_t i = 0; i < m_items.size();) {
    RecentTarget target = m_resolve(m_items[i].command);
    if (target.image < 0) {
      m_items.erase(m_items.begin() + static_cast<std::ptrdiff_t>(i));
      removed = true;
      continue;
    }
    m_items[i].image = target.image;
    m_items[i].displayName = target.displayName;
    ++i;
  }
  if (removed) {
    Place(m_side, m_horizontal);
    m_modified = true;
  }
  return removed;
}

void CRecentList::Place(int side, bool horizontal) {
  m_side = std::max(0, side);
  m_horizontal = horizontal;
  int start = kHandleLength;
  for (RecentItem& item : m_items) {
    item.rect = horizontal ? RECT{start, 0, start + m_side, m_side}
                           : RECT{0, start, m_side, start + m_side};
    start += m_side;
  }
}

int CRecentList::NeededLength() const {
  if (m_items.empty()) return 0;
  const RECT& last = m_items.back().rect;
  return m_horizontal ? last.right : last.bottom;
}

int CRecentList::HitTest(POINT point) const {
  for (size_t i = 0; i < m_items.size(); ++i) {
    if (::PtInRect(&m_items[i].rect, point)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<std::string> CRecentList::SectionLines(const char* keyFormat) const {
  std::vector<std::string> lines;
  size_t used = 1;  // the NUL that ends the block
  for (const RecentItem& item : m_items) {
    int number = static_cast<int>(lines.size()) + 1;
    std::string line = KeyName(keyFormat, number) + "=" + item.command;
    std::string end = KeyName(keyFormat, number + 1) + "=";
    // The item goes in only when the terminator after it still fits as well.
    if (used + line.size() + 1 + end.size() + 1 > kSectionLimit) break;
    used += line.size() + 1;
    lines.push_back(std::move(line));
  }
  lines.push_back(KeyName(keyFormat, static_cast<int>(lines.size()) + 1) + "=");
  return lines;
}
