#include "app/WeatherEngine.h"

// Rain drops, lightning and the flash come with the weather's own work.
void WeatherEngine::update(float dt)
{
    (void)dt;
}

void WeatherEngine::hideRain()
{
}

void WeatherEngine::showRain()
{
}
