#pragma once

// Game-pad button 12: lets a waiting tutorial hint go. True when tutorials are
// on and the hint was dismissed. (The pop-up operations themselves are members
// of GameInterface, defined in MessagePopups.cpp.)
bool dismissTutorial();
