// The helper faults for a program that does not arm them itself: a kill test
// preloads this library into the program it starts, which then kills itself
// at the chosen write just as a helper does.

#include "HelperFaults.h"

namespace {

[[gnu::constructor]] void armOnLoad()
{
    testsupport::armHelperFaults();
}

} // namespace
