#include "app/Achievements.h"

// The unlock table and its notices come with the achievements' own work.
void Achievements::unlock(int32_t id, bool save, bool silent)
{
    (void)id;
    (void)save;
    (void)silent;
}
