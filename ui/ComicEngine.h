#pragma once
#include "app/Singleton.h"
#include "cocos2d.h"

#include <array>

class UIText;

// The comic-strip chapters between the intro and the menu: the pages of a
// part fade in one after another, a prompt comes up after the last, and a
// confirm key leaves the part. One node for the whole run; the singleton
// holds its own reference.
class ComicEngine : public cocos2d::Node, public Singleton<ComicEngine>
{
public:
    static constexpr int kMaxPages = 5;
    static constexpr float kTransitionSeconds = 2.0f;

    // Shows part 1 to 4 ("Prologue", "Part 1" to "Part 3").
    void show(int part);
    void showPrompt();
    // Fades the part out over the duration, then nextPage.
    void pageTransition(float duration);
    // Leaves the part: the intro goes on to the menu.
    void nextPage();
    // Removes every page and the prompt.
    void clear();

    // The pages a part has (0 for an unknown part).
    static int pageCount(int part);
    // When page i (from 0) starts to fade in, in seconds after the part begins.
    static float pageDelay(int page);
    static std::string pageFile(int part, char letter, int page);
    // The scale that fits a whole page into the view, centred with bars.
    static float fitScale(const cocos2d::Size& page, const cocos2d::Size& view);

    // The last page has appeared and the prompt is up.
    bool pageComplete = false;
    std::array<cocos2d::Sprite*, kMaxPages> pages{};
    UIText* prompt = nullptr;

private:
    friend class Singleton<ComicEngine>;
    ComicEngine();

    void setAmbientVolume(float volume);
};
