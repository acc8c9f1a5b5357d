// Sprite sheets read from property lists the test writes, and sprites built
// from their frames, all headless: sizes come from the image headers.
#include <gtest/gtest.h>

#include <climits>

#include "DrawingTestFiles.h"
#include "cocos2d.h"
#include "utils/PropertyList.h"

USING_NS_CC;

namespace {

std::string plist(const std::string& metadata, const std::string& frames)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" \"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\">\n<dict>\n<key>frames</key>\n<dict>\n" +
           frames + "</dict>\n<key>metadata</key>\n<dict>\n" + metadata + "</dict>\n</dict>\n</plist>\n";
}

class SpriteSheets : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.searchFirst();
        folder.writeSolidPng("sheet.png", 64, 32, {255, 255, 255, 255});
    }
    void TearDown() override
    {
        SpriteFrameCache::getInstance()->removeSpriteFrames();
        TextureCache::getInstance()->removeAllTextures();
        AutoreleasePool::getInstance()->clear();
    }

    DrawingTestFolder folder;
};

}

TEST_F(SpriteSheets, ReadsFormatTwoFramesWithTrimAndRotation)
{
    folder.write("walk.plist",
                     plist("<key>format</key><integer>2</integer>\n"
                           "<key>textureFileName</key><string>sheet.png</string>\n",
                           "<key>walk01.png</key><dict>\n"
                           "<key>frame</key><string>{{2,4},{10,12}}</string>\n"
                           "<key>offset</key><string>{1,-2}</string>\n"
                           "<key>rotated</key><false/>\n"
                           "<key>sourceColorRect</key><string>{{4,2},{10,12}}</string>\n"
                           "<key>sourceSize</key><string>{16,20}</string>\n"
                           "</dict>\n"
                           "<key>walk02.png</key><dict>\n"
                           "<key>frame</key><string>{{20,0},{8,6}}</string>\n"
                           "<key>offset</key><string>{0,0}</string>\n"
                           "<key>rotated</key><true/>\n"
                           "<key>sourceSize</key><string>{8,6}</string>\n"
                           "</dict>\n"));
    SpriteFrameCache::getInstance()->addSpriteFramesWithFile("walk.plist");

    SpriteFrame* first = SpriteFrameCache::getInstance()->getSpriteFrameByName("walk01.png");
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->getRect(), Rect(2, 4, 10, 12));
    EXPECT_EQ(first->getOffset(), Vec2(1, -2));
    EXPECT_EQ(first->getOriginalSize(), Size(16, 20));
    EXPECT_FALSE(first->isRotated());
    ASSERT_NE(first->getTexture(), nullptr);
    EXPECT_EQ(first->getTexture()->getContentSize(), Size(64, 32));

    SpriteFrame* second = SpriteFrameCache::getInstance()->getSpriteFrameByName("walk02.png");
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isRotated());
    EXPECT_EQ(second->getTexture(), first->getTexture()) << "one texture per sheet";
}

TEST_F(SpriteSheets, ReadsFormatsZeroAndThreeWithAliases)
{
    folder.write("old.plist", plist("<key>format</key><integer>0</integer>\n"
                                        "<key>textureFileName</key><string>sheet.png</string>\n",
                                        "<key>a.png</key><dict>\n"
                                        "<key>x</key><integer>3</integer><key>y</key><integer>5</integer>\n"
                                        "<key>width</key><integer>7</integer><key>height</key><integer>9</integer>\n"
                                        "<key>offsetX</key><real>0.5</real><key>offsetY</key><real>-1</real>\n"
                                        "<key>originalWidth</key><integer>-11</integer>\n"
                                        "<key>originalHeight</key><integer>13</integer>\n"
                                        "</dict>\n"));
    folder.write("new.plist", plist("<key>format</key><integer>3</integer>\n"
                                        "<key>textureFileName</key><string>sheet.png</string>\n",
                                        "<key>b.png</key><dict>\n"
                                        "<key>aliases</key><array><string>b_alias.png</string></array>\n"
                                        "<key>spriteOffset</key><string>{2,3}</string>\n"
                                        "<key>spriteSize</key><string>{6,4}</string>\n"
                                        "<key>spriteSourceSize</key><string>{10,8}</string>\n"
                                        "<key>textureRect</key><string>{{30,10},{6,4}}</string>\n"
                                        "<key>textureRotated</key><true/>\n"
                                        "</dict>\n"));
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    cache->addSpriteFramesWithFile("old.plist");
    cache->addSpriteFramesWithFile("new.plist");

    SpriteFrame* a = cache->getSpriteFrameByName("a.png");
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->getRect(), Rect(3, 5, 7, 9));
    EXPECT_EQ(a->getOffset(), Vec2(0.5f, -1));
    EXPECT_EQ(a->getOriginalSize(), Size(11, 13));

    SpriteFrame* b = cache->getSpriteFrameByName("b.png");
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->getRect(), Rect(30, 10, 6, 4));
    EXPECT_TRUE(b->isRotated());
    EXPECT_EQ(b->getOffset(), Vec2(2, 3));
    EXPECT_EQ(b->getOriginalSize(), Size(10, 8));
    EXPECT_EQ(cache->getSpriteFrameByName("b_alias.png"), b);
}

TEST_F(SpriteSheets, TextureDefaultsToTheSheetNameAndMissingFramesAreNull)
{
    folder.writeSolidPng("plain.png", 8, 8, {0, 0, 0, 255});
    folder.write("plain.plist", plist("<key>format</key><integer>1</integer>\n",
                                          "<key>x.png</key><dict><key>frame</key><string>{{0,0},{4,4}}</string>"
                                          "</dict>\n"));
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    cache->addSpriteFramesWithFile("plain.plist");
    ASSERT_NE(cache->getSpriteFrameByName("x.png"), nullptr);
    EXPECT_EQ(cache->getSpriteFrameByName("x.png")->getTexture()->getContentSize(), Size(8, 8));
    EXPECT_EQ(cache->getSpriteFrameByName("x.png")->getOriginalSize(), Size(4, 4));

    EXPECT_EQ(cache->getSpriteFrameByName("nothing.png"), nullptr);
    EXPECT_EQ(Sprite::createWithSpriteFrameName("nothing.png"), nullptr);
    Sprite* sprite = Sprite::createWithSpriteFrameName("x.png");
    ASSERT_NE(sprite, nullptr);
    sprite->setSpriteFrame("nothing.png");
    EXPECT_EQ(sprite->getContentSize(), Size(4, 4)) << "an unknown frame leaves the sprite as it was";
}

TEST_F(SpriteSheets, BrokenSheetsAreReportedAndLeaveTheCacheUsable)
{
    folder.write("cut.plist", "<plist><dict><key>frames</key><dict><key>a.png</key>");
    folder.write("badframe.plist",
                     plist("<key>format</key><integer>2</integer><key>textureFileName</key><string>sheet.png</string>",
                           "<key>bad.png</key><dict><key>frame</key><string>{{1,2}}</string></dict>\n"
                           "<key>good.png</key><dict><key>frame</key><string>{{1,2},{3,4}}</string></dict>\n"));
    folder.write("notexture.plist", plist("<key>format</key><integer>2</integer>"
                                              "<key>textureFileName</key><string>gone.png</string>",
                                              "<key>z.png</key><dict><key>frame</key>"
                                              "<string>{{1,2},{3,4}}</string></dict>\n"));
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    cache->addSpriteFramesWithFile("cut.plist");
    cache->addSpriteFramesWithFile("missing.plist");
    cache->addSpriteFramesWithFile("notexture.plist");
    cache->addSpriteFramesWithFile("badframe.plist");
    EXPECT_EQ(cache->getSpriteFrameCount(), 1u);
    EXPECT_EQ(cache->findSpriteFrame("bad.png"), nullptr);
    EXPECT_NE(cache->findSpriteFrame("good.png"), nullptr);
    EXPECT_EQ(cache->findSpriteFrame("z.png"), nullptr);
}

TEST_F(SpriteSheets, SpriteOfATrimmedFrameKeepsTheUntrimmedSize)
{
    folder.write("trim.plist", plist("<key>format</key><integer>2</integer>\n"
                                         "<key>textureFileName</key><string>sheet.png</string>\n",
                                         "<key>t.png</key><dict>\n"
                                         "<key>frame</key><string>{{0,0},{10,12}}</string>\n"
                                         "<key>offset</key><string>{1,-2}</string>\n"
                                         "<key>sourceSize</key><string>{16,20}</string>\n"
                                         "</dict>\n"));
    SpriteFrameCache::getInstance()->addSpriteFramesWithFile("trim.plist");
    Sprite* sprite = Sprite::createWithSpriteFrameName("t.png");
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->getContentSize(), Size(16, 20));
    // The kept 10 x 12 part sits centred, moved by the offset (1, -2).
    EXPECT_FLOAT_EQ(sprite->getQuad().bl.x, 4.0f);
    EXPECT_FLOAT_EQ(sprite->getQuad().bl.y, 2.0f);
    EXPECT_FLOAT_EQ(sprite->getQuad().tr.x, 14.0f);
    EXPECT_FLOAT_EQ(sprite->getQuad().tr.y, 14.0f);

    sprite->setFlippedX(true);
    EXPECT_FLOAT_EQ(sprite->getQuad().bl.x, 2.0f) << "flipping mirrors the trim offset";
    EXPECT_GT(sprite->getQuad().bl.u, sprite->getQuad().br.u) << "and the texture";
}

TEST_F(SpriteSheets, FramesWithNumbersThatAreNotFiniteAreSkipped)
{
    folder.write("nan.plist",
                 plist("<key>format</key><integer>2</integer><key>textureFileName</key><string>sheet.png</string>",
                       "<key>nan.png</key><dict><key>frame</key><string>{{2,3},{-nan,10}}</string></dict>\n"
                       "<key>inf.png</key><dict><key>frame</key><string>{{2,3},{4,10}}</string>"
                       "<key>offset</key><string>{+inf,0}</string></dict>\n"
                       "<key>good.png</key><dict><key>frame</key><string>{{1,2},{3,4}}</string></dict>\n"));
    folder.write("old.plist", plist("<key>format</key><integer>0</integer><key>textureFileName</key>"
                                    "<string>sheet.png</string>",
                                    "<key>wide.png</key><dict><key>width</key><string>inf</string>"
                                    "<key>height</key><integer>4</integer></dict>\n"
                                    "<key>tall.png</key><dict><key>width</key><integer>4</integer>"
                                    "<key>height</key><integer>4</integer>"
                                    "<key>originalHeight</key><real>nan</real></dict>\n"));
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    cache->addSpriteFramesWithFile("nan.plist");
    cache->addSpriteFramesWithFile("old.plist");
    EXPECT_EQ(cache->findSpriteFrame("nan.png"), nullptr);
    EXPECT_EQ(cache->findSpriteFrame("inf.png"), nullptr);
    EXPECT_EQ(cache->findSpriteFrame("wide.png"), nullptr);
    EXPECT_EQ(cache->findSpriteFrame("tall.png"), nullptr);
    ASSERT_NE(cache->findSpriteFrame("good.png"), nullptr);
    EXPECT_EQ(Sprite::createWithSpriteFrameName("good.png")->getContentSize(), Size(3, 4));
}

TEST_F(SpriteSheets, AFormatNumberOutOfRangeIsAnUnsupportedFormat)
{
    const std::string frame = "<key>f.png</key><dict><key>frame</key><string>{{1,2},{3,4}}</string></dict>\n";
    folder.write("inf.plist", plist("<key>format</key><real>inf</real><key>textureFileName</key>"
                                    "<string>sheet.png</string>",
                                    frame));
    folder.write("big.plist", plist("<key>format</key><integer>-1e300</integer><key>textureFileName</key>"
                                    "<string>sheet.png</string>",
                                    frame));
    SpriteFrameCache* cache = SpriteFrameCache::getInstance();
    cache->addSpriteFramesWithFile("inf.plist");
    cache->addSpriteFramesWithFile("big.plist");
    EXPECT_EQ(cache->findSpriteFrame("f.png"), nullptr) << "no sheet format is that large";

    PropertyList root;
    std::string error;
    ASSERT_TRUE(PropertyList::parse("<plist><array><integer>3e9</integer><real>-3e9</real><real>nan</real>"
                                    "<integer>12.7</integer></array></plist>",
                                    "numbers.plist", root, error));
    ASSERT_EQ(root.items().size(), 4u);
    EXPECT_EQ(root.items()[0].asInt(), INT_MAX);
    EXPECT_EQ(root.items()[1].asInt(), INT_MIN);
    EXPECT_EQ(root.items()[2].asInt(7), 7);
    EXPECT_EQ(root.items()[3].asInt(), 12);
}
