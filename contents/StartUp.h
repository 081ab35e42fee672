#pragma once

namespace forms {
class App;
}

namespace contents {

// Starts the program on its folder: checks the question database (a missing,
// foreign or damaged file is reported and left as it is; a read-only one is
// reported and the program starts all the same) and shows the first window,
// the start-up splash; once that is on screen, the control libraries of the
// folder are registered. Returns false when the program cannot start. An end
// of the program during the start (a logout while its box is open) stops the
// start there; the program's loop then ends at once.
bool startUp(forms::App& program);

} // namespace contents
