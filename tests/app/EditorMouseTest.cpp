// The mouse reaches the map editor through the driver: in the Edit state a
// left click paints, a left-button drag keeps painting and a right click looks
// elsewhere on the map; in any other state the editor hears nothing.
#include "app/ControllerInterface.h"
#include "app/GameCamera.h"
#include "world/MapEditorFixture.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

using cocos2d::Vec2;

namespace {

class EditorMouseTest : public MapEditorFixture
{
protected:
    void SetUp() override
    {
        MapEditorFixture::SetUp();
        oldController = driver->controller;
        controller = new ControllerInterface(false);
        driver->controller = controller;
        oldCamera = GameCamera::getInstance()->position;
        oldListener = SoundEngine::getInstance()->listener;
        editor->selectTileDef(kPavement);
        editor->setTool(EditorTool::PaintTile);
    }

    void TearDown() override
    {
        driver->controller = oldController;
        delete controller;
        GameCamera::getInstance()->position = oldCamera;
        SoundEngine::getInstance()->listener = oldListener;
        MapEditorFixture::TearDown();
    }

    // The point over a cell's centre as the controller hands it on: design
    // units from the bottom left (the window's events count from there).
    Vec2 mouseOver(int x, int y) const { return director->convertToGL(screenOfCell(x, y)); }

    int floorAt(int x, int y) const { return map->getTile(x, y)->floor->id; }

    ControllerInterface* controller = nullptr;
    ControllerInterface* oldController = nullptr;
    Vec2 oldCamera;
    Vec2 oldListener;
};

}

TEST_F(EditorMouseTest, ALeftClickPaintsTheCellUnderTheMouse)
{
    driver->onMouseClick(0, mouseOver(2, 3));
    EXPECT_EQ(floorAt(2, 3), kPavement);
    EXPECT_EQ(floorAt(2, 4), kAsphalt);
    EXPECT_EQ(floorAt(2, 2), kAsphalt);
}

TEST_F(EditorMouseTest, ADragWithTheLeftButtonHeldPaintsAlongTheWay)
{
    driver->onMouseMove(mouseOver(4, 1));
    EXPECT_EQ(floorAt(4, 1), kAsphalt) << "no button held: only the cursor moves";
    controller->mouseButtonDown[0] = 1;
    driver->onMouseMove(mouseOver(4, 1));
    driver->onMouseMove(mouseOver(5, 1));
    EXPECT_EQ(floorAt(4, 1), kPavement);
    EXPECT_EQ(floorAt(5, 1), kPavement);
    EXPECT_EQ(floorAt(6, 1), kAsphalt);
}

TEST_F(EditorMouseTest, ARightClickMovesTheViewAndListenerThereWithoutPainting)
{
    const Vec2 cellCentre(6 * 32.0f + 16.0f, 2 * 32.0f + 16.0f);
    driver->onMouseClick(1, mouseOver(6, 2));
    EXPECT_EQ(floorAt(6, 2), kAsphalt);
    EXPECT_NEAR(map->cameraPoint.x, cellCentre.x, 0.01f);
    EXPECT_NEAR(map->cameraPoint.y, cellCentre.y, 0.01f);
    EXPECT_NEAR(GameCamera::getInstance()->position.distance(cellCentre), 0.0f, 0.01f);
    EXPECT_NEAR(SoundEngine::getInstance()->listener.distance(cellCentre), 0.0f, 0.01f);
}

TEST_F(EditorMouseTest, OutsideTheEditStateTheEditorHearsNothing)
{
    const Vec2 cameraBefore = map->cameraPoint;
    driver->state = GameState::Playing;
    driver->onMouseClick(0, mouseOver(2, 3));
    driver->onMouseClick(1, mouseOver(6, 2));
    controller->mouseButtonDown[0] = 1;
    driver->onMouseMove(mouseOver(4, 1));
    driver->onEditorMouse(100.0f, 100.0f);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            ASSERT_EQ(floorAt(x, y), kAsphalt) << x << "," << y;
    EXPECT_EQ(map->cameraPoint, cameraBefore);
}

namespace {

// The start-up's request with TALLOWIND_EDITOR=1, then a later one; the
// problem found, or the empty answer.
std::string enterTwiceOnRequest(GameInterface* driver, MapEditor* editor)
{
    setenv("TALLOWIND_EDITOR", "1", 1);
    driver->state = GameState::Menu;
    editor->enterOnRequest();
    if (driver->state != GameState::Edit)
        return "the variable did not open the editor";
    // Asked again later in the run, the request is not repeated.
    driver->setState(GameState::Menu);
    editor->enterOnRequest();
    if (driver->state != GameState::Menu)
        return "the editor opened a second time";
    return std::string();
}

}

// In a process of its own: the request is answered once in a program's life.
TEST_F(EditorMouseTest, TheEditorVariableEntersTheEditStateOnceAtStart)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            const std::string problem = enterTwiceOnRequest(driver, editor);
            if (!problem.empty())
                std::fprintf(stderr, "%s\n", problem.c_str());
            std::fflush(nullptr);
            _exit(problem.empty() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(EditorMouseTest, WithoutTheEditorVariableTheGameStaysOutOfTheEditor)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            unsetenv("TALLOWIND_EDITOR");
            driver->state = GameState::Menu;
            editor->enterOnRequest();
            _exit(driver->state == GameState::Menu ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
