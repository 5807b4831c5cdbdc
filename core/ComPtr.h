// Owning holder for a COM interface pointer: releases it once, never copies it.
#pragma once

#include <objbase.h>

#include <utility>

template <class T>
class CComPtr {
 public:
  CComPtr() = default;
  explicit CComPtr(T* p) : m_p(p) {}
  CComPtr(const CComPtr&) = delete;
  CComPtr& operator=(const CComPtr&) = delete;
  CComPtr(CComPtr&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  CComPtr& operator=(CComPtr&& other) noexcept {
    if (this != &other) Reset(std::exchange(other.m_p, nullptr));
    return *this;
  }
  ~CComPtr() { Reset(); }

  void Reset(T* p = nullptr) {
    if (m_p) m_p->Release();
    m_p = p;
  }
  T* Get() const { return m_p; }
  T* operator->() const { return m_p; }
  explicit operator bool() const { return m_p != nullptr; }

  // For creation calls that fill an interface pointer: drops the old one first.
  T** Put() {
    Reset();
    return &m_p;
  }
  void** PutVoid() { return reinterpret_cast<void**>(Put()); }

  // Asks the held object for another interface; the result is empty on failure.
  template <class U>
  HRESULT QueryInto(REFIID iid, CComPtr<U>& out) const {
    if (!m_p) return E_POINTER;
    return m_p->QueryInterface(iid, out.PutVoid());
  }

 private:
  T* m_p = nullptr;
};
