#include "ui/CreditScreen.h"

#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/WeatherEngine.h"
#include "ui/UIText.h"

USING_NS_CC;

namespace {

constexpr float kBackdropFadeSeconds = 1.0f;
constexpr float kTopMargin = 10.0f;
constexpr int kTextZ = 100;
constexpr int kRoleLineGlyphs = 34;

// A role line: the role and its colon in the role's colour, then the name
// in white, spaced out to one width so the names line up.
struct Role
{
    const char* colour;
    const char* role;
    const char* name;
};

const Role kRoles[] = {
    {"`0", "code/concept:", "Tallowind team"},
    {"`#", "design/biz:", "Tallowind team"},
    {"`$", "art:", "Tallowind team"},
    {"`$", "music:", "Tallowind team"},
    {"`#", "additional design:", "Tallowind team"},
    {"`$", "art intern:", "Tallowind team"},
    {"`#", "adnl. level design:", "Tallowind team"},
};

std::string roleLine(const Role& role)
{
    const size_t used = std::string(role.role).size() + std::string(role.name).size();
    const size_t spaces = used < kRoleLineGlyphs ? kRoleLineGlyphs - used : 1;
    return std::string(role.colour) + role.role + std::string(spaces, ' ') + "`%" + role.name;
}

const char* const kTesters[] = {"the Tallowind team", "everyone who played early builds", "the automated tests",
                                "the headless test runs"};
const char* const kVoices[] = {"the Tallowind team", "the rain of Kessa City"};
const char* const kThanks[] = {"GLFW", "GLEW", "SDL2", "SDL2_mixer", "libpng", "libjpeg", "zlib", "tinyxml2",
                               "tinyobjloader", "GoogleTest", "Google Benchmark", "CMake", "the GNU toolchain",
                               "Linux"};

template <size_t N>
std::string nameLines(const char* const (&names)[N])
{
    std::string lines;
    for (const char* name : names)
        lines += std::string("`%") + name + "\n";
    return lines;
}

}

CreditScreen::CreditScreen()
{
    Node::init();
}

std::string CreditScreen::creditsText()
{
    std::string credits = "   `%The Tallowind developers present\n\n        `!TALLOWIND\n\n";
    for (const Role& role : kRoles)
        credits += roleLine(role) + "\n";
    credits += "\n`0testing:\n" + nameLines(kTesters);
    credits += "\n`!vocals:\n" + nameLines(kVoices);
    credits += "\n`!with thanks to:\n" + nameLines(kThanks) + "`7and\n`%you, for playing\n";
    credits += "\n`7Built with GLFW, SDL2, libpng, tinyxml2\n`7and tinyobjloader, on our own engine.\n";
    credits += "\n`7press `$e`7 to continue";
    return credits;
}

void CreditScreen::show()
{
    SoundEngine::getInstance()->muteAll();
    WeatherEngine::getInstance()->hideRain();
    clear();

    const Size& view = GameInterface::getInstance()->visibleSize;
    backdrop = LayerColor::create(Color4B(0, 0, 0, 255));
    backdrop->setAnchorPoint(Vec2::ZERO);
    backdrop->setPosition(Vec2::ZERO);
    addChild(backdrop);
    backdrop->setOpacity(0);
    backdrop->runAction(FadeIn::create(kBackdropFadeSeconds));

    text = UIText::create(-1, -1, creditsText());
    text->setAnchorPoint(Vec2(0.5f, 1.0f));
    text->setPosition(Vec2(view.width * 0.5f, 0.0f));
    addChild(text, kTextZ);
    const float top = text->getContentSize().height + view.height - kTopMargin;
    text->runAction(Sequence::create(DelayTime::create(kScrollDelay),
                                     MoveTo::create(kScrollSeconds, Vec2(view.width * 0.5f, top)), nullptr));

    musicHandle = SoundEngine::getInstance()->play(nullptr, false, "menu.mp3", 1.0f);
}

void CreditScreen::clear()
{
    if (text)
    {
        text->removeFromParent();
        text = nullptr;
    }
    if (backdrop)
    {
        backdrop->removeFromParent();
        backdrop = nullptr;
    }
    SoundEngine::getInstance()->stop(musicHandle);
    musicHandle = -1;
}

void CreditScreen::close()
{
    clear();
    SoundEngine::getInstance()->unmuteAll();
    WeatherEngine::getInstance()->showRain();
    GameInterface::getInstance()->state = GameState::Menu;
}
