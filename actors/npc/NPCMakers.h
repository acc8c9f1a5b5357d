#pragma once

// Hands the actor manager its makers of walking NPCs (citizens and contacts,
// bodyguards, hunters) and the contract manager its way to the NPCs. Called
// once at start-up; calling again is harmless.
void registerNPCMakers();
