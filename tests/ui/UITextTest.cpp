#include <gtest/gtest.h>

#include "UIFixture.h"
#include "app/GameInterface.h"
#include "ui/ColourPalette.h"
#include "ui/GlyphFrameTable.h"
#include "ui/UIText.h"

USING_NS_CC;

namespace
{
// A text that counts its typing ticks instead of playing them.
class TickCountingText : public UIText
{
public:
    static TickCountingText* create(int width, int height, std::string text)
    {
        auto* t = new TickCountingText(width, height, std::move(text));
        t->autorelease();
        return t;
    }
    std::vector<std::string> ticks;

protected:
    using UIText::UIText;
    void emitTypingTick(const std::string& soundName) override { ticks.push_back(soundName); }
};

bool sameColour(const Color3B& a, const Color3B& b)
{
    return a == b;
}
} // namespace

class UITextTest : public UIFixture
{
protected:
    template <typename T = UIText>
    T* make(int width, int height, const std::string& text)
    {
        T* t = T::create(width, height, text);
        scene->addChild(t);
        return t;
    }
};

TEST_F(UITextTest, BuildsOneColouredSpritePerVisibleCharacter)
{
    UIText* t = make(-1, -1, "`9cops`7:\n");
    EXPECT_EQ(t->boxWidth, 29);
    EXPECT_EQ(t->lineCount, 1);
    EXPECT_EQ(t->boxHeight, 8);
    EXPECT_EQ(t->getContentSize(), Size(29, 8));
    ASSERT_EQ(t->glyphs.size(), 5u);
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(sameColour(t->glyphs[i]->getColor(), Color3B(86, 84, 252)));
        EXPECT_EQ(t->glyphs[i]->getPosition(), Vec2(6.0f * i, 0));
        EXPECT_EQ(t->glyphs[i]->getParent(), t);
    }
    EXPECT_TRUE(sameColour(t->glyphs[4]->getColor(), Color3B(170, 170, 170)));
    EXPECT_EQ(t->glyphs[4]->getAnchorPoint(), Vec2::ZERO);
    const auto& params = t->glyphs[0]->getTexture()->getTexParameters();
    EXPECT_EQ(params.minFilter, static_cast<GLuint>(GL_NEAREST));
    EXPECT_EQ(params.wrapS, static_cast<GLuint>(GL_CLAMP_TO_EDGE));
}

TEST_F(UITextTest, LinesStackFromTheTopAndSpacesMakeNoSprite)
{
    UIText* t = make(64, -1, "Not Spawned\n`bx");
    EXPECT_EQ(t->lineCount, 3);
    EXPECT_EQ(t->boxHeight, 26);
    ASSERT_EQ(t->glyphs.size(), 11u);
    EXPECT_EQ(t->glyphs[0]->getPosition(), Vec2(0, 18));
    EXPECT_EQ(t->glyphs[3]->getPosition(), Vec2(0, 9));
    EXPECT_EQ(t->glyphs[10]->getPosition(), Vec2(0, 0));
    EXPECT_TRUE(sameColour(t->glyphs[10]->getColor(), ColourPalette::colour(0)));
}

TEST_F(UITextTest, EmptyTextHasNoGlyphsAndAutomaticSizes)
{
    UIText* t = make(-1, -1, "");
    EXPECT_EQ(t->boxWidth, -1);
    EXPECT_EQ(t->boxHeight, -1);
    EXPECT_TRUE(t->glyphs.empty());
    // The first non-empty text fits both, the width first.
    t->setText(true, false, "Select Character [`$a`7/`$d`7]");
    EXPECT_EQ(t->boxWidth, 131);
    EXPECT_EQ(t->lineCount, 1);
    EXPECT_EQ(t->boxHeight, 8);
    // The height fit is one-time.
    t->setText(true, false, "one\ntwo");
    EXPECT_EQ(t->boxHeight, 8);
}

TEST_F(UITextTest, SetTextKeepsOldSpritesUntilBuilt)
{
    UIText* t = make(200, -1, "abc");
    const Sprite* first = t->glyphs[0];
    t->setText(false, false, "xy");
    EXPECT_TRUE(t->glyphsDirty);
    EXPECT_EQ(t->glyphs.size(), 3u);
    EXPECT_EQ(t->glyphs[0], first);
    EXPECT_EQ(t->boxWidth, 200);
    t->setText(true, true, "xy");
    EXPECT_FALSE(t->glyphsDirty);
    EXPECT_EQ(t->glyphs.size(), 2u);
    EXPECT_EQ(t->boxWidth, 11);
}

TEST_F(UITextTest, UnknownCharactersDrawTheUnknownGlyph)
{
    UIText* t = make(-1, -1, "?\x01");
    ASSERT_EQ(t->glyphs.size(), 2u);
    SpriteFrame* unknown = SpriteFrameCache::getInstance()->findSpriteFrame("CHAR_unknown.png");
    SpriteFrame* tracker = SpriteFrameCache::getInstance()->findSpriteFrame("CHAR_tracker.png");
    EXPECT_EQ(t->glyphs[0]->getTextureRect(), unknown->getRect());
    EXPECT_EQ(t->glyphs[1]->getTextureRect(), tracker->getRect());
}

TEST_F(UITextTest, TypewriterRevealTimingTicksAndCompletion)
{
    auto* t = make<TickCountingText>(-1, -1, "");
    CallCounter* done = new CallCounter();
    t->completionTarget = done;
    t->completionSelector = callfunc_selector(CallCounter::hit);
    t->setText(false, false, "abcdefghij");
    t->buildGlyphs(UIText::kTypewriter, 0.05f, 0.0f);
    ASSERT_EQ(t->glyphs.size(), 10u);
    for (Sprite* glyph : t->glyphs)
        EXPECT_EQ(glyph->getOpacity(), 0);

    advance(0.02f);
    EXPECT_EQ(t->glyphs[0]->getOpacity(), 255);
    EXPECT_EQ(t->glyphs[1]->getOpacity(), 0);
    EXPECT_TRUE(t->ticks.empty()); // the first glyph comes without a tick

    advance(0.41f); // 0.43 s
    EXPECT_EQ(t->glyphs[8]->getOpacity(), 255);
    EXPECT_EQ(t->glyphs[9]->getOpacity(), 0);
    advance(0.04f); // 0.47 s
    EXPECT_EQ(t->glyphs[9]->getOpacity(), 255);
    EXPECT_EQ(t->ticks.size(), 9u);
    for (const std::string& tick : t->ticks)
        EXPECT_TRUE(tick == "typing_1.wav" || tick == "typing_2.wav" || tick == "typing_3.wav") << tick;
    EXPECT_EQ(done->count, 0);

    advance(0.06f); // 0.53 s: the completion has run, once
    EXPECT_EQ(done->count, 1);
    advance(1.0f);
    EXPECT_EQ(done->count, 1);
    done->release();
}

TEST_F(UITextTest, StartDelayHoldsEveryGlyphAndTicksTheFirst)
{
    auto* t = make<TickCountingText>(-1, -1, "");
    t->setText(false, false, "ab");
    t->buildGlyphs(UIText::kTypewriter, 0.025f, 0.5f);
    advance(0.49f);
    EXPECT_EQ(t->glyphs[0]->getOpacity(), 0);
    advance(0.03f);
    EXPECT_EQ(t->glyphs[0]->getOpacity(), 255);
    EXPECT_EQ(t->ticks.size(), 1u);
}

TEST_F(UITextTest, SecondTypewriterBuildWithoutNewTextDoesNothing)
{
    UIText* t = make(-1, -1, "");
    t->setText(false, false, "abc");
    t->buildGlyphs(UIText::kTypewriter, 0.05f, 0.0f);
    const std::vector<Sprite*> before = t->glyphs;
    t->buildGlyphs(UIText::kTypewriter, 0.05f, 0.0f);
    EXPECT_EQ(t->glyphs, before);
    // Showing at once always rebuilds.
    t->buildGlyphs(UIText::kShowAtOnce, 0.0f, 0.0f);
    EXPECT_NE(t->glyphs[0], before[0]);
}

TEST_F(UITextTest, RestartedRevealCompletesOnce)
{
    UIText* t = make(-1, -1, "");
    CallCounter* done = new CallCounter();
    t->completionTarget = done;
    t->completionSelector = callfunc_selector(CallCounter::hit);
    t->setText(false, false, "abcd");
    t->buildGlyphs(UIText::kTypewriter, 0.1f, 0.0f);
    advance(0.2f);
    t->setText(false, false, "efgh");
    t->buildGlyphs(UIText::kTypewriter, 0.1f, 0.0f);
    advance(1.0f);
    EXPECT_EQ(done->count, 1);
    done->release();
}

TEST_F(UITextTest, RemovedTextNeverCallsBack)
{
    UIText* t = make(-1, -1, "");
    CallCounter* done = new CallCounter();
    t->completionTarget = done;
    t->completionSelector = callfunc_selector(CallCounter::hit);
    t->setText(false, false, "abcd");
    t->buildGlyphs(UIText::kTypewriter, 0.1f, 0.0f);
    t->fadeOut(0.2f, done, callfunc_selector(CallCounter::hit));
    advance(0.1f);
    t->removeFromParentAndCleanup(true);
    advance(1.0f);
    EXPECT_EQ(done->count, 0);
    done->release();
}

TEST_F(UITextTest, HashGlyphsBlinkAfterTheirReveal)
{
    UIText* t = make(-1, -1, "");
    t->setText(false, false, "ab#");
    t->buildGlyphs(UIText::kTypewriter, 1.0f, 0.0f); // '#' comes in at 2.0 s
    Sprite* hash = t->glyphs[2];
    advance(0.9f); // a blink running from the start would show it now
    EXPECT_EQ(hash->getOpacity(), 0);
    advance(0.6f);
    EXPECT_EQ(hash->getOpacity(), 0);
    advance(0.6f); // 2.1 s: in and holding
    EXPECT_EQ(hash->getOpacity(), 255);
    advance(0.35f); // 2.45 s: blinked out
    EXPECT_EQ(hash->getOpacity(), 0);
    advance(0.4f); // 2.85 s: back
    EXPECT_EQ(hash->getOpacity(), 255);
    EXPECT_EQ(t->glyphs[0]->getOpacity(), 255);
}

TEST_F(UITextTest, HashGlyphsBlinkWhenShownAtOnce)
{
    UIText* t = make(-1, -1, "a#");
    advance(0.2f);
    EXPECT_EQ(t->glyphs[1]->getOpacity(), 255);
    advance(0.25f);
    EXPECT_EQ(t->glyphs[1]->getOpacity(), 0);
    EXPECT_EQ(t->glyphs[0]->getOpacity(), 255);
}

TEST_F(UITextTest, FadeOutFadesEveryGlyphThenCallsBack)
{
    UIText* t = make(-1, -1, "fade me");
    CallCounter* done = new CallCounter();
    t->fadeOut(0.5f, done, callfunc_selector(CallCounter::hit));
    advance(0.25f);
    EXPECT_GT(t->glyphs[0]->getOpacity(), 0);
    EXPECT_LT(t->glyphs[0]->getOpacity(), 255);
    advance(0.3f);
    for (Sprite* glyph : t->glyphs)
        EXPECT_EQ(glyph->getOpacity(), 0);
    EXPECT_EQ(done->count, 1);
    advance(1.0f);
    EXPECT_EQ(done->count, 1);
    done->release();
}

TEST_F(UITextTest, OpacityReachesGlyphsOnly)
{
    UIText* t = make(-1, -1, "abc");
    t->setOpacity(100);
    for (Sprite* glyph : t->glyphs)
        EXPECT_EQ(glyph->getOpacity(), 100);
    EXPECT_EQ(t->Node::getOpacity(), 255);
}

TEST_F(UITextTest, TicksAreSilentWhenOffOrUnderTheFade)
{
    auto* t = make<TickCountingText>(-1, -1, "a");
    t->playTypingSound();
    EXPECT_EQ(t->ticks.size(), 1u);

    t->typingSoundEnabled = false;
    t->playTypingSound();
    EXPECT_EQ(t->ticks.size(), 1u);
    t->typingSoundEnabled = true;

    GameInterface* game = GameInterface::getInstance();
    LayerColor* fade = LayerColor::create(Color4B(255, 255, 255, 255));
    fade->retain();
    LayerColor* previous = game->flashOverlay;
    game->flashOverlay = fade;
    t->playTypingSound();
    EXPECT_EQ(t->ticks.size(), 1u);
    fade->setVisible(false);
    t->playTypingSound();
    EXPECT_EQ(t->ticks.size(), 2u);
    game->flashOverlay = previous;
    fade->release();
}

TEST_F(UITextTest, EveryGlyphOfTheTableIsInTheAtlas)
{
    make(-1, -1, "a");
    for (int code = 0; code < 128; ++code) {
        const std::string name = GlyphFrameTable::frameName(static_cast<unsigned char>(code));
        EXPECT_NE(SpriteFrameCache::getInstance()->findSpriteFrame(name), nullptr) << name;
    }
}
