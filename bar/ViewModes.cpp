// The view's copy, move and swap modes: starting them from the menus, cancelling them from the
// keyboard, and carrying out a finished one on the model, the panels and the strip.
#include "bar/ViewModes.h"

#include <algorithm>
#include <memory>
#include <utility>

#include "bar/BtnPanel.h"
#include "bar/ChildView.h"
#include "bar/TabStrip.h"
#include "core/Globals.h"

CellModePlan PlanCellMode(int mode, int kind, int source, int target, int count, bool sourceBlank) {
  CellModePlan plan;
  if (source < 0 || source >= count || target < 0 || target >= count) return plan;
  const bool before = kind == 1, onto = kind == 2, after = kind == 3;
  if (!before && !onto && !after) return plan;
  switch (mode) {
    case 0:  // copy
      if (onto && sourceBlank) {
        plan.op = CellModePlan::kCopyOnto;
        plan.at = target;
        plan.show = target;
      } else {
        plan.op = CellModePlan::kInsertCopy;
        plan.at = after ? target + 1 : target;
        plan.show = plan.at;
      }
      return plan;
    case 1:  // move
      // A cell dropped on itself, or into the gap it already fills, stays.
      if (target == source) return plan;
      if (onto && sourceBlank) {
        plan.op = CellModePlan::kCopyOnto;
        plan.at = target;
        plan.deleteIndex = source;
        plan.show = target < source ? target : target - 1;
        return plan;
      }
      if (after) {
        if (target == source - 1) return plan;
        plan.at = target + 1;
      } else {
        if (target == source + 1) return plan;
        plan.at = target;
      }
      plan.op = CellModePlan::kInsertCopy;
      // The copy went in before the source: the source moved on by one.
      plan.deleteIndex = plan.at <= source ? source + 1 : source;
      plan.show = plan.at <= source ? plan.at : plan.at - 1;
      return plan;
    case 2:  // swap
      if (!onto || target == source) return plan;
      plan.op = CellModePlan::kSwap;
      plan.at = target;
      plan.show = target;
      return plan;
    default:
      return plan;
  }
}

void CChildView::BeginCellMode(int mode) {
  const int source = CellTarget();
  if (!m_current || source < 0 || source >= m_current->GetCount()) return;
  // Moving and swapping need a second cell; copying does not.
  if (mode != 0 && m_current->GetCount() < 2) return;
  m_current->BeginMode(mode, source);
}

void CChildView::BeginTabMode(int mode) {
  if (!m_strip || !m_targetValid || m_menuKind != MenuKind::kTab) return;
  const int selected = m_strip->GetSelected();
  if (selected < 0 || g_tabList.GetCount() < 2) return;
  m_strip->BeginMode(mode, selected);
}

bool CChildView::CancelModes() {
  bool ran = false;
  if (m_current && m_current->IsModeRunning()) {
    m_current->CancelMode();
    ran = true;
  }
  if (m_strip && m_strip->IsModeRunning()) {
    m_strip->CancelMode();
    ran = true;
  }
  return ran;
}

void CChildView::OnCellModeFinished(const NMBTNMODE& note) {
  if (!m_current) return;
  const int source = CellTarget();
  const CTabData& tab = m_current->GetTab();
  const CBtnData* cell = tab.GetButton(source);
  if (!cell) return;
  const CellModePlan plan = PlanCellMode(note.mode, note.targetKind, source, note.target,
                                         m_current->GetCount(), cell->IsBlank());
  switch (plan.op) {
    case CellModePlan::kInsertCopy:
      if (m_current->InsertCell(btnpanel::kDuplicate, plan.at, source) < 0) return;
      break;
    case CellModePlan::kCopyOnto:
      if (!m_current->CopyCell(plan.at, source)) return;
      break;
    case CellModePlan::kSwap:
      if (!m_current->SwapCells(plan.at, source)) return;
      break;
    default:
      return;
  }
  if (plan.deleteIndex >= 0) m_current->DeleteCell(plan.deleteIndex);
  KeepCellInView(plan.show);
}

void CChildView::OnTabModeFinished(const NMTABMODE& note) {
  if (!m_strip) return;
  const int count = g_tabList.GetCount();
  const int source = note.source, target = note.target;
  if (source < 0 || source >= count || target < 0 || target >= count ||
      count != static_cast<int>(m_panels.size()))
    return;
  int position = -1;
  if (note.mode == 0) {
    position = g_tabList.CopyTab(target, source, false);
    const CTabData* copy = g_tabList.GetTab(position);
    if (!copy) return;
    m_panels.insert(m_panels.begin() + position, nullptr);
    m_strip->InsertTab(position, copy->m_name, copy->m_color, copy->m_textColor);
    if (m_currentIndex >= position) ++m_currentIndex;
  } else if (note.mode == 1) {
    if (target == source) return;
    position = g_tabList.CopyTab(target, source, true);
    const CTabData* moved = g_tabList.GetTab(position);
    if (!moved) return;
    // The tab's panel and strip tab go with it.
    auto panel = std::move(m_panels[static_cast<size_t>(source)]);
    m_panels.erase(m_panels.begin() + source);
    m_panels.insert(m_panels.begin() + position, std::move(panel));
    m_strip->RemoveTab(source);
    m_strip->InsertTab(position, moved->m_name, moved->m_color, moved->m_textColor);
    m_currentIndex = -1;
    for (size_t i = 0; i < m_panels.size(); ++i) {
      if (m_panels[i] && m_panels[i].get() == m_current) m_currentIndex = static_cast<int>(i);
    }
  } else {
    return;
  }
  g_tabList.SelectTab(position);
  m_strip->Select(position);
  ShowTabPanel(position);
  m_strip->EnsureVisible(position);
}
