// Read operations: not built yet; every one answers its failure value.
#include "json/json_document.h"

bool JsonDocument::Exists(const Text&) { return false; }
std::int32_t JsonDocument::GetType(const Text&) { return -1; }
Text JsonDocument::GetText(const Text&, bool) { return {}; }
std::int32_t JsonDocument::GetMemberNames(TextArray& names, const Text&) {
  names.clear();
  return 0;
}
std::int32_t JsonDocument::GetArrayCount(const Text&) { return 0; }
std::unique_ptr<JsonDocument> JsonDocument::GetObject(const Text&) {
  return std::make_unique<JsonDocument>();
}
std::unique_ptr<JsonDocument> JsonDocument::GetArrayMemberObject(std::int32_t, const Text&) {
  return std::make_unique<JsonDocument>();
}
Text JsonDocument::GetArrayMemberText(std::int32_t, const Text&, bool) { return {}; }
double JsonDocument::GetNumber(const Text&) { return 0.0; }
Text JsonDocument::GetJsonText(const Text&) { return {}; }
std::int32_t JsonDocument::GetAllValues(TextArray& values, const Text&, bool) {
  values.clear();
  return 0;
}
