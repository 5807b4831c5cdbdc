// Resource numbers of Plumage.dll. Dialog, string and control numbers are the
// ones Kestrel and the settings file rely on. Control numbers repeat between
// dialogs, so each page's controls carry a prefix of their own (IDC<page>_):
// a number used twice within one page still fails the build.
#pragma once

// Dialogs: the pages of the options sheet
#define IDD_OPT_WINDOW 1206
#define IDD_OPT_FRAME 3406
#define IDD_OPT_BUTTON 1207
#define IDD_OPT_TAB 3407
#define IDD_OPT_HIDE 1903
#define IDD_OPT_HISTORY 3408
#define IDD_OPT_START 3409
#define IDD_OPT_VERSION 3410

// Strings
#define IDS_OPTIONS_CAPTION 1218
#define IDS_HOTKEY_TRIAL_FAILED 3457

// Window page
#define IDCW_TOPMOST 1500
#define IDCW_TOOLTIPS 1529
#define IDCW_DESKTOP_BAR 1813
#define IDCW_ANIMATE 1530

// Frame page
#define IDCF_FLAT 1007
#define IDCF_THIN 1008
#define IDCF_THICK 1009
#define IDCF_PREVIEW 1010
#define IDCF_FRAME_X 1011
#define IDCF_FRAME_Y 1012
#define IDCF_BUTTON_X 1013
#define IDCF_BUTTON_Y 1014

// Button page
#define IDCB_SMALL 1518
#define IDCB_LARGE 1519
#define IDCB_FLAT 1529
#define IDCB_THIN 1527
#define IDCB_THICK 1525
#define IDCB_STANDARD_COLOR 1520
#define IDCB_TAB_COLOR 1521
#define IDCB_SHOW_TEXT 1517
#define IDCB_TEXT_OVER_ICON 1804
#define IDCB_FONT_SIZE 1649
#define IDCB_TEXT_WIDTH 1650
#define IDCB_ELLIPSIS 1004
#define IDCB_LEFT 1005
#define IDCB_RIGHT 1006
#define IDCB_PREVIEW 1528

// Tab page
#define IDCT_AUTO_WIDTH 1012
#define IDCT_FIXED_WIDTH 1013
#define IDCT_WIDTH 1014
#define IDCT_ELLIPSIS 1004
#define IDCT_LEFT 1005
#define IDCT_RIGHT 1006
#define IDCT_HEIGHT 1031
#define IDCT_STANDARD_HEIGHT 1032
#define IDCT_PREVIEW 1016

// Hide/Appear page
#define IDCH_AUTO_HIDE 1506
#define IDCH_SLEEP_TIME 1667
#define IDCH_SLEEP_SPIN 1668
#define IDCH_HIDE_FULL 1512
#define IDCH_HIDE_LINE 1511
#define IDCH_HIDE_SQUARE 1683
#define IDCH_LINE_TOP 1679
#define IDCH_LINE_LEFT 1680
#define IDCH_LINE_BOTTOM 1682
#define IDCH_LINE_RIGHT 1681
#define IDCH_SQUARE_SIZE 1694
#define IDCH_SHOW_TIME 1670
#define IDCH_SHOW_SPIN 1696
#define IDCH_TOUCH_HIDE 1699
#define IDCH_HIDE_SPOT_1 1700
#define IDCH_HIDE_SPOT_2 1701
#define IDCH_HIDE_SPOT_4 1702
#define IDCH_HIDE_SPOT_8 1703
#define IDCH_HIDE_SPOT_16 1706
#define IDCH_HIDE_SPOT_32 1707
#define IDCH_HIDE_SPOT_SIZE 1704
#define IDCH_HIDE_TIME 1671
#define IDCH_HIDE_TIME_SPIN 1705
#define IDCH_TOUCH_SHOW 1688
#define IDCH_SHOW_SPOT_1 1689
#define IDCH_SHOW_SPOT_2 1690
#define IDCH_SHOW_SPOT_4 1692
#define IDCH_SHOW_SPOT_8 1691
#define IDCH_SHOW_SPOT_16 1697
#define IDCH_SHOW_SPOT_32 1698
#define IDCH_SHOW_SPOT_SIZE 1693
#define IDCH_AWAKE_TIME 1669
#define IDCH_AWAKE_TIME_SPIN 1695

// Recently used page
#define IDCR_COUNT 1805
#define IDCR_COUNT_SPIN 1806
#define IDCR_CLEAR 1017
#define IDCR_PREVIEW 1018

// Other page
#define IDCO_LAST_TAB 1019
#define IDCO_CHOSEN_TAB 1020
#define IDCO_TAB_COMBO 1021
#define IDCO_AFTER_NONE 1022
#define IDCO_AFTER_HIDE 1023
#define IDCO_AFTER_BOTTOM 1024
#define IDCO_AFTER_EXIT 1025
#define IDCO_HOTKEY_HIDE 1026
#define IDCO_HOTKEY_SHOW 1028
#define IDCO_HOTKEY_EXIT 1027
#define IDCO_TAB_MENU 1035

// Version page
#define IDCV_TEXT 1023
#define IDCV_HOME_PAGE 1666
#define IDCV_MAIL 1665

// The dialogs of the button sheet, the choosers, the tab lists and the colours
#include "plumage_btnprop_res.h"
#include "plumage_action_res.h"
#include "plumage_choosers_res.h"
#include "plumage_tabdlg_res.h"
#include "plumage_color_res.h"
