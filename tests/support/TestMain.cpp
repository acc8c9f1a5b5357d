#include <gtest/gtest.h>
#include <cstdlib>

int main(int argc, char** argv)
{
    // Tests never make noise: the sound layer runs on SDL's silent driver.
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
