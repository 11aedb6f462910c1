#pragma once

#include "platform/automation_object.h"
#include "platform/code_page.h"

// What a call by member name should turn the returned automation value into.
enum class ResultKind { kNone, kTruth, kText, kNumber };

struct CallResult {
  bool truth = false;
  WideText text;
  double number = 0.0;
};

enum class CallKind { kMethod, kPropertyPut };

// Calls the member `name` (ASCII) of `object` with one text argument, under the user's default
// locale, and converts the result to `kind` by the standard automation value conversion.
// Returns false when the object is empty, lacks the member, the call fails or the conversion
// fails; `result` is then left with its failure values.
bool CallByName(const AutomationObject& object, const char* name, CallKind kind,
                const WideText& argument, ResultKind kind_wanted, CallResult& result);
