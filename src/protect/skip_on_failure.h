#pragma once
// The failure handling of operations that go on past failures: a step that fails is skipped,
// the operation continues with its next step, and nothing is shown.
#include <exception>

namespace protect {

template <typename Step>
void skipOnFailure(Step&& step) {
  try {
    step();
  } catch (const std::exception&) {
    // skipped: the caller goes on with its next step
  }
}

}  // namespace protect
