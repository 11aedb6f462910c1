// Write operations: not built yet; every one answers false.
#include "json/json_document.h"

bool JsonDocument::SetValue(const Text&, const Text&, bool) { return false; }
bool JsonDocument::SetExpression(const Text&, const Text&) { return false; }
bool JsonDocument::AddArrayMember(const Text&, const Text&, bool, bool) { return false; }
bool JsonDocument::SetArrayMember(std::int32_t, const Text&, const Text&, bool) { return false; }
bool JsonDocument::RemoveArrayMember(std::int32_t, const Text&) { return false; }
bool JsonDocument::Delete(const Text&) { return false; }
bool JsonDocument::SetNumber(const Text&, double) { return false; }
