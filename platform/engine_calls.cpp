#include "platform/engine_calls.h"

#include <utility>

#include "platform/automation_call.h"
#include "platform/code_page.h"

namespace {

ScriptListener& Listener() {
  static ScriptListener listener;
  return listener;
}

// Sends one script text to the engine's method and converts the answer to the kind wanted.
CallResult Send(const AutomationObject& engine, const char* method, const Text& script,
                ResultKind kind) {
  CallResult result;
  if (engine.IsEmpty()) return result;
  if (Listener()) Listener()(script);
  CallByName(engine, method, CallKind::kMethod, ToWide(script), kind, result);
  return result;
}

}  // namespace

bool EvalTruth(const AutomationObject& engine, const Text& script) {
  return Send(engine, "Eval", script, ResultKind::kTruth).truth;
}

Text EvalText(const AutomationObject& engine, const Text& script) {
  WideText text = Send(engine, "Eval", script, ResultKind::kText).text;
  // A returned text ends at its first NUL character.
  if (const auto nul = text.find(WideChar{0}); nul != WideText::npos) text.resize(nul);
  return ToMultiByte(text);
}

double EvalNumber(const AutomationObject& engine, const Text& script) {
  return Send(engine, "Eval", script, ResultKind::kNumber).number;
}

void EvalVoid(const AutomationObject& engine, const Text& script) {
  Send(engine, "Eval", script, ResultKind::kNone);
}

void AddCode(const AutomationObject& engine, const Text& script) {
  Send(engine, "AddCode", script, ResultKind::kNone);
}

void SetLanguage(const AutomationObject& engine, const Text& language) {
  CallResult ignored;
  CallByName(engine, "Language", CallKind::kPropertyPut, ToWide(language), ResultKind::kNone,
             ignored);
}

void SetScriptListener(ScriptListener listener) { Listener() = std::move(listener); }
