#pragma once

// Scrolling the current button panel along the bar with the panel scroll
// bar of the tab strip. The view owns the scroll bar; these give the numbers.

// How much longer the panel's content is than the room the view gives it:
// content length along the bar - (view client length - 2 * FrmBorderX). The
// scroll bar is shown, with range 0..overflow, only when this is positive.
int PanelScrollOverflow(int contentLength, int viewLength, int frmBorderX);

// The position a scroll code (SB_LINELEFT ... SB_RIGHT) leads to from
// position, clamped to 0..maximum. unit is the panel's ScrollUnit(): a line
// is a quarter of it, a page all of it. thumb is the position SB_THUMBPOSITION
// carries. Thumb tracking and other codes leave the position.
int PanelScrollPosition(int code, int position, int thumb, int maximum, int unit);

// The position that shows a cell (near and far edges along the bar, without
// the scroll offset) after a change of the cell list: when the cell's centre
// is outside the visible part, the position first follows the change of the
// range's maximum, then moves just far enough to show the cell. Clamped to
// 0..newMaximum.
int PanelKeepInView(int position, int oldMaximum, int newMaximum, int cellNear, int cellFar,
                    int visibleLength);
