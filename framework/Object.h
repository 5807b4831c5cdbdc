#pragma once

// Root of the framework's class tree: every window, dialog and application
// object is a CObject so owners can hold them through one base.
class CObject {
 public:
  CObject() = default;
  CObject(const CObject&) = delete;
  CObject& operator=(const CObject&) = delete;
  virtual ~CObject() = default;
};
