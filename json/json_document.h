#pragma once

#include <cstdint>
#include <memory>

#include "platform/automation_object.h"
#include "platform/text.h"

// <windows.h> maps GetObject to GetObjectA/W; the operation keeps its own name here.
#ifdef GetObject
#undef GetObject
#endif

// One JSON document (in fact any script value) held as a global variable inside a private
// script engine instance. Every query and change is a short script text sent to that engine.
// The virtual operations stand in a fixed order of 26 slots; the destructor is slot 0.
class JsonDocument {
 public:
  // Root name "da", then Initialize. A failed engine creation leaves a dead document.
  JsonDocument();
  JsonDocument(const JsonDocument&) = delete;
  JsonDocument& operator=(const JsonDocument&) = delete;

  virtual ~JsonDocument();                                                           // 0 Destroy
  virtual std::unique_ptr<JsonDocument> Copy() const;                                // 1
  virtual void Initialize();                                                         // 2
  virtual bool Parse(const Text& text, bool direct);                                 // 3
  virtual bool Clear();                                                              // 4
  virtual Text ToText();                                                             // 5
  virtual bool SetValue(const Text& path, const Text& value, bool asObject);         // 6
  virtual bool SetExpression(const Text& path, const Text& expression);              // 7
  virtual bool ResolvePath(Text& path);                                              // 8
  virtual bool Exists(const Text& path);                                             // 9
  virtual std::int32_t GetType(const Text& path);                                    // 10
  virtual Text GetText(const Text& path, bool asJson);                               // 11
  virtual std::int32_t GetMemberNames(TextArray& names, const Text& path);           // 12
  virtual std::int32_t GetArrayCount(const Text& path);                              // 13
  virtual std::unique_ptr<JsonDocument> GetObject(const Text& path);                 // 14
  virtual bool AddArrayMember(const Text& value, const Text& path, bool asScript,
                              bool atFront);                                         // 15
  virtual std::unique_ptr<JsonDocument> GetArrayMemberObject(std::int32_t index,
                                                             const Text& path);      // 16
  virtual Text GetArrayMemberText(std::int32_t index, const Text& path, bool asJson);  // 17
  virtual bool SetArrayMember(std::int32_t index, const Text& path, const Text& value,
                              bool asScript);                                        // 18
  virtual bool RemoveArrayMember(std::int32_t index, const Text& path);              // 19
  virtual bool Delete(const Text& path);                                             // 20
  virtual bool SetNumber(const Text& path, double value);                            // 21
  virtual double GetNumber(const Text& path);                                        // 22
  virtual Text GetJsonText(const Text& path);                                        // 23
  virtual AutomationObject GetEngine() const;                                        // 24
  virtual std::int32_t GetAllValues(TextArray& values, const Text& path,
                                    bool recursive);                                 // 25

 private:
  struct NoInitialize {};
  explicit JsonDocument(NoInitialize) noexcept {}

  // The caller's path, copied and resolved against the root.
  Text Resolved(const Text& path);

  Text rootName;
  AutomationObject engine;
};
