// LessonListFromPlan: whatever the bytes, no line break reaches the store and the result is stable.
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "import/plan_import.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view plan(reinterpret_cast<const char*>(data), size);
  quorlin::Text lessons = quorlin::LessonListFromPlan(plan);
  if (lessons.find_first_of("\r\n") != quorlin::Text::npos) quorlin::fuzzing::Fail("no line break");
  if (lessons.find('\0') != quorlin::Text::npos) quorlin::fuzzing::Fail("no zero byte");
  if (quorlin::LessonListFromPlan(plan) != lessons) quorlin::fuzzing::Fail("same bytes, same lessons");
  return 0;
}
