#include "json/json_document.h"

#include "json/prelude.h"
#include "platform/com_apartment.h"
#include "platform/engine_calls.h"

namespace {
constexpr char kProgramId[] = "MSScriptControl.ScriptControl";
}

JsonDocument::JsonDocument() {
  rootName = "da";
  Initialize();
}

JsonDocument::~JsonDocument() {
  engine.Clear();
  ComUninitialize();
}

std::unique_ptr<JsonDocument> JsonDocument::Copy() const {
  // Shares the engine instance; COM is not initialised again.
  std::unique_ptr<JsonDocument> copy(new JsonDocument(NoInitialize{}));
  copy->rootName = rootName;
  copy->engine = engine;
  return copy;
}

void JsonDocument::Initialize() {
  ComInitialize();
  AutomationObject created = AutomationObject::Create(kProgramId);
  if (created.IsEmpty()) return;  // a live document keeps its old instance
  engine = std::move(created);
  SetLanguage(engine, "JavaScript");
  AddCode(engine, Text(kPrelude));
  EvalTruth(engine, "var " + rootName +
                        " = {}, str_Code = String.fromCharCode(9216), str_reg = new "
                        "RegExp(str_Code, 'g')");
}

bool JsonDocument::Parse(const Text& text, bool direct) {
  if (!engine.IsEmpty()) {
    engine.Clear();
    Initialize();
  }
  if (engine.IsEmpty()) return false;
  EvalTruth(engine, "var " + rootName + " = null");
  AddCode(engine, direct ? "var " + rootName + " = " + text
                         : "var " + rootName + " = eval(" + text + ")");
  return EvalTruth(engine, rootName + " != null");
}

bool JsonDocument::Clear() { return EvalTruth(engine, rootName + " = {}"); }

Text JsonDocument::ToText() {
  return EvalText(engine, "JSON.stringify(" + rootName + ").replace(str_reg, '\\\\')");
}

bool JsonDocument::ResolvePath(Text& path) {
  if (path.starts_with(rootName) && EvalTruth(engine, path + " != null")) return true;
  if (path.empty())
    path = rootName;
  else if (path.front() == '[')
    path = rootName + path;
  else
    path = rootName + "." + path;
  return EvalTruth(engine, path + " != null");
}

AutomationObject JsonDocument::GetEngine() const { return engine; }

Text JsonDocument::Resolved(const Text& path) {
  Text resolved = path;
  ResolvePath(resolved);
  return resolved;
}
