#include "world/LevelSettings.h"

#include <fstream>
#include <sstream>

#include "world/DataFileReader.h"

namespace {

int* settingFor(LevelSettings& settings, const std::string& key)
{
    static const char* const kContractKeys[LevelSettings::ContractValueCount] = {
        "value_base", "value_knowsplayer", "value_musthidebody", "value_armed", "value_policeescort",
        "value_paranoid", "value_bodyguard", "value_bodyguardandknowsplayer", "value_steal", "value_urgent",
    };
    if (key == "citizencount")
        return &settings.citizenCount;
    if (key == "trainlocation")
        return &settings.trainLocation;
    if (key == "contactcount")
        return &settings.contactCount;
    if (key == "maxmissionspawndistance")
        return &settings.maxMissionSpawnDistance;
    if (key == "missioncount")
        return &settings.missionCount;
    for (int i = 0; i < LevelSettings::ContractValueCount; ++i) {
        if (key == kContractKeys[i])
            return &settings.contractValues[i];
    }
    return nullptr;
}

}  // namespace

LevelSettings parseLevelSettings(const std::string& text, const std::string& fileName,
                                 std::vector<DataFileProblem>* problems)
{
    LevelSettings settings;
    DataFileReader reader(fileName);
    const std::vector<DataLine> lines = DataFileReader::splitLines(text);
    // An emptied file reads without a bad line, yet sets nothing of the zone's own.
    if (lines.empty())
        reader.report(0, "the file sets nothing; the default settings are used", DataFileProblem::Warning);
    for (const DataLine& line : lines) {
        const size_t equals = line.text.find('=');
        const std::string key = line.text.substr(0, equals);
        int* target = settingFor(settings, key);
        if (!target) {
            reader.report(line.number, "unknown setting \"" + key + "\" ignored", DataFileProblem::Warning);
            continue;
        }
        if (equals == std::string::npos) {
            reader.report(line.number, "\"" + key + "\" has no '=' and no value; line skipped");
            continue;
        }
        const size_t valueEnd = line.text.find('=', equals + 1);
        const std::string value = line.text.substr(equals + 1, valueEnd == std::string::npos ? std::string::npos
                                                                                            : valueEnd - equals - 1);
        if (value.empty()) {
            reader.report(line.number, "\"" + key + "\" has an empty value; line skipped");
            continue;
        }
        *target = DataFileReader::parseInt(value);
    }
    if (problems)
        problems->insert(problems->end(), reader.problems().begin(), reader.problems().end());
    return settings;
}

LevelSettings readLevelSettings(const std::string& path, std::vector<DataFileProblem>* problems)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        if (problems)
            problems->push_back({path, 0, "cannot be read; the default settings are used", DataFileProblem::Warning});
        return LevelSettings();
    }
    std::ostringstream text;
    text << file.rdbuf();
    return parseLevelSettings(text.str(), path, problems);
}
