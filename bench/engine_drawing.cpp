// 5,000 sprites of one sprite-sheet texture: the CPU time of visiting the
// scene graph and batching the quads for one frame, and the draw calls the
// renderer makes for it (reported as the counter "draw_calls").
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <png.h>
#include <vector>

#include "cocos2d.h"

USING_NS_CC;

namespace {

const int SPRITES = 5000;
const int FRAMES = 64;  // 8 x 8 frames of 16 x 16 pixels

std::string writeAtlas()
{
    const std::string folder = std::filesystem::temp_directory_path().string() + "/tw_bench_drawing";
    std::filesystem::create_directories(folder);
    const std::string path = folder + "/atlas.png";
    std::vector<unsigned char> pixels(128 * 128 * 4, 255);
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = 128;
    image.height = 128;
    image.format = PNG_FORMAT_RGBA;
    png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), 0, nullptr);
    png_image_free(&image);
    return path;
}

class SpriteField
{
public:
    SpriteField()
    {
        Texture2D* atlas = TextureCache::getInstance()->addImage(writeAtlas());
        root = Node::create();
        root->retain();
        // A world node with rows of children, as the city's tiles hang under it.
        Node* world = Node::create();
        world->setPosition(Vec2(-300, -200));
        root->addChild(world);
        for (int i = 0; i < SPRITES; ++i) {
            const int frame = i % FRAMES;
            Sprite* sprite = Sprite::createWithSpriteFrame(SpriteFrame::createWithTexture(
                atlas, Rect(float(frame % 8 * 16), float(frame / 8 * 16), 16, 16)));
            sprite->setPosition(Vec2(float(i % 100 * 16), float(i / 100 * 16)));
            sprite->setRotation(float(i % 4 * 90));
            world->addChild(sprite, i % 3);
        }
        AutoreleasePool::getInstance()->clear();
    }
    ~SpriteField() { root->release(); }

    Node* root = nullptr;
};

void BM_VisitAndBatch5000Sprites(benchmark::State& state)
{
    SpriteField field;
    Renderer renderer;
    for (auto _ : state) {
        renderer.clear();
        field.root->visit(&renderer, Mat4::IDENTITY, 0);
        renderer.render();
        benchmark::DoNotOptimize(renderer.getDrawnQuads());
    }
    state.counters["draw_calls"] = double(renderer.getDrawnBatches());
    state.counters["quads"] = double(renderer.getDrawnQuads());
}

}

BENCHMARK(BM_VisitAndBatch5000Sprites)->Unit(benchmark::kMillisecond);
