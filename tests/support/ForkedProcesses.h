#pragma once
// In ThreadSanitizer builds, the child processes the tests start get memory of their own (see the
// .cpp). Each test program's main() calls this, which links that file in.

namespace testing_support {

void keepForkedProcessesApart();

}  // namespace testing_support
