#include <windows.h>
#include <wrl/client.h>

#include "platform/automation_call.h"
#include "platform/win/com_owners.h"

using Microsoft::WRL::ComPtr;

namespace {

// Converts an automation value by the standard rules under the user's default locale.
bool Convert(VARIANT& value, ResultKind kind, CallResult& result) {
  const VARTYPE type = kind == ResultKind::kTruth ? VT_BOOL
                       : kind == ResultKind::kText ? VT_BSTR
                                                   : VT_R8;
  Variant converted;
  if (FAILED(VariantChangeTypeEx(converted.get(), &value, LOCALE_USER_DEFAULT, 0, type)))
    return false;
  const VARIANT& v = *converted.get();
  switch (kind) {
    case ResultKind::kTruth:
      result.truth = v.boolVal != VARIANT_FALSE;
      break;
    case ResultKind::kText:
      if (v.bstrVal) result.text.assign(v.bstrVal, SysStringLen(v.bstrVal));
      break;
    default:
      result.number = v.dblVal;
  }
  return true;
}

}  // namespace

bool CallByName(const AutomationObject& object, const char* name, CallKind kind,
                const WideText& argument, ResultKind kind_wanted, CallResult& result) {
  if (object.IsEmpty()) return false;
  // The automation interface is asked for anew for every call and released after it.
  ComPtr<IDispatch> dispatch;
  if (FAILED(object.Get()->QueryInterface(IID_PPV_ARGS(&dispatch)))) return false;

  WideText member = ToWide(name);
  LPOLESTR names[] = {member.data()};
  DISPID id;
  if (FAILED(dispatch->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) return false;

  Bstr text(argument);
  VARIANT arg;
  VariantInit(&arg);
  arg.vt = VT_BSTR;
  arg.bstrVal = text.get();  // still owned by `text`
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS params{&arg, nullptr, 1, 0};
  WORD flags = DISPATCH_METHOD;
  if (kind == CallKind::kPropertyPut) {
    params.rgdispidNamedArgs = &put;
    params.cNamedArgs = 1;
    flags = DISPATCH_PROPERTYPUT;
  }
  Variant value;
  if (FAILED(dispatch->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                              kind == CallKind::kMethod ? value.get() : nullptr, nullptr,
                              nullptr)))
    return false;
  return kind_wanted == ResultKind::kNone || Convert(*value.get(), kind_wanted, result);
}
