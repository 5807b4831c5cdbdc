#include "core/TabListSnapshot.h"

#include <cstdint>
#include <cstring>

void CTabListSnapshots::AppendSequence(Snapshot& snapshot, const CTabDataList* list) {
  if (list) {
    for (const auto& tab : list->GetTabs()) {
      auto commands = std::make_unique<std::vector<char>>();
      for (const auto& button : tab->m_buttons) {
        commands->insert(commands->end(), button->m_command.begin(), button->m_command.end());
        commands->push_back('\0');
      }
      commands->push_back('\0');
      std::vector<char>& block = snapshot.block;
      block.insert(block.end(), tab->m_name.begin(), tab->m_name.end());
      block.push_back('\0');
      uint32_t number = tab->m_number;
      const char* numberBytes = reinterpret_cast<const char*>(&number);
      block.insert(block.end(), numberBytes, numberBytes + sizeof number);
      const char* address = commands->data();
      const char* addressBytes = reinterpret_cast<const char*>(&address);
      block.insert(block.end(), addressBytes, addressBytes + sizeof address);
      snapshot.commandLists.push_back(std::move(commands));
    }
  }
  snapshot.block.push_back('\0');
}

const char* CTabListSnapshots::Build(const CTabDataList& model, TabListKind kind) {
  const CTabDataList* hidden = model.GetHiddenList();
  if (kind == TabListKind::kHidden && (!hidden || hidden->GetCount() == 0)) return nullptr;
  auto snapshot = std::make_unique<Snapshot>();
  switch (kind) {
    case TabListKind::kVisible:
      AppendSequence(*snapshot, &model);
      break;
    case TabListKind::kVisibleAndHidden:
      AppendSequence(*snapshot, &model);
      AppendSequence(*snapshot, hidden);
      snapshot->block.push_back('\0');
      break;
    case TabListKind::kHidden:
      AppendSequence(*snapshot, hidden);
      break;
  }
  const char* address = snapshot->block.data();
  m_blocks.emplace(address, std::move(snapshot));
  return address;
}

bool CTabListSnapshots::Free(const void* address) { return m_blocks.erase(address) != 0; }

LRESULT CTabListSnapshots::Answer(const CTabDataList& model, WPARAM wParam, LPARAM lParam) {
  if (wParam == 1) return Free(reinterpret_cast<const void*>(lParam)) ? 1 : 0;
  if (wParam != 0 || lParam < 0 || lParam > 2) return 0;
  return reinterpret_cast<LRESULT>(Build(model, static_cast<TabListKind>(lParam)));
}
