#pragma once

class Player;

// A fine the police collect from the player after a scan: the credits go
// (below zero if need be), the contraband is taken, the next weapon comes to
// hand, the HUD shows it and the till rings.
void payPoliceFine(Player* player, int fine);
