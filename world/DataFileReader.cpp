#include "world/DataFileReader.h"

#include <cctype>
#include <climits>
#include <cstdlib>

#include "world/AnimationDef.h"
#include "world/ObjectDef.h"
#include "world/TileDef.h"
#include "world/WeaponDef.h"

namespace {

// Pieces of a text split at a separator: every separator closes a piece (even
// an empty one); a last piece is kept only when it is not empty. The same rule
// as splitString, kept here so that the readers build on their own (the
// fuzzers link nothing of the game but them).
std::vector<std::string> splitAt(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : text) {
        if (c == separator) {
            pieces.push_back(piece);
            piece.clear();
        } else {
            piece += c;
        }
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

// How a key line acts on a record: returns an empty text when the value was
// taken, else what is wrong with it.
template <class Record>
using Apply = std::string (*)(Record&, const std::string&);

template <class Record>
struct KeyRule {
    const char* key;
    bool needsValue;
    Apply<Record> apply;
    bool matchesPrefix = false;  // any key beginning with it matches
};

#define FLAG(Record, field) {#field, false, [](Record& r, const std::string&) { r.field = true; return std::string(); }}
#define INT(Record, field) {#field, true, [](Record& r, const std::string& v) { r.field = DataFileReader::parseInt(v); return std::string(); }}
#define FLOAT(Record, field) {#field, true, [](Record& r, const std::string& v) { r.field = DataFileReader::parseFloat(v); return std::string(); }}
#define TEXT(Record, field) {#field, true, [](Record& r, const std::string& v) { r.field = v; return std::string(); }}

std::string appendFile(bool stored, int limit)
{
    return stored ? std::string() : "more than " + std::to_string(limit) + " file names; this one is dropped";
}

std::string setEmit(ObjectDef& def, const std::string& value)
{
    if (value == "steam")
        def.emit = 1;
    else if (value == "smoke")
        def.emit = 2;
    else
        return "unknown emit \"" + value + "\" (steam or smoke)";
    return std::string();
}

std::string setDamageType(ObjectDef& def, const std::string& value)
{
    static const char* const kinds[] = {"blaster", "rifle", "buckshot", "maverick"};
    for (int i = 0; i < 4; ++i) {
        if (value == kinds[i]) {
            def.damagetype = i;
            return std::string();
        }
    }
    return "unknown damagetype \"" + value + "\" (blaster, rifle, buckshot or maverick)";
}

std::string setRect(ObjectDef& def, const std::string& value)
{
    const std::vector<std::string> pieces = splitAt(value, 'x');
    if (value.find('x') == std::string::npos || pieces.size() < 2)
        return "rect \"" + value + "\" is not width x height (like 24x16)";
    def.size = cocos2d::Vec2(static_cast<float>(DataFileReader::parseInt(pieces[0])),
                             static_cast<float>(DataFileReader::parseInt(pieces[1])));
    def.shape = 1;
    return std::string();
}

std::string setCirc(ObjectDef& def, const std::string& value)
{
    def.size.x = static_cast<float>(DataFileReader::parseInt(value));
    def.shape = 0;
    return std::string();
}

const KeyRule<ObjectDef> kObjectRules[] = {
    INT(ObjectDef, id),
    {"nonpassable", false, [](ObjectDef& d, const std::string&) { d.passable = false; return std::string(); }},
    TEXT(ObjectDef, under),
    TEXT(ObjectDef, over),
    FLAG(ObjectDef, animated),
    FLAG(ObjectDef, mob),
    INT(ObjectDef, weapon),
    FLAG(ObjectDef, ammo),
    FLAG(ObjectDef, cancarrybody),
    FLAG(ObjectDef, effect),
    FLAG(ObjectDef, humanwaste),
    FLAG(ObjectDef, transient),
    FLAG(ObjectDef, dontshowrotation),
    FLAG(ObjectDef, decal),
    {"opacity", true, [](ObjectDef& d, const std::string& v) {
         d.opacity = static_cast<uint16_t>(DataFileReader::parseInt(v));
         return std::string();
     }},
    FLAG(ObjectDef, high),
    FLAG(ObjectDef, garbage),
    TEXT(ObjectDef, name),
    FLAG(ObjectDef, canpickup),
    FLAG(ObjectDef, contraband),
    {"emit", true, setEmit},
    {"rect", true, setRect},
    {"circ", true, setCirc},
    {"filename", true, [](ObjectDef& d, const std::string& v) { return appendFile(d.addFile(v), ObjectDef::kMaxFiles); }},
    FLOAT(ObjectDef, damage),
    {"damagetype", true, setDamageType},
    TEXT(ObjectDef, sound),
    FLAG(ObjectDef, camera),
    FLAG(ObjectDef, vendingmachine),
    FLOAT(ObjectDef, zposoffset),
    INT(ObjectDef, explosive),
    {"model", true, [](ObjectDef& d, const std::string& v) { d.model = v; d.hasModel = true; return std::string(); }},
    FLAG(ObjectDef, light),
    FLAG(ObjectDef, rotate90),
    FLAG(ObjectDef, locktotile),
    FLAG(ObjectDef, hackbox),
    INT(ObjectDef, fine),
    FLAG(ObjectDef, ismoney),
    FLAG(ObjectDef, islure),
    FLOAT(ObjectDef, despawn),
    INT(ObjectDef, despawnasobject),
    FLAG(ObjectDef, isflashbang),
    INT(ObjectDef, spawnanimation),
    TEXT(ObjectDef, hudfilename),
    FLAG(ObjectDef, floats),
    FLAG(ObjectDef, exit),
};

// The texture sets of a modular building tile, in the order its cells'
// texture index counts them.
const char* const kModularTemplates[] = {
    "Building_A_Tex_Bright_", "Building_A_Tex_Medium_", "Building_A_Tex_Dark_",
    "Building_B_Tex_Bright_", "Building_B_Tex_Medium_", "Building_B_Tex_Dark_",
    "Building_C_Tex_Bright_", "Building_C_Tex_Medium_", "Building_C_Tex_Dark_",
    "BuildingShit_A_Tex_", "Neon_A_Tex_", "Neon_B_Tex_", "Neon_C_Tex_",
    "Building_A_Lights_Tex_Bright_", "Building_A_Lights_Tex_Medium_", "Building_A_Lights_Tex_Dark_",
    "Building_B_Lights_Tex_Bright_", "Building_B_Lights_Tex_Medium_", "Building_B_Lights_Tex_Dark_",
    "Building_C_Lights_Tex_Bright_", "Building_C_Lights_Tex_Medium_", "Building_C_Lights_Tex_Dark_",
    "BuildingShit_A_Lights_Tex_",
};
constexpr int kModularCount = sizeof(kModularTemplates) / sizeof(kModularTemplates[0]);

std::string addModularFiles(TileDef& def, const std::string& value)
{
    if (def.fileCount + kModularCount > TileDef::kMaxFiles)
        return "modularfiles would take the tile past " + std::to_string(TileDef::kMaxFiles) +
               " file names; none are added";
    for (const char* prefix : kModularTemplates)
        def.addFile(prefix + value + ".png");
    return std::string();
}

const KeyRule<TileDef> kTileRules[] = {
    INT(TileDef, id),
    INT(TileDef, height),
    INT(TileDef, cost),
    {"filename", true, [](TileDef& d, const std::string& v) { return appendFile(d.addFile(v), TileDef::kMaxFiles); }},
    {"modularfiles", true, addModularFiles},
    FLAG(TileDef, north_blocked),
    FLAG(TileDef, south_blocked),
    FLAG(TileDef, west_blocked),
    FLAG(TileDef, east_blocked),
    FLAG(TileDef, npcs_only),
    FLAG(TileDef, water),
    {"animateframes", true, [](TileDef& d, const std::string& v) { d.animateframes = DataFileReader::parseInt(v); return std::string(); }, true},
    {"model", true, [](TileDef& d, const std::string& v) { d.model = v; d.hasModel = true; return std::string(); }, true},
    TEXT(TileDef, name),
};

const KeyRule<WeaponDef> kWeaponRules[] = {
    INT(WeaponDef, id),
    TEXT(WeaponDef, name),
    TEXT(WeaponDef, sound),
    TEXT(WeaponDef, raise),
    TEXT(WeaponDef, lower),
    INT(WeaponDef, cost),
    TEXT(WeaponDef, filename),
    FLAG(WeaponDef, hideable),
    FLOAT(WeaponDef, reloadtime),
    FLOAT(WeaponDef, range),
    INT(WeaponDef, projectileclass),
    FLOAT(WeaponDef, projectilespeed),
    FLOAT(WeaponDef, projectilemaxrange),
    FLOAT(WeaponDef, maxrange),
    FLOAT(WeaponDef, warmup),
    INT(WeaponDef, maxrounds),
    FLAG(WeaponDef, ammoless),
    FLOAT(WeaponDef, recharge),
    INT(WeaponDef, spread),
    FLOAT(WeaponDef, soundlevel),
};

#undef FLAG
#undef INT
#undef FLOAT
#undef TEXT

template <class Record, size_t N>
const KeyRule<Record>* findRule(const KeyRule<Record> (&rules)[N], const std::string& key)
{
    for (const KeyRule<Record>& rule : rules) {
        const std::string name = rule.key;
        if (rule.matchesPrefix ? key.compare(0, name.size(), name) == 0 : key == name)
            return &rule;
    }
    return nullptr;
}

// Applies one key line to the open record, reporting what cannot be taken.
template <class Record, size_t N>
void applyKeyLine(DataFileReader& reader, const KeyRule<Record> (&rules)[N], Record& record, const DataLine& line)
{
    const std::vector<std::string> pieces = splitAt(line.text, '=');
    const std::string key = pieces.empty() ? std::string() : pieces[0];
    const KeyRule<Record>* rule = findRule(rules, key);
    if (!rule) {
        reader.report(line.number, "unknown key \"" + key + "\" ignored", DataFileProblem::Warning);
        return;
    }
    if (rule->needsValue) {
        if (line.text.find('=') == std::string::npos) {
            reader.report(line.number, "\"" + key + "\" has no '=' and no value; line skipped");
            return;
        }
        if (pieces.size() < 2 || pieces[1].empty()) {
            reader.report(line.number, "\"" + key + "\" has an empty value; line skipped");
            return;
        }
    }
    const std::string problem = rule->apply(record, pieces.size() > 1 ? pieces[1] : std::string());
    if (!problem.empty())
        reader.report(line.number, problem);
}

// Reads the records of a block file: a line holding only the opening word
// opens a record, "end" closes it, every line between is a key line.
template <class Record, size_t N>
std::vector<std::unique_ptr<Record>> readBlocks(DataFileReader& reader, const std::string& text, const std::string& word,
                                                const KeyRule<Record> (&rules)[N])
{
    std::vector<std::unique_ptr<Record>> records;
    std::unique_ptr<Record> open;
    int openedAt = 0;
    auto dropOpen = [&]() {
        if (open)
            reader.report(openedAt, "\"" + word + "\" record is not closed by \"end\"; it is dropped");
    };
    for (const DataLine& line : DataFileReader::splitLines(text)) {
        if (line.text == word) {
            dropOpen();
            open.reset(new Record());
            openedAt = line.number;
        } else if (line.text == "end") {
            if (open) {
                records.push_back(std::move(open));
                reader.noteRecordLine(openedAt);
            }
            else
                reader.report(line.number, "\"end\" without an open \"" + word + "\" record", DataFileProblem::Warning);
        } else if (!open) {
            reader.report(line.number, "line outside a \"" + word + "\" record; skipped");
        } else {
            applyKeyLine(reader, rules, *open, line);
        }
    }
    dropOpen();
    return records;
}

}  // namespace

DataFileReader::DataFileReader(std::string fileName) : fileName_(std::move(fileName)) {}

std::vector<DataLine> DataFileReader::splitLines(const std::string& text)
{
    std::vector<DataLine> lines;
    size_t start = 0;
    int number = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        ++number;
        size_t first = start;
        while (first < end && (text[first] == ' ' || text[first] == '\t'))
            ++first;
        size_t last = end;
        if (last > first && text[last - 1] == '\r')
            --last;
        if (last > first && text[first] != '#')
            lines.push_back({number, text.substr(first, last - first)});
        start = end + 1;
    }
    return lines;
}

int DataFileReader::parseInt(const std::string& text)
{
    size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1)
            value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative)
        value = -value;
    if (value > INT_MAX)
        value = INT_MAX;
    return static_cast<int>(value);
}

float DataFileReader::parseFloat(const std::string& text)
{
    return std::strtof(text.c_str(), nullptr);
}

void DataFileReader::report(int line, const std::string& message, DataFileProblem::Severity severity)
{
    DataFileProblem problem;
    problem.file = fileName_;
    problem.line = line;
    problem.message = message;
    problem.severity = severity;
    problems_.push_back(problem);
}

std::vector<std::unique_ptr<ObjectDef>> DataFileReader::readObjects(const std::string& text)
{
    std::vector<std::unique_ptr<ObjectDef>> records = readBlocks(*this, text, "object", kObjectRules);
    for (auto& def : records) {
        if (def->name.empty())
            def->name = def->file(0);
    }
    return records;
}

std::vector<std::unique_ptr<TileDef>> DataFileReader::readTiles(const std::string& text)
{
    return readBlocks(*this, text, "tile", kTileRules);
}

std::vector<std::unique_ptr<WeaponDef>> DataFileReader::readWeapons(const std::string& text)
{
    return readBlocks(*this, text, "weapon", kWeaponRules);
}

std::vector<AnimationLine> DataFileReader::readAnimations(const std::string& text)
{
    std::vector<AnimationLine> animations;
    for (const DataLine& line : splitLines(text)) {
        const std::vector<std::string> fields = splitAt(line.text, ',');
        if (fields.size() < 6) {
            report(line.number, "an animation needs six fields (object, id, frame name, frames, seconds, mode); "
                                "found " + std::to_string(fields.size()) + "; line skipped");
            continue;
        }
        AnimationLine animation;
        animation.line = line.number;
        animation.objectId = parseInt(fields[0]);
        animation.animationId = parseInt(fields[1]);
        animation.prefix = fields[2];
        animation.frameCount = parseInt(fields[3]);
        animation.duration = parseFloat(fields[4]);
        animation.mode = fields[5] == "hold" ? AnimationDef::Hold : fields[5] == "once" ? AnimationDef::Once
                                                                                           : AnimationDef::Loop;
        if (animation.prefix.empty()) {
            report(line.number, "animation has an empty frame name; line skipped");
            continue;
        }
        if (animation.frameCount < 1 || animation.frameCount > AnimationDef::kMaxFrames) {
            report(line.number, "animation frame count " + fields[3] + " is not within 1 to " +
                                    std::to_string(AnimationDef::kMaxFrames) + "; line skipped");
            continue;
        }
        animations.push_back(animation);
    }
    return animations;
}
