#pragma once

#include <windows.h>

#include <vector>

#include "framework/Dialog.h"

// A point of the client area as percentages of its width and height.
struct AnchorPoint {
  int x;
  int y;
};
namespace anchor {
const AnchorPoint kTopLeft{0, 0}, kTopCentre{50, 0}, kTopRight{100, 0};
const AnchorPoint kMiddleLeft{0, 50}, kMiddle{50, 50}, kMiddleRight{100, 50};
const AnchorPoint kBottomLeft{0, 100}, kBottomCentre{50, 100}, kBottomRight{100, 100};
// As the bottom-right anchor: the same as the top-left one (the control keeps its size).
const AnchorPoint kNone{-1, -1};
}  // namespace anchor

// The distances of a control's edges from its anchor points in a client area
// of size, and the control's place again from them in another size.
RECT AnchorMargins(const RECT& control, AnchorPoint topLeft, AnchorPoint bottomRight, SIZE client);
RECT AnchoredRect(const RECT& margins, AnchorPoint topLeft, AnchorPoint bottomRight, SIZE client);

// A resizable dialog whose controls keep their places relative to anchor
// points of the client area. It cannot shrink below its starting size, and
// shows a size grip in its bottom-right corner.
class CAnchorDialog : public CDialog {
 public:
  using CDialog::CDialog;

  // Call once the control has its starting place (from OnInitDialog).
  void AddAnchor(HWND control, AnchorPoint topLeft, AnchorPoint bottomRight = anchor::kNone);
  void AddAnchor(int id, AnchorPoint topLeft, AnchorPoint bottomRight = anchor::kNone) {
    AddAnchor(GetDlgItem(id), topLeft, bottomRight);
  }
  void SetMaxTrackSize(SIZE size) {
    m_maxTrack = size;
    m_hasMaxTrack = true;
  }

 protected:
  BOOL OnInitDialog() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnPaint(CPaintDC& dc) override;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Anchor {
    HWND control;
    bool listBox;
    bool repaint;
    AnchorPoint topLeft;
    AnchorPoint bottomRight;
    RECT margins;
  };
  RECT GripRect() const;

  std::vector<Anchor> m_anchors;
  SIZE m_minTrack{};
  SIZE m_maxTrack{};
  bool m_hasMaxTrack = false;
};
