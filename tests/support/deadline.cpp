// Compiled into every test program: it ends itself once this long has
// passed, whatever it waits for. A planted fault that corrupts memory can
// leave a program hanging in a lock, where no timeout of the test runner
// reached it; the alarm's default action ends the process from the kernel.
#include <unistd.h>

namespace {
constexpr unsigned kDeadlineSeconds = 240;
const bool g_deadlineSet = (::alarm(kDeadlineSeconds), true);
} // namespace
