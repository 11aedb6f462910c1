#pragma once

#include <oleauto.h>

#include <string_view>

// Owns one BSTR.
class Bstr {
 public:
  explicit Bstr(std::wstring_view text)
      : value_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  ~Bstr() { SysFreeString(value_); }
  BSTR get() const noexcept { return value_; }

 private:
  BSTR value_;
};

// Owns one VARIANT and whatever it holds.
class Variant {
 public:
  Variant() noexcept { VariantInit(&value_); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { VariantClear(&value_); }
  VARIANT* get() noexcept { return &value_; }
  const VARIANT* get() const noexcept { return &value_; }

 private:
  VARIANT value_;
};
