// How a panel learns the icons and names of its cells: asked of the frame's
// shell reader thread and filled in as the answers arrive, so the bar paints
// at once and a slow target never holds it.
#include <algorithm>

#include "bar/BtnPanel.h"
#include "bar/ShellInfoReader.h"

void CBtnPanel::ReadAllItems(bool report) {
  CShellInfoReader* reader = m_hWnd ? ShellInfoReader() : nullptr;
  if (!reader) {
    HWND parent = m_hWnd ? ::GetParent(m_hWnd) : nullptr;
    const size_t count = m_items.size();
    if (report) ::SendMessageA(parent, WM_BUILD_PROGRESS, 0, static_cast<LPARAM>(count));
    for (size_t i = 0; i < count; ++i) {
      ReadItem(i);
      if (report) ::SendMessageA(parent, WM_BUILD_PROGRESS, 1, 0);
    }
    if (report) ::SendMessageA(parent, WM_BUILD_PROGRESS, 2, 0);
    return;
  }

  std::vector<CShellInfoReader::Job> jobs;
  for (auto& item : m_items) {
    if (item->IsBlank() || item->IsSeparator()) {
      item->ReadContent();
      continue;
    }
    // A refresh keeps showing the old icon until the new answer comes.
    item->m_pending = true;
    item->m_serial = m_nextSerial++;
    jobs.push_back({m_hWnd, item->m_serial, item->m_data->m_command, item->m_data->m_flags});
  }
  CountPending();
  // The progress bar shows with the first answers, not before the bar is up.
  if (report && !jobs.empty() && !m_reportingProgress)
    m_progressTotal = static_cast<int>(jobs.size());
  m_answerCursor = 0;
  reader->Ask(std::move(jobs));
}

void CBtnPanel::CountPending() {
  m_pendingCount = static_cast<int>(std::count_if(
      m_items.begin(), m_items.end(), [](const auto& item) { return item->m_pending; }));
  SettlePending();
}

void CBtnPanel::SettlePending() {
  if (m_pendingCount > 0) return;
  m_progressTotal = 0;
  if (!m_reportingProgress) return;
  m_reportingProgress = false;
  ::SendMessageA(::GetParent(m_hWnd), WM_BUILD_PROGRESS, 2, 0);
}

void CBtnPanel::OnShellInfoRead() {
  CShellInfoReader* reader = ShellInfoReader();
  if (!reader) return;
  std::vector<CShellInfoReader::Answer> answers = reader->TakeAnswers(m_hWnd);
  if (answers.empty()) return;
  HWND parent = ::GetParent(m_hWnd);
  if (m_progressTotal > 0) {
    m_reportingProgress = true;
    ::SendMessageA(parent, WM_BUILD_PROGRESS, 0, m_progressTotal);
    m_progressTotal = 0;
  }
  const size_t count = m_items.size();
  size_t first = count, last = 0;
  for (auto& answer : answers) {
    if (m_reportingProgress) ::SendMessageA(parent, WM_BUILD_PROGRESS, 1, 0);
    // Cells may have moved since the question: find the item by its number.
    for (size_t step = 0; step < count; ++step) {
      const size_t i = (m_answerCursor + step) % count;
      CBtnItem& item = *m_items[i];
      if (!item.m_pending || item.m_serial != answer.serial) continue;
      item.ApplyShellInfo(std::move(answer.info));
      item.m_pending = false;
      --m_pendingCount;
      m_answerCursor = i + 1;
      first = std::min(first, i);
      last = std::max(last, i + 1);
      break;
    }
  }
  SettlePending();
  if (first >= last) return;
  MeasureItems(first, last);
  for (size_t i = first; i < last; ++i) InvalidateCell(static_cast<int>(i));
}
