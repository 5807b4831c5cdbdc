#include "bar/ViewEnabling.h"

#include "kestrel_res.h"

CommandState ViewCommandState(UINT id, const ViewCommandContext& c) {
  auto state = [](bool enabled) {
    return enabled ? CommandState::kEnabled : CommandState::kDisabled;
  };
  const bool target = c.HasTarget();
  switch (id) {
    // Cells of the current panel.
    case ID_BTN_NEW:
      return state(c.panel);
    case ID_BTN_DUPLICATE:
    case ID_BTN_CLEAR:
    case ID_BTN_PROPERTIES:
      return state(target && c.panel);
    case ID_BTN_DELETE:
      // A tab keeps its last cell.
      return state(target && c.panel && c.cellCount >= 2);
    case ID_BTN_COPY_MODE:
      return state(target && c.panel && c.cellCount >= 1);
    case ID_BTN_MOVE_MODE:
    case ID_BTN_SWAP_MODE:
      return state(target && c.panel && c.cellCount >= 2);
    case ID_BTN_COPY_OTHER:
      return state(target && c.panel && !c.targetBlank);
    case ID_BTN_COPY_ALL_OTHER:
      return state(c.panel);
    case ID_BTN_PASTE_OTHER:
      return state(c.panel && c.clipboardFiles);
    // Tabs.
    case ID_TAB_RENAME:
    case ID_TAB_PROPERTIES:
      return state(c.targetValid);
    case ID_TAB_DELETE:
      return state(c.targetValid && c.tabCount > 1);
    case ID_TAB_MOVE:
    case ID_TAB_COPY:
      return state(c.targetValid && c.tabSelected && c.tabCount > 1);
    case ID_TAB_ORDER:
      return state(c.tabCount > 1);
    case ID_TAB_SHOW_HIDE:
      return state(c.tabCount >= 1);
    case ID_TAB_NEW:
      return CommandState::kEnabled;
    // The recently used strip.
    case ID_RECENT_DELETE:
      return state(target);
    case ID_RECENT_CLEAR:
      return state(c.recentCount >= 1);
    // Offered whatever the state.
    case ID_SEP_NEW:
    case ID_SEP_DELETE:
    case ID_PANEL_PROPERTIES:
    case ID_BTN_OPTIONS:
      return CommandState::kEnabled;
    default:
      // The separator's properties (ID_SEP_PROPERTIES) have no handler and stay disabled.
      return CommandState::kUnclaimed;
  }
}
