#pragma once

#include "platform/com/Guid.h"

// The classes of the small control library the component tests load.
namespace testcontrol {

inline constexpr com::Guid counterClass{0x5A1E0001, 0x7C3B, 0x4E21, {0x9A, 0x11, 0x20, 0x01, 0x04, 0x17, 0x00, 0x01}};
inline constexpr com::Guid refuserClass{0x5A1E0002, 0x7C3B, 0x4E21, {0x9A, 0x11, 0x20, 0x01, 0x04, 0x17, 0x00, 0x02}};
inline constexpr com::Guid counterEvents{0x5A1E0003, 0x7C3B, 0x4E21, {0x9A, 0x11, 0x20, 0x01, 0x04, 0x17, 0x00, 0x03}};
inline constexpr const char* counterProgId = "DrillbookTest.Counter.1";

// Counter: Value (1, 0 to 100, refused with automation error 380 outside),
// Caption (2), Step(n) (3, adds n and fires Changed), Fail (4, raises a
// plain C++ exception inside the library). Changed (event 1) passes the new
// value by reference; the counter takes back what the sink wrote.
inline constexpr int dispValue = 1;
inline constexpr int dispCaption = 2;
inline constexpr int dispStep = 3;
inline constexpr int dispFail = 4;
inline constexpr int eventChanged = 1;

} // namespace testcontrol
