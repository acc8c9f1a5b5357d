// soundgen: synthesizes every sound effect, voice line, advert, ambient loop
// and music track of the game into <output folder>/sfx. Tracks named .mp3
// are encoded with the lame encoder; without it they are left out and the
// tool says so (exit status 3).
// Usage: soundgen <output folder>
#include "OutputFolder.h"
#include "SoundBook.h"
#include "WavWriter.h"
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
bool haveLame()
{
    return std::system("lame --version >/dev/null 2>&1") == 0;
}

bool encodeMp3(const std::string& wav, const std::string& mp3)
{
    std::string cmd = "lame --quiet --noreplaygain -m m -b 48 '" + wav + "' '" + mp3 + "'";
    bool ok = std::system(cmd.c_str()) == 0;
    std::remove(wav.c_str());
    if (!ok)
        std::fprintf(stderr, "lame failed for %s\n", mp3.c_str());
    return ok;
}
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: soundgen <output folder>\n");
        return 2;
    }
    std::string folder = joinPath(argv[1], "sfx");
    if (!makeFolders(folder))
    {
        std::fprintf(stderr, "cannot create %s\n", folder.c_str());
        return 1;
    }
    bool lame = haveLame();
    bool ok = true, skipped = false;
    for (const SoundRecipe& r : soundBook())
    {
        bool isMp3 = r.name.size() > 4 && r.name.compare(r.name.size() - 4, 4, ".mp3") == 0;
        std::string path = joinPath(folder, r.name);
        if (!isMp3)
        {
            ok = writeWav(path, r.make(), kRate) && ok;
            continue;
        }
        if (!lame)
        {
            skipped = true;
            continue;
        }
        std::string wav = path.substr(0, path.size() - 4) + ".tmp.wav";
        ok = writeWav(wav, r.make(), kRate) && encodeMp3(wav, path) && ok;
    }
    if (skipped)
        std::fprintf(stderr, "soundgen: lame not found, the .mp3 tracks were not made\n");
    return !ok ? 1 : (skipped ? 3 : 0);
}
