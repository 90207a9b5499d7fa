#pragma once
// In ThreadSanitizer builds, the child processes the tests start get memory of their own (see the
// .cpp). Each test program's main() (core_main, test_main, components_main) calls this, which links that file in.

namespace testing_support {

void keepForkedProcessesApart();

}  // namespace testing_support
