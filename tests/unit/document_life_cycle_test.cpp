#include <gtest/gtest.h>

#include "json/json_document.h"
#include "platform/engine_calls.h"

TEST(DocumentLifeCycle, NewDocumentIsAnEmptyObject) {
  JsonDocument doc;
  EXPECT_FALSE(doc.GetEngine().IsEmpty());
  EXPECT_EQ(doc.ToText(), "{}");
}
