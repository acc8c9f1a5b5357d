#pragma once

// Teaches the actor manager to make the flying robots: ambient flyers, advert
// blimps, police droids and cleaning droids. Called once at start-up.
void registerRobotMakers();
