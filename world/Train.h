#pragma once
#include "cocos2d.h"

#include <cstdint>
#include <vector>

class GameObject;

// A passing train: a string of piece sprites that runs straight along one map
// column from one edge to the other at a fixed speed, then goes. The node's
// children are the main sprites of its pieces; the train owns the piece
// objects, which are never on the map's object lists.
class Train : public cocos2d::Node
{
public:
    static constexpr float kSpeed = 512.0f;
    static constexpr int kCarriages = 3;
    // Draw order of a train in the world node.
    static constexpr int kZOrder = 20;

    // A fully assembled train running at direction (0 north, 180 south)
    // toward the end point; the caller sets its position.
    Train(int direction, int carriages, cocos2d::Vec2 end);
    ~Train() override;

    void assemble(int carriages);
    void addPiece(int defId, int32_t& offset);
    // Moves the train; true once it has left (its front twice its length past
    // the end point). Not named update: the node's own update returns nothing.
    bool travel(float dt);

    // The game's train on the railway of map column column: three carriages,
    // running south from the top edge or north from the bottom edge at even
    // odds, added to the world node. Null when the map has no world node.
    static Train* spawnOnMap(int column);
    // One frame of the game's train: moves it and, once it has left, takes it
    // off the world node (which frees it). True when it has gone.
    static bool advance(Train* train, float dt);

    float trainLength = 0.0f;
    int32_t trainDirection = 0;
    cocos2d::Vec2 endPoint;
    std::vector<GameObject*> pieces;

private:
    // Keeps a piece out of the map's buckets and per-frame list: it moves with
    // the train's node, not through the map.
    static void keepOffMap(GameObject* piece);
};
