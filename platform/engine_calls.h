#pragma once

#include <functional>

#include "platform/automation_object.h"
#include "platform/text.h"

// The five ways a script text reaches an engine instance. Every failure is silent and yields
// false, the empty text or 0.0.
bool EvalTruth(const AutomationObject& engine, const Text& script);
Text EvalText(const AutomationObject& engine, const Text& script);
double EvalNumber(const AutomationObject& engine, const Text& script);
void EvalVoid(const AutomationObject& engine, const Text& script);
void AddCode(const AutomationObject& engine, const Text& script);

// Sets the engine's property "Language".
void SetLanguage(const AutomationObject& engine, const Text& language);

// Tests watch the exact texts sent: the listener sees every script text before it is sent.
using ScriptListener = std::function<void(const Text& script)>;
void SetScriptListener(ScriptListener listener);
