#include <windows.h>

#include "platform/automation_object.h"
#include "platform/code_page.h"

AutomationObject AutomationObject::Adopt(AutomationUnknown* object) noexcept {
  AutomationObject handle;
  handle.object_ = object;
  return handle;
}

AutomationObject AutomationObject::Create(const Text& programId) {
  CLSID clsid;
  if (FAILED(CLSIDFromProgID(ToWide(programId).c_str(), &clsid))) return {};
  IUnknown* object = nullptr;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IUnknown, reinterpret_cast<void**>(&object))))
    return {};
  return Adopt(object);
}

AutomationObject::AutomationObject(const AutomationObject& other) noexcept
    : object_(other.object_) {
  if (object_) object_->AddRef();
}

void AutomationObject::Clear() noexcept {
  if (object_) std::exchange(object_, nullptr)->Release();
}
