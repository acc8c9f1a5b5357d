#include "ui/UIText.h"

#include <cstdlib>

#include "app/GameInterface.h"
#include "app/SoundEngine.h"
#include "app/StringHelpers.h"
#include "ui/ColourPalette.h"
#include "ui/GlyphFrameTable.h"
#include "ui/TextMarkup.h"

USING_NS_CC;

namespace
{
// The node action that ends a reveal; a new reveal replaces a pending one so
// that its completion runs once.
const int kRevealFinishedTag = 0x7e17;

const float kBlinkHold = 0.4f;
const float kBlinkFade = 0.01f;
const float kRevealFade = 0.01f;
} // namespace

const Texture2D::TexParams UIText::kGlyphTexParams = {GL_NEAREST, GL_NEAREST, GL_CLAMP_TO_EDGE,
                                                      GL_CLAMP_TO_EDGE};

UIText* UIText::create(int width, int height, std::string initialText)
{
    auto* text = new UIText(width, height, std::move(initialText));
    text->autorelease();
    return text;
}

UIText::UIText(int width, int height, std::string initialText) : boxWidth(width), boxHeight(height)
{
    Node::init();
    loadFontAtlas();
    if (!initialText.empty())
        setText(false, false, initialText);
    fitHeightToLines();
    setContentSize(Size(static_cast<float>(boxWidth), static_cast<float>(boxHeight)));
    if (!text.empty())
        buildGlyphs(kShowAtOnce, 0.0f, 0.0f);
}

UIText::~UIText()
{
    // Glyph actions call back into this text; none may outlive it.
    for (Sprite* glyph : glyphs)
        glyph->stopAllActions();
}

void UIText::loadFontAtlas()
{
    static bool loaded = false;
    if (loaded)
        return;
    loaded = true;
    SpriteFrameCache::getInstance()->addSpriteFramesWithFile(GlyphFrameTable::kAtlasFile);
}

void UIText::setText(bool build, bool refit, std::string newText)
{
    glyphsDirty = true;
    text = std::move(newText);
    // The width is measured before the height is fitted, so that a text that
    // was empty when made wraps against its real width.
    if (boxWidth == -1 || refit)
        boxWidth = measureWidth(text);
    fitHeightToLines();
    setContentSize(Size(static_cast<float>(boxWidth), static_cast<float>(boxHeight)));
    if (build)
        buildGlyphs(kShowAtOnce, 0.0f, 0.0f);
}

void UIText::fitHeightToLines()
{
    if (boxHeight != -1)
        return;
    wrap();
    boxHeight = TextMarkup::kLineHeight * lineCount - 1;
}

void UIText::wrap()
{
    lines = TextMarkup::wrap(text, boxWidth);
    lineCount = static_cast<int>(lines.size());
}

void UIText::buildGlyphs(int mode, float interval, float startDelay)
{
    if (!glyphsDirty && mode != kShowAtOnce)
        return;
    removeGlyphs();
    wrap();
    float delay = startDelay;
    const float top = getContentSize().height - TextMarkup::kGlyphHeight;
    for (const TextMarkup::PlacedGlyph& placed : TextMarkup::placeGlyphs(lines)) {
        const float x = static_cast<float>(placed.column * TextMarkup::kGlyphAdvance);
        const float y = top - static_cast<float>(placed.line * TextMarkup::kLineHeight);
        Sprite* glyph = makeGlyph(placed.code, ColourPalette::colour(placed.paletteIndex), x, y);
        if (!glyph)
            continue;
        const bool blinks = placed.code == '#';
        if (mode == kTypewriter) {
            startReveal(glyph, blinks, delay);
            delay += interval;
        } else if (blinks) {
            startBlinking(glyph);
        }
    }
    if (delay > 0.0f) {
        stopActionByTag(kRevealFinishedTag);
        Action* finish = Sequence::create(DelayTime::create(delay),
                                          CallFunc::create([this]() { onRevealFinished(); }), nullptr);
        finish->setTag(kRevealFinishedTag);
        runAction(finish);
    }
    glyphsDirty = false;
}

Sprite* UIText::makeGlyph(char code, const Color3B& colour, float x, float y)
{
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    SpriteFrame* frame = cache->getSpriteFrameByName(GlyphFrameTable::frameName(static_cast<unsigned char>(code)));
    if (!frame)
        frame = cache->findSpriteFrame(GlyphFrameTable::kUnknownFrame);
    if (!frame)
        return nullptr;
    Sprite* glyph = Sprite::createWithSpriteFrame(frame);
    if (glyph->getTexture())
        glyph->getTexture()->setTexParameters(texParams);
    glyph->setAnchorPoint(Vec2::ZERO);
    glyph->setColor(colour);
    glyph->setPosition(x, y);
    glyphs.push_back(glyph);
    addChild(glyph);
    return glyph;
}

void UIText::startReveal(Sprite* glyph, bool blinks, float delay)
{
    glyph->setOpacity(0);
    Vector<FiniteTimeAction*> steps;
    if (delay > 0.0f) {
        steps.pushBack(DelayTime::create(delay));
        steps.pushBack(CallFunc::create([this]() { playTypingSound(); }));
    }
    steps.pushBack(FadeTo::create(kRevealFade, 255));
    // The blink starts once the glyph is in, as the last step of its reveal.
    if (blinks)
        steps.pushBack(CallFunc::create([glyph]() { startBlinking(glyph); }));
    glyph->runAction(Sequence::create(steps));
}

void UIText::startBlinking(Sprite* glyph)
{
    glyph->runAction(RepeatForever::create(Sequence::create(DelayTime::create(kBlinkHold),
                                                            FadeOut::create(kBlinkFade),
                                                            DelayTime::create(kBlinkHold),
                                                            FadeIn::create(kBlinkFade), nullptr)));
}

void UIText::fadeOut(float duration, Ref* target, SEL_CallFunc selector)
{
    for (auto it = glyphs.rbegin(); it != glyphs.rend(); ++it)
        (*it)->runAction(FadeOut::create(duration));
    if (target && selector)
        runAction(Sequence::create(DelayTime::create(duration), CallFunc::create(target, selector), nullptr));
}

void UIText::setOpacity(GLubyte opacity)
{
    for (Sprite* glyph : glyphs)
        glyph->setOpacity(opacity);
}

void UIText::cleanup()
{
    removeGlyphs();
    Node::cleanup();
}

void UIText::removeGlyphs()
{
    for (Sprite* glyph : glyphs)
        glyph->removeFromParentAndCleanup(true);
    glyphs.clear();
}

void UIText::playTypingSound()
{
    if (!typingSoundEnabled)
        return;
    // Reveals under the white full-screen fade stay silent.
    const LayerColor* fade = GameInterface::getInstance()->flashOverlay;
    if (fade && fade->isVisible())
        return;
    emitTypingTick(formatString("typing_%d.wav", rand() % 3 + 1));
}

void UIText::emitTypingTick(const std::string& soundName)
{
    SoundEngine::getInstance()->play(nullptr, false, soundName, 1.0f);
}

void UIText::onRevealFinished()
{
    if (completionTarget && completionSelector)
        runAction(CallFunc::create(completionTarget, completionSelector));
}

int UIText::measureWidth(const std::string& text)
{
    return TextMarkup::measureWidth(text);
}

Color3B UIText::colourForCode(char code)
{
    return ColourPalette::colour(TextMarkup::paletteIndexForCode(code));
}

bool UIText::startsWithSpace(const std::string& text)
{
    return TextMarkup::startsWithSpace(text);
}

bool UIText::endsWithSpace(const std::string& text)
{
    return TextMarkup::endsWithSpace(text);
}

bool UIText::isBlank(const std::string& text)
{
    return TextMarkup::isBlank(text);
}
