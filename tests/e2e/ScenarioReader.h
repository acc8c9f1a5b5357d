#pragma once
#include "Scenario.h"

#include "world/DataFileProblem.h"

#include <string>
#include <vector>

// Reads a scenario file. One statement a line; `#` starts a comment:
//
//   seed 1234                  the random seed (required)
//   start editor               start as the map makers do (TALLOWIND_EDITOR=1)
//   assets copy                play on a copy of the assets the run may write
//   at 2.5 tap E               a key pressed for one frame
//   at 3 hold W 1.5            a key held for 1.5 s
//   at 3 press Shift / at 4 release Shift
//   at 4 mouse 400 300         the mouse moved to a window pixel (from top left)
//   at 4.1 click left          a mouse button for one frame (hold/press/release mouse left)
//   at 5 pad A                 a pad button for one frame (hold/press/release pad A)
//   at 6 setup place player at cell 30 40   set-up, not play: also
//                              setup give credits 3000, setup give item 70
//   end 20                     the run's length in seconds (else 1 s after the last input)
//   expect state Playing       a check when the run ends (see ScenarioChecks)
//
// Times are seconds of game time from start-up, played at 60 frames a second,
// and never go back. Every problem is reported as "file:line: message"; a file
// with any problem is not played.
class ScenarioReader
{
public:
    static bool read(const std::string& path, Scenario& scenario, std::vector<DataFileProblem>& problems);
};
