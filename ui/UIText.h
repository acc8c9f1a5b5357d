#pragma once
#include <string>
#include <vector>

#include "cocos2d.h"

// Every text the game puts on screen: a node that draws its string in the
// monospaced bitmap font of "dosfont.plist", one sprite per visible
// character, with the backquote colour mark-up of TextMarkup. It wraps to its
// box width, can fit its box to the text, reveal itself like a typewriter with
// typing ticks, blinks every '#' and can fade out and then call back.
class UIText : public cocos2d::Node
{
public:
    // Reveal modes of buildGlyphs.
    static constexpr int kShowAtOnce = 0;
    static constexpr int kTypewriter = 1;

    // width and height in pixels; -1 for either fits it to the text.
    static UIText* create(int width, int height, std::string text);
    ~UIText() override;

    // Replaces the text. build makes the glyphs at once without a reveal;
    // refit measures the width again even when it is set.
    void setText(bool build, bool refit, std::string text);

    // Makes the glyph sprites. kShowAtOnce shows them at once (always
    // rebuilding); kTypewriter reveals one glyph every interval seconds after
    // startDelay, and does nothing unless the text changed since the last build.
    void buildGlyphs(int mode, float interval, float startDelay);

    // Fades every glyph out over duration, then calls selector on target when
    // a target is given.
    void fadeOut(float duration, cocos2d::Ref* target, cocos2d::SEL_CallFunc selector);

    // Sets the opacity of every glyph; the node's own opacity is left alone.
    void setOpacity(GLubyte opacity) override;

    // Removes the glyphs and stops this node's actions and schedules, so that
    // a text taken off the screen never calls back afterwards.
    void cleanup() override;

    // Fills lines and lineCount from text and boxWidth.
    void wrap();

    // One typing tick, unless ticks are off or the full-screen fade is up.
    void playTypingSound();
    // The end of a reveal: runs the completion callback when one is set.
    void onRevealFinished();

    static int measureWidth(const std::string& text);
    static cocos2d::Color3B colourForCode(char code);
    static bool startsWithSpace(const std::string& text);
    static bool endsWithSpace(const std::string& text);
    static bool isBlank(const std::string& text);

    // The glyph texture parameters: nearest filtering, clamped edges.
    static const cocos2d::Texture2D::TexParams kGlyphTexParams;

    bool typingSoundEnabled = true;
    bool glyphsDirty = true;
    // Called when a reveal ends; owners set and clear these directly.
    cocos2d::Ref* completionTarget = nullptr;
    cocos2d::SEL_CallFunc completionSelector = nullptr;
    int boxWidth;
    int boxHeight;
    int lineCount = 0;
    cocos2d::Texture2D::TexParams texParams = kGlyphTexParams;
    std::string text;
    std::vector<std::string> lines;
    std::vector<cocos2d::Sprite*> glyphs;

protected:
    UIText(int width, int height, std::string text);

    // Plays one tick sound; playTypingSound has already decided it is heard.
    virtual void emitTypingTick(const std::string& soundName);

private:
    static void loadFontAtlas();
    void fitHeightToLines();
    void removeGlyphs();
    cocos2d::Sprite* makeGlyph(char code, const cocos2d::Color3B& colour, float x, float y);
    void startReveal(cocos2d::Sprite* glyph, bool blinks, float delay);
    static void startBlinking(cocos2d::Sprite* glyph);
};
