#include "core/TabDataList.h"

#include <algorithm>
#include <map>
#include <set>
#include <tuple>
#include <utility>

#include "core/ButtonRecord.h"
#include "core/Globals.h"
#include "core/ProfileSection.h"
#include "core/SettingsFile.h"

namespace {

const char kOrder[] = "Order";

std::string SectionName(uint32_t number) { return "Tab" + std::to_string(number); }

std::string ButtonKey(long long index) { return "Btn" + std::to_string(index); }

void TrimBlanks(std::string& text) {
  size_t first = text.find_first_not_of(" \t");
  size_t last = text.find_last_not_of(" \t");
  text = first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// A tab number of [Order]: decimal digits, 1 to 4294967295. Text after the
// digits is ignored, as a decimal read does.
bool ParseTabNumber(const std::string& text, uint32_t* number) {
  size_t pos = text.find_first_not_of(" \t");
  if (pos == std::string::npos) return false;
  if (text[pos] == '+') ++pos;
  unsigned long long value = 0;
  size_t digits = 0;
  for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos, ++digits) {
    value = value * 10 + static_cast<unsigned>(text[pos] - '0');
    if (value > 0xFFFFFFFFull) return false;
  }
  if (digits == 0 || value == 0) return false;
  *number = static_cast<uint32_t>(value);
  return true;
}

// The index of a line "Btn<i>=..." as the key reader would find it ("Btn%d":
// no sign, no leading zero), or 0.
long long ButtonKeyIndex(const std::string& line) {
  size_t equals = line.find('=');
  if (equals == std::string::npos) return 0;
  std::string key = line.substr(0, equals);
  TrimBlanks(key);
  if (key.size() < 4 || key.size() > 13) return 0;
  if ((key[0] | 0x20) != 'b' || (key[1] | 0x20) != 't' || (key[2] | 0x20) != 'n') return 0;
  if (key[3] == '0') return 0;
  long long index = 0;
  for (size_t i = 3; i < key.size(); ++i) {
    if (key[i] < '0' || key[i] > '9') return 0;
    index = index * 10 + (key[i] - '0');
  }
  return index <= 0x7FFFFFFF ? index : 0;
}

int NewBtnNum() { return g_barOptions.GetInt("NewBtnNum", 1); }

}  // namespace

// ---------------------------------------------------------------------------
// Loading and saving

void CTabDataList::Clear() {
  m_tabs.clear();
  m_hidden.reset();
}

void CTabDataList::LoadAll() {
  Clear();
  m_missingSections.clear();
  // Tabs without a section need no reads at all; a long [Order] of such
  // tabs then loads at once.
  std::set<std::string> sections;
  for (std::string name : g_settingsFile.ReadSectionNames()) {
    for (char& c : name) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    sections.insert(std::move(name));
  }
  auto hasSection = [&](uint32_t number) {
    return sections.count("tab" + std::to_string(number)) != 0;
  };
  std::set<uint32_t> seen;
  // Each tab's section is read once, for its name now and its cells below.
  std::map<uint32_t, CProfileSection> read;
  for (const std::string& line : g_settingsFile.ReadSection(kOrder)) {
    // Lines without "=" and comments are skipped rather than ending the
    // scan: the tabs after them would otherwise vanish from [Order] at the
    // next save.
    size_t equals = line.find('=');
    if (equals == std::string::npos || line[0] == ';') continue;
    std::string valueText = line.substr(equals + 1);
    TrimBlanks(valueText);
    if (valueText.empty()) continue;
    uint32_t number = 0;
    int visibility = 0;
    if (!ParseTabNumber(line.substr(0, equals), &number)) continue;
    if (!ParseProfileInt(valueText.c_str(), &visibility) || visibility == 0) continue;
    // A number listed twice would make two tabs share one section.
    if (!seen.insert(number).second) continue;

    std::string section = SectionName(number);
    auto tab = std::make_unique<CTabData>(std::string(), number);
    if (hasSection(number)) {
      const CProfileSection& values =
          read.emplace(std::piecewise_construct, std::forward_as_tuple(number),
                       std::forward_as_tuple(g_settingsFile, section.c_str()))
              .first->second;
      tab->m_name = values.GetString("Desc", "");
      tab->m_color = static_cast<uint32_t>(values.GetInt("Color", static_cast<int>(kDefaultColor)));
      tab->m_textColor =
          static_cast<uint32_t>(values.GetInt("TxtColor", static_cast<int>(kDefaultColor)));
    }
    if (tab->m_name.empty()) tab->m_name = DefaultTabName(number);
    if (visibility == -1) {
      EnsureHiddenList().m_tabs.push_back(std::move(tab));
    } else {
      m_tabs.push_back(std::move(tab));
    }
  }
  // What the file holds for each of these tabs reads back as exactly this model.
  // A tab without a section has its section written at the next save, so that its cell count
  // stops following NewBtnNum.
  auto load = [&](CTabData& tab) {
    auto found = read.find(tab.m_number);
    LoadButtons(tab, found != read.end() ? &found->second : nullptr);
    tab.m_savedLines = SectionLines(tab);
    if (found == read.end()) m_missingSections.insert(tab.m_number);
  };
  for (const auto& tab : m_tabs) load(*tab);
  if (m_tabs.empty()) {
    // Tab 1 unless a hidden tab already has that number. Its name does not
    // come from the file, so its section is written at the next save.
    m_tabs.push_back(CreateTab(HasTabNumber(1) ? NextTabNumber() : 1));
    const uint32_t number = m_tabs.back()->m_number;
    if (hasSection(number)) {
      LoadButtons(*m_tabs.back());
    } else {
      LoadButtons(*m_tabs.back(), nullptr);
      m_missingSections.insert(number);
    }
  }
  if (m_hidden) {
    for (const auto& tab : m_hidden->m_tabs) load(*tab);
    m_hidden->m_modified = false;
  }
  m_modified = false;
}

void CTabDataList::LoadButtons(CTabData& tab) const {
  // One read of the section serves every key: a key read each would reopen
  // the file for every button.
  CProfileSection values(g_settingsFile, SectionName(tab.m_number).c_str());
  LoadButtons(tab, &values);
}

void CTabDataList::LoadButtons(CTabData& tab, const CProfileSection* section) const {
  if (!section) {
    int blanks = std::min(NewBtnNum(), static_cast<int>(kMaxBlankCells));
    for (int i = 0; i < blanks; ++i) tab.m_buttons.push_back(std::make_unique<CBtnData>("*"));
    return;
  }
  const CProfileSection& values = *section;
  int count = 0;
  bool countRead = ParseProfileInt(values.GetString("No", "").c_str(), &count);
  if (!countRead) count = NewBtnNum();

  auto append = [&](long long index) {
    std::string record = values.GetString(ButtonKey(index).c_str(), "*");
    if (record.empty()) record = "*";
    tab.m_buttons.push_back(std::make_unique<CBtnData>(ParseButtonRecord(record)));
  };

  if (countRead && count >= 1 && count <= kMaxBlankCells) {
    tab.m_buttons.reserve(tab.m_buttons.size() + static_cast<size_t>(count));
    for (int i = 1; i <= count; ++i) append(i);
    return;
  }
  // No is missing, negative or absurdly large: keep every cell the section
  // really holds, and no more than kMaxBlankCells cells up to the highest.
  std::vector<long long> present;
  for (const std::string& line : g_settingsFile.ReadSection(SectionName(tab.m_number).c_str())) {
    long long index = ButtonKeyIndex(line);
    if (index > 0) present.push_back(index);
  }
  std::sort(present.begin(), present.end());
  present.erase(std::unique(present.begin(), present.end()), present.end());
  long long wanted = std::max<long long>(count, present.empty() ? 0 : present.back());
  long long direct = std::min<long long>(std::max<long long>(wanted, 0), kMaxBlankCells);
  for (long long i = 1; i <= direct; ++i) append(i);
  for (long long index : present) {
    if (index > direct) append(index);
  }
}

bool CTabDataList::SaveTabSection(CTabData& tab) const {
  std::vector<std::string> lines = SectionLines(tab);
  if (!g_settingsFile.WriteSection(SectionName(tab.m_number).c_str(), lines)) return false;
  tab.m_savedLines = std::move(lines);
  return true;
}

std::vector<std::string> CTabDataList::SectionLines(const CTabData& tab) {
  std::vector<std::string> lines;
  lines.reserve(tab.m_buttons.size() + 4);
  lines.push_back("No=" + std::to_string(tab.m_buttons.size()));
  lines.push_back("Desc=" + tab.m_name);
  lines.push_back("Color=" + std::to_string(tab.m_color));
  lines.push_back("TxtColor=" + std::to_string(tab.m_textColor));
  long long index = 0;
  for (const auto& button : tab.m_buttons) {
    lines.push_back(ButtonKey(++index) + "=" + FormatButtonRecord(*button));
  }
  return lines;
}

bool CTabDataList::SaveAll() {
  if (!IsModified()) return true;
  std::vector<std::string> order;
  for (const auto& tab : m_tabs) order.push_back(std::to_string(tab->m_number) + "=1");
  if (m_hidden) {
    for (const auto& tab : m_hidden->m_tabs) order.push_back(std::to_string(tab->m_number) + "=-1");
  }
  bool ok = g_settingsFile.WriteSection(kOrder, order);
  std::vector<CSettingsFile::NewSection> missing;
  std::vector<CTabData*> appended;
  // A number may have got its section since it was loaded (a new tab that took it).
  std::set<std::string> present;
  if (!m_missingSections.empty()) {
    for (std::string name : g_settingsFile.ReadSectionNames()) {
      for (char& c : name) c = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
      present.insert(std::move(name));
    }
  }
  auto save = [&](CTabData& tab) {
    std::vector<std::string> lines = SectionLines(tab);
    if (m_missingSections.count(tab.m_number) &&
        !present.count("tab" + std::to_string(tab.m_number))) {
      missing.emplace_back(SectionName(tab.m_number), lines);
      appended.push_back(&tab);
    } else if (lines != tab.m_savedLines || m_missingSections.count(tab.m_number)) {
      ok = SaveTabSection(tab) && ok;
      if (ok) m_missingSections.erase(tab.m_number);
    }
  };
  for (const auto& tab : m_tabs) save(*tab);
  if (m_hidden) {
    for (const auto& tab : m_hidden->m_tabs) save(*tab);
  }
  if (!missing.empty()) {
    if (g_settingsFile.AppendSections(missing)) {
      for (CTabData* tab : appended) {
        tab->m_savedLines = SectionLines(*tab);
        m_missingSections.erase(tab->m_number);
      }
    } else {
      ok = false;
    }
  }
  if (ok) {
    m_modified = false;
    if (m_hidden) m_hidden->m_modified = false;
  }
  return ok;
}

// ---------------------------------------------------------------------------
// Tabs

bool CTabDataList::IsModified() const { return m_modified || (m_hidden && m_hidden->m_modified); }

CTabData* CTabDataList::GetTab(int index) const {
  if (index < 0 || index >= GetCount()) return nullptr;
  return m_tabs[static_cast<size_t>(index)].get();
}

int CTabDataList::FindTab(const char* name) const {
  if (name == nullptr) return -1;
  std::string wanted = name;
  for (size_t i = 0; i < m_tabs.size(); ++i) {
    if (TabNamesEqual(m_tabs[i]->m_name, wanted)) return static_cast<int>(i);
  }
  return -1;
}

CTabData* CTabDataList::GetCurrentTab() const { return GetTab(FindTab(m_currentTabName.c_str())); }

void CTabDataList::SetCurrentTabName(const char* name) {
  if (name != nullptr && !TabNamesEqual(m_currentTabName, name)) m_currentTabName = name;
}

int CTabDataList::SelectTab(int index) {
  CTabData* tab = GetTab(index);
  if (tab == nullptr) return 0;
  SetCurrentTabName(tab->m_name.c_str());
  return 1;
}

int CTabDataList::InsertIndex(int index, int count) {
  return index < 0 || index >= count ? count : index;
}

std::unique_ptr<CTabData> CTabDataList::CreateTab(uint32_t number) const {
  return std::make_unique<CTabData>(DefaultTabName(number), number);
}

std::unique_ptr<CTabData> CTabDataList::CreateDialogTab(uint32_t number,
                                                        const std::string& name) const {
  auto tab = CreateTab(number);
  if (!name.empty()) tab->m_name = name;
  g_settingsFile.WriteSection(SectionName(tab->m_number).c_str(),
                              {});  // wipes what the number left
  LoadButtons(*tab);
  return tab;
}

int CTabDataList::AddTab(std::unique_ptr<CTabData> tab) {
  if (!tab) return -1;
  m_modified = true;
  m_tabs.push_back(std::move(tab));
  return GetCount() - 1;
}

int CTabDataList::NewTab(int index) {
  m_modified = true;
  auto tab = CreateTab(NextTabNumber());
  // Anything left in the file under this number belongs to a deleted tab.
  g_settingsFile.WriteSection(SectionName(tab->m_number).c_str(), {});
  LoadButtons(*tab);
  int position = InsertIndex(index, GetCount());
  m_tabs.insert(m_tabs.begin() + position, std::move(tab));
  return position;
}

int CTabDataList::CopyTab(int destination, int source, bool move) {
  m_modified = true;
  if (source < 0 || source >= GetCount()) return -1;
  if (move) {
    int position = InsertIndex(destination, GetCount());
    if (position > source) --position;  // the tab leaves its old slot first
    auto tab = std::move(m_tabs[static_cast<size_t>(source)]);
    m_tabs.erase(m_tabs.begin() + source);
    m_tabs.insert(m_tabs.begin() + position, std::move(tab));
    return position;
  }
  auto copy = CreateTab(NextTabNumber());
  copy->CopyContentFrom(*m_tabs[static_cast<size_t>(source)]);
  g_settingsFile.WriteSection(SectionName(copy->m_number).c_str(), {});
  int position = InsertIndex(destination, GetCount());
  m_tabs.insert(m_tabs.begin() + position, std::move(copy));
  return position;
}

int CTabDataList::RemoveTab(int index) { return DetachTab(index) ? 1 : 0; }

std::unique_ptr<CTabData> CTabDataList::DetachTab(int index) {
  m_modified = true;
  if (index < 0 || index >= GetCount()) return nullptr;
  auto tab = std::move(m_tabs[static_cast<size_t>(index)]);
  m_tabs.erase(m_tabs.begin() + index);
  return tab;
}

int CTabDataList::RenameTab(int index, const char* name) {
  m_modified = true;
  CTabData* tab = GetTab(index);
  // A tab is never left without a name.
  if (tab == nullptr || name == nullptr || name[0] == '\0') return 0;
  std::string oldName = tab->m_name;
  bool wasCurrent = GetCurrentTab() == tab;
  if (!TabNamesEqual(oldName, name)) Root().UpdateActionShortcuts(oldName.c_str(), name);
  tab->m_name = name;
  if (wasCurrent) m_currentTabName = name;
  return 1;
}

bool CTabDataList::HasTabNumber(uint32_t number) const {
  const CTabDataList& root = Root();
  for (const auto& tab : root.m_tabs) {
    if (tab->m_number == number) return true;
  }
  if (root.m_hidden) {
    for (const auto& tab : root.m_hidden->m_tabs) {
      if (tab->m_number == number) return true;
    }
  }
  return false;
}

uint32_t CTabDataList::GetMaxTabNumber() const {
  const CTabDataList& root = Root();
  uint32_t largest = 0;
  for (const auto& tab : root.m_tabs) largest = std::max(largest, tab->m_number);
  if (root.m_hidden) {
    for (const auto& tab : root.m_hidden->m_tabs) largest = std::max(largest, tab->m_number);
  }
  return largest;
}

uint32_t CTabDataList::NextTabNumber() const {
  uint32_t largest = GetMaxTabNumber();
  if (largest < 0xFFFFFFFFu) return largest + 1;
  uint32_t number = 1;
  while (HasTabNumber(number)) ++number;
  return number;
}

// ---------------------------------------------------------------------------
// Cells

int CTabDataList::InsertButton(CTabData& tab, int index, bool separator) {
  m_modified = true;
  int position = InsertIndex(index, tab.GetButtonCount());
  tab.m_buttons.insert(tab.m_buttons.begin() + position,
                       std::make_unique<CBtnData>(separator ? "/" : "*"));
  return position;
}

int CTabDataList::DeleteButton(CTabData& tab, int index) {
  m_modified = true;
  if (index < 0 || index >= tab.GetButtonCount() || tab.GetButtonCount() <= 1) return 0;
  tab.m_buttons.erase(tab.m_buttons.begin() + index);
  return 1;
}

int CTabDataList::SetButton(CTabData& tab, int index, const char* text) {
  m_modified = true;
  CBtnData* button = tab.GetButton(index);
  if (button == nullptr) return 0;
  ParseButtonRecord(text != nullptr && text[0] != '\0' ? text : "*", *button);
  return 1;
}

// ---------------------------------------------------------------------------
// Taking over the tab dialogs' lists

CTabDataList::TabVector CTabDataList::CloneTabs() const {
  TabVector copies;
  copies.reserve(m_tabs.size());
  for (const auto& tab : m_tabs) copies.push_back(tab->Clone());
  return copies;
}

CTabDataList& CTabDataList::EnsureHiddenList() {
  if (!m_hidden) {
    m_hidden = std::make_unique<CTabDataList>();
    m_hidden->m_owner = this;
  }
  return *m_hidden;
}

void CTabDataList::DestroyHiddenList() {
  if (m_hidden) m_modified = true;
  m_hidden.reset();
}

namespace {

// Numbers for tabs created in a dialog: above every number in use, or the
// smallest free one once the numbers run out.
class CNumberSource {
 public:
  explicit CNumberSource(std::set<uint32_t> used) : m_used(std::move(used)) {}
  uint32_t Next() {
    uint32_t number = m_used.empty() ? 1 : *m_used.rbegin() + 1;
    if (number == 0) {
      number = 1;
      while (m_used.count(number) != 0) ++number;
    }
    m_used.insert(number);
    return number;
  }

 private:
  std::set<uint32_t> m_used;
};

}  // namespace

int CTabDataList::ApplyTabOrder(TabVector edited, TabRenames* renamesOut) {
  m_modified = true;
  CTabData* current = GetCurrentTab();
  std::set<uint32_t> used;
  for (const auto& tab : m_tabs) used.insert(tab->m_number);
  if (m_hidden) {
    for (const auto& tab : m_hidden->m_tabs) used.insert(tab->m_number);
  }
  CNumberSource numbers(used);
  std::set<uint32_t> placed;
  TabRenames renames;
  TabVector result;

  // Gives the existing tab the edited name, noting a real rename.
  auto takeName = [&](CTabData& tab, const std::string& name) {
    if (name.empty()) return;
    if (!TabNamesEqual(tab.m_name, name)) renames.emplace_back(tab.m_name, name);
    tab.m_name = name;
  };

  for (auto& fresh : edited) {
    if (!fresh) continue;
    if (fresh->m_number == 0) {
      auto tab = CreateDialogTab(numbers.Next(), fresh->m_name);
      placed.insert(tab->m_number);
      result.push_back(std::move(tab));
      continue;
    }
    if (!placed.insert(fresh->m_number).second) continue;  // listed twice
    auto visible = std::find_if(m_tabs.begin(), m_tabs.end(), [&](const auto& tab) {
      return tab && tab->m_number == fresh->m_number;
    });
    std::unique_ptr<CTabData> existing;
    if (visible != m_tabs.end()) {
      existing = std::move(*visible);
    } else if (m_hidden) {
      // A hidden tab shown again moves over whole; it leaves the hidden list
      // so that it never lives in both.
      auto hidden = std::find_if(m_hidden->m_tabs.begin(), m_hidden->m_tabs.end(),
                                 [&](const auto& tab) { return tab->m_number == fresh->m_number; });
      if (hidden != m_hidden->m_tabs.end()) {
        existing = std::move(*hidden);
        m_hidden->m_tabs.erase(hidden);
        m_hidden->m_modified = true;
      }
    }
    if (!existing) continue;  // a number the model does not know
    takeName(*existing, fresh->m_name);
    result.push_back(std::move(existing));
  }

  // What is left of the old visible list was deleted in the dialog.
  m_tabs = std::move(result);
  if (m_tabs.empty()) {
    // Every tab deleted: the bar keeps one fresh tab, as a load would.
    auto tab = CreateTab(numbers.Next());
    g_settingsFile.WriteSection(SectionName(tab->m_number).c_str(), {});
    LoadButtons(*tab);
    m_tabs.push_back(std::move(tab));
  }
  for (const auto& tab : m_tabs) {
    if (tab.get() == current) m_currentTabName = tab->m_name;
  }
  // The shortcuts are rewritten once the whole model is in place, so that
  // the buttons of every tab that survived are covered.
  if (renamesOut) {
    renamesOut->insert(renamesOut->end(), renames.begin(), renames.end());
  } else {
    UpdateActionShortcuts(renames);
  }
  return GetCount();
}

int CTabDataList::ApplyHiddenTabs(TabVector edited, const TabVector& visibleList,
                                  TabRenames* renamesOut) {
  m_modified = true;
  std::set<uint32_t> used;
  std::map<uint32_t, const CTabData*> copies;
  for (const auto& tab : m_tabs) used.insert(tab->m_number);
  for (const auto& tab : visibleList) {
    if (!tab) continue;
    used.insert(tab->m_number);
    copies.emplace(tab->m_number, tab.get());
  }
  CTabDataList& hiddenList = EnsureHiddenList();
  for (const auto& tab : hiddenList.m_tabs) used.insert(tab->m_number);
  // New numbers lie above every tab, visible now, in the copy or hidden.
  CNumberSource numbers(used);
  std::set<uint32_t> placed;
  TabRenames renames;
  TabVector result;

  auto takeName = [&](CTabData& tab, const std::string& oldName, const std::string& name) {
    if (name.empty()) return;
    if (!TabNamesEqual(oldName, name)) renames.emplace_back(oldName, name);
    tab.m_name = name;
  };

  for (auto& fresh : edited) {
    if (!fresh) continue;
    if (fresh->m_number == 0) {
      auto tab = CreateDialogTab(numbers.Next(), fresh->m_name);
      placed.insert(tab->m_number);
      result.push_back(std::move(tab));
      continue;
    }
    if (!placed.insert(fresh->m_number).second) continue;  // listed twice
    // A tab that is visible now cannot be hidden as well.
    if (std::any_of(m_tabs.begin(), m_tabs.end(),
                    [&](const auto& tab) { return tab->m_number == fresh->m_number; }))
      continue;
    auto hidden =
        std::find_if(hiddenList.m_tabs.begin(), hiddenList.m_tabs.end(),
                     [&](const auto& tab) { return tab && tab->m_number == fresh->m_number; });
    if (hidden != hiddenList.m_tabs.end()) {
      std::unique_ptr<CTabData> existing = std::move(*hidden);
      std::string oldName = existing->m_name;
      takeName(*existing, oldName, fresh->m_name);
      result.push_back(std::move(existing));
      continue;
    }
    auto copy = copies.find(fresh->m_number);
    if (copy == copies.end()) continue;  // a number the model does not know
    // A tab the user moved from visible to hidden: its buttons come from the copy.
    std::unique_ptr<CTabData> moved = copy->second->Clone();
    takeName(*moved, copy->second->m_name, fresh->m_name);
    result.push_back(std::move(moved));
  }

  if (result.empty()) {
    DestroyHiddenList();
  } else {
    hiddenList.m_tabs = std::move(result);
    hiddenList.m_modified = true;
  }
  if (renamesOut) {
    renamesOut->insert(renamesOut->end(), renames.begin(), renames.end());
  } else {
    UpdateActionShortcuts(renames);
  }
  return m_hidden ? m_hidden->GetCount() : 0;
}
