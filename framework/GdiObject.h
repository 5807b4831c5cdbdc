#pragma once

#include <windows.h>

#include <utility>

// An owned GDI object (font, brush, pen, bitmap, region), deleted with its owner.
template <typename Handle>
class CGdiObject {
 public:
  CGdiObject() = default;
  explicit CGdiObject(Handle handle) : m_handle(handle) {}
  ~CGdiObject() { DeleteObject(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;
  CGdiObject(CGdiObject&& other) noexcept : m_handle(std::exchange(other.m_handle, nullptr)) {}
  CGdiObject& operator=(CGdiObject&& other) noexcept {
    if (this != &other) Attach(std::exchange(other.m_handle, nullptr));
    return *this;
  }

  void Attach(Handle handle) {
    DeleteObject();
    m_handle = handle;
  }
  void DeleteObject() {
    if (m_handle) ::DeleteObject(m_handle);
    m_handle = nullptr;
  }
  Handle GetSafeHandle() const { return m_handle; }
  explicit operator bool() const { return m_handle != nullptr; }

 private:
  Handle m_handle = nullptr;
};

using CFont = CGdiObject<HFONT>;
using CBrush = CGdiObject<HBRUSH>;
using CPen = CGdiObject<HPEN>;
using CBitmap = CGdiObject<HBITMAP>;
using CRgn = CGdiObject<HRGN>;

// Selects an object into a device context for one scope.
class CSelectObject {
 public:
  CSelectObject(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(::SelectObject(dc, object)) {}
  ~CSelectObject() { ::SelectObject(m_dc, m_old); }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

 private:
  HDC m_dc;
  HGDIOBJ m_old;
};
