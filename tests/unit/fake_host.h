// The unit tests' window system: the headless host of the tools, answering yes.
#pragma once
#include "headless_host.h"

namespace quill::testing {

class FakeHost : public HeadlessHost {
 public:
  FakeHost() { answerYes = true; }
};

}  // namespace quill::testing
