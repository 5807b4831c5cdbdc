#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/BtnData.h"

// One tab: its name, its number (the section [Tab<number>] holds it), its
// colours and its cells in grid order. The tab owns its cells.
class CTabData {
 public:
  CTabData() = default;
  CTabData(std::string name, uint32_t number) : m_name(std::move(name)), m_number(number) {}
  CTabData(const CTabData&) = delete;
  CTabData& operator=(const CTabData&) = delete;

  // A deep copy: number, name, both colours and every cell.
  std::unique_ptr<CTabData> Clone() const;
  // Replaces this tab's colours and cells by copies of source's.
  void CopyContentFrom(const CTabData& source);

  int GetButtonCount() const { return static_cast<int>(m_buttons.size()); }
  // The cell at index, or nullptr when index is not within the tab.
  CBtnData* GetButton(int index) const;

  std::string m_name;
  uint32_t m_number = 0;
  uint32_t m_color = kDefaultColor;
  uint32_t m_textColor = kDefaultColor;
  std::vector<std::unique_ptr<CBtnData>> m_buttons;
  // The lines the settings file is known to hold for this tab's section
  // (empty when unknown), so that saving skips sections that did not change.
  std::vector<std::string> m_savedLines;
};

// Tab names compare ignoring the case of single-byte letters; double-byte
// characters compare exactly (their trail bytes may look like letters).
bool TabNamesEqual(const std::string& a, const std::string& b);

// The name of string 129 ("タブ%d") for a tab number.
std::string DefaultTabName(uint32_t number);
