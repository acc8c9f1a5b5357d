// Image decoding, headless texture sizes and the texture cache.
#include <fstream>
#include <gtest/gtest.h>

#include "DrawingTestFiles.h"
#include "cocos2d.h"

USING_NS_CC;

namespace {

class Textures : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.searchFirst();
    }
    void TearDown() override { TextureCache::getInstance()->removeAllTextures(); }

    DrawingTestFolder folder;
};

}

TEST_F(Textures, DecodesPngPixelsTopRowFirst)
{
    const std::string path = folder.writePng("quarters.png", 4, 2, [](int x, int y) {
        return DrawingRgba{static_cast<unsigned char>(x * 60), static_cast<unsigned char>(y * 200), 7, 128};
    });
    Image image;
    ASSERT_TRUE(image.initWithImageFile(path)) << image.getError();
    EXPECT_EQ(image.getFileType(), Image::Format::PNG);
    ASSERT_EQ(image.getWidth(), 4);
    ASSERT_EQ(image.getHeight(), 2);
    ASSERT_EQ(image.getDataLen(), 32u);
    const unsigned char* p = image.getData() + (1 * 4 + 3) * 4;  // x 3, y 1
    EXPECT_EQ(p[0], 180);
    EXPECT_EQ(p[1], 200);
    EXPECT_EQ(p[2], 7);
    EXPECT_EQ(p[3], 128);
}

TEST_F(Textures, DecodesJpegAndReadsSizesFromHeadersAlone)
{
    const std::string jpeg = folder.writeSolidJpeg("photo.jpg", 9, 5, {250, 10, 10, 255});
    Image image;
    ASSERT_TRUE(image.initWithImageFile(jpeg)) << image.getError();
    EXPECT_EQ(image.getFileType(), Image::Format::JPG);
    EXPECT_EQ(image.getWidth(), 9);
    EXPECT_EQ(image.getHeight(), 5);
    EXPECT_NEAR(image.getData()[0], 250, 4);
    EXPECT_EQ(image.getData()[3], 255);

    Image header;
    ASSERT_TRUE(header.initWithImageFile(folder.writeSolidPng("big.png", 300, 200, {1, 2, 3, 4}), true));
    EXPECT_EQ(header.getWidth(), 300);
    EXPECT_FALSE(header.hasPixels());

    Texture2D* texture = TextureCache::getInstance()->addImage("photo.jpg");
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(texture->getContentSize(), Size(9, 5));
    EXPECT_EQ(texture->getName(), 0u) << "no GL names without a context";
}

TEST_F(Textures, CorruptImagesAreRefusedWithAReason)
{
    const std::string png = folder.writeSolidPng("good.png", 16, 16, {1, 2, 3, 255});
    std::string bytes;
    {
        std::ifstream in(png, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    folder.write("cut.png", bytes.substr(0, bytes.size() / 2));
    folder.write("empty.png", "");
    folder.write("text.png", "hello");
    std::string jpeg = folder.writeSolidJpeg("good.jpg", 16, 16, {1, 2, 3, 255});
    {
        std::ifstream in(jpeg, std::ios::binary);
        bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    folder.write("cut.jpg", bytes.substr(0, 40));

    for (const char* name : {"cut.png", "empty.png", "text.png", "cut.jpg", "absent.png"}) {
        Image image;
        EXPECT_FALSE(image.initWithImageFile(folder.file(name))) << name;
        EXPECT_FALSE(image.getError().empty()) << name;
        EXPECT_EQ(image.getWidth(), 0) << name;
    }
    EXPECT_EQ(TextureCache::getInstance()->addImage("text.png"), nullptr);
    EXPECT_EQ(TextureCache::getInstance()->addImage("absent.png"), nullptr);
    EXPECT_EQ(TextureCache::getInstance()->getTextureCount(), 0u);
}

TEST_F(Textures, CacheKeepsOneTexturePerFile)
{
    folder.writeSolidPng("a.png", 2, 2, {0, 0, 0, 255});
    folder.writeSolidPng("b.png", 2, 2, {0, 0, 0, 255});
    TextureCache* cache = TextureCache::getInstance();
    Texture2D* a = cache->addImage("a.png");
    EXPECT_EQ(cache->addImage("a.png"), a);
    EXPECT_EQ(cache->addImage(folder.file("a.png")), a) << "a name and its full path are one file";
    EXPECT_NE(cache->addImage("b.png"), a);
    EXPECT_EQ(cache->getTextureForKey("a.png"), a);
    EXPECT_EQ(Director::getInstance()->getTextureCache(), cache);

    a->retain();
    cache->removeUnusedTextures();
    EXPECT_EQ(cache->getTextureCount(), 1u) << "b was held by nobody else";
    a->release();
}

TEST_F(Textures, ScreenshotPngRoundTrips)
{
    const unsigned char pixels[8] = {10, 20, 30, 255, 40, 50, 60, 255};
    Image image;
    ASSERT_TRUE(image.initWithRawData(pixels, 2, 1));
    ASSERT_TRUE(image.saveToFile(folder.file("shot.png")));
    Image back;
    ASSERT_TRUE(back.initWithImageFile(folder.file("shot.png")));
    EXPECT_EQ(std::vector<unsigned char>(back.getData(), back.getData() + 8),
              std::vector<unsigned char>(pixels, pixels + 8));
}
