#pragma once

#include <utility>

#include "platform/text.h"

#ifdef _WIN32
#include <unknwn.h>
using AutomationUnknown = IUnknown;
#else
#include "platform/native/native_unknown.h"
using AutomationUnknown = NativeUnknown;
#endif

// A handle to an automation object that may be empty. It owns one reference to the object;
// copying adds a reference, clearing releases it.
class AutomationObject {
 public:
  AutomationObject() noexcept = default;
  // Takes over one reference that the caller already holds.
  static AutomationObject Adopt(AutomationUnknown* object) noexcept;
  // Creates an object by programmatic identifier; empty when creation fails.
  static AutomationObject Create(const Text& programId);

  AutomationObject(const AutomationObject& other) noexcept;
  AutomationObject(AutomationObject&& other) noexcept : object_(std::exchange(other.object_, nullptr)) {}
  AutomationObject& operator=(AutomationObject other) noexcept {
    std::swap(object_, other.object_);
    return *this;
  }
  ~AutomationObject() { Clear(); }

  void Clear() noexcept;
  bool IsEmpty() const noexcept { return object_ == nullptr; }
  AutomationUnknown* Get() const noexcept { return object_; }

 private:
  AutomationUnknown* object_ = nullptr;
};
