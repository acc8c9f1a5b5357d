#pragma once

#include <memory>
#include <string>
#include <vector>

#include "world/DataFileProblem.h"

class ObjectDef;
class TileDef;
class WeaponDef;

// One line of animations.txt, parsed but not yet attached to its object.
struct AnimationLine {
    int line = 0;
    int objectId = -1;
    int animationId = -1;
    std::string prefix;
    int frameCount = 0;
    float duration = 0.0f;
    int mode = 0;
};

// A line of a text data file with its number in the file (from 1).
struct DataLine {
    int number = 0;
    std::string text;
};

// Parses the text data files (objects, tiles, weapons, animations) into
// records. Never touches the engine; a bad line is reported with its file
// name and line number and skipped.
class DataFileReader {
public:
    explicit DataFileReader(std::string fileName);

    // The kept lines of a text: leading blanks and tabs removed, a trailing
    // carriage return removed, empty lines and '#' comment lines dropped.
    static std::vector<DataLine> splitLines(const std::string& text);
    // atoi without overflow: leading blanks, a sign, digits; 0 when there are
    // none; clamped to the range of int.
    static int parseInt(const std::string& text);
    static float parseFloat(const std::string& text);

    std::vector<std::unique_ptr<ObjectDef>> readObjects(const std::string& text);
    std::vector<std::unique_ptr<TileDef>> readTiles(const std::string& text);
    std::vector<std::unique_ptr<WeaponDef>> readWeapons(const std::string& text);
    std::vector<AnimationLine> readAnimations(const std::string& text);

    const std::vector<DataFileProblem>& problems() const { return problems_; }
    // The line that opened each record returned so far, in the same order.
    const std::vector<int>& recordLines() const { return recordLines_; }
    void noteRecordLine(int line) { recordLines_.push_back(line); }
    void report(int line, const std::string& message,
                DataFileProblem::Severity severity = DataFileProblem::Error);

private:
    std::string fileName_;
    std::vector<DataFileProblem> problems_;
    std::vector<int> recordLines_;
};
