#include "ui/menus/MainMenuTable.h"

namespace {

constexpr int N = -1;
const char* const kScoreAttack = "`%Score Attack";
const char* const kBlasterOnly = "`%Blaster Only";
const char* const kDeadTrench = "`%Dead Trench Walking";

}

const std::array<MainMenuRow, 36> kMainMenuRows{{
    {0, N, N, "Game", nullptr, 10, N, 0},
    {1, N, N, "Comics", nullptr, 15, N, 0},
    {3, N, N, "Stats", nullptr, 50, N, 0},
    {5, N, N, "Options", nullptr, 30, N, 0},
    {7, N, N, "Help", nullptr, 70, N, 0},
    {40, N, N, "Credits", nullptr, N, N, 0},
    {2000, N, N, "Quit", nullptr, N, N, 0},
    {50003, 30, N, "", nullptr, N, N, 0},
    {50002, 30, N, "", nullptr, N, N, 0},
    {50000, 30, N, "", nullptr, N, N, 0},
    {50001, 30, N, "", nullptr, N, N, 0},
    {101, 50, N, "##STATS", nullptr, N, N, 0},
    {101, 60, N, "##CONTROLS", nullptr, N, N, 0},
    {101, 70, N, "View Controls", nullptr, 70, 60, 0},
    {70000, 70, N, "View Tutorials", nullptr, N, N, 0},
    {70001, 70, N, "View Unlocks", nullptr, N, N, 0},
    {101, 70, 60, "##CONTROLS", nullptr, N, N, 0},
    {60000, 15, N, "Prologue", nullptr, N, N, 0},
    {60001, 15, N, "Part 1", nullptr, N, N, 2002},
    {60002, 15, N, "Part 2", nullptr, N, N, 2009},
    {60003, 15, N, "Part 3", nullptr, N, N, 2017},
    {1000, 10, N, "`!Downtown", nullptr, 10, 1000, 0},
    {1001, 10, N, "`#The Docks", "The Docks", 10, 1001, 2002},
    {1002, 10, N, "`0Hilldale", "Hilldale", 10, 1002, 2009},
    {10000, 10, 1000, "`%Normal", nullptr, N, N, 0},
    {10001, 10, 1000, kScoreAttack, "Score Attack", N, N, 2006},
    {10002, 10, 1000, kBlasterOnly, "Blaster Only", N, N, 2029},
    {10004, 10, 1000, kDeadTrench, "Dead Trench Walking", N, N, 2019},
    {20000, 10, 1001, "`%Normal", nullptr, N, N, 0},
    {20001, 10, 1001, kScoreAttack, "Score Attack", N, N, 2014},
    {20002, 10, 1001, kBlasterOnly, "Blaster Only", N, N, 2030},
    {20004, 10, 1001, kDeadTrench, "Dead Trench Walking", N, N, 2020},
    {30000, 10, 1002, "`%Normal", nullptr, N, N, 0},
    {30001, 10, 1002, kScoreAttack, "Score Attack", N, N, 2017},
    {30002, 10, 1002, kBlasterOnly, "Blaster Only", N, N, 2031},
    {30004, 10, 1002, kDeadTrench, "Dead Trench Walking", N, N, 2021},
}};

bool modeEntry(int id, int& zone, int& mode)
{
    // 10000 + 10000 x zone + a mode digit; Dead Trench Walking is digit 4.
    static constexpr int kModeOfDigit[] = {0, 1, 2, -1, 3};
    if (id < 10000 || id > 30004)
        return false;
    const int digit = id % 10000;
    if (digit > 4 || kModeOfDigit[digit] == -1)
        return false;
    zone = id / 10000 - 1;
    mode = kModeOfDigit[digit];
    return true;
}
