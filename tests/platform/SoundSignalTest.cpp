#include "platform/SoundSystem.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// Opening the sound device must not take SIGTERM away from the game: a
// player's "kill" or a session ending has to stop it.
TEST(SoundSignals, TerminateStillStopsTheGameAfterTheSoundSystemOpens)
{
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        SoundSystem sound;
        sound.init(100);
        raise(SIGTERM);
        _exit(0); // reached only when the signal was swallowed
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_EQ(WTERMSIG(status), SIGTERM);
}
