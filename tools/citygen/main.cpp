// citygen: builds the three zones of Kessa City from fixed seeds and writes
// them through the game's own map writer, with each zone's settings text and
// its minimap pictures.
// Usage: citygen <output folder>
#include "CityDressing.h"
#include "CityFrame.h"
#include "CityGrid.h"
#include "CityLayout.h"
#include "Minimap.h"
#include "OutputFolder.h"
#include "RoofParapets.h"
#include "Rng.h"
#include "ZoneStyle.h"
#include "world/MapFileFormat.h"
#include <cstdio>
#include <sstream>

namespace
{
// The rails run in map columns: the city's column moved in by the ring.
int trainColumn(const ZoneStyle& s)
{
    return s.trainColumn < 0 ? -1 : s.trainColumn + CityFrame::kRingColumns;
}

std::string settingsText(const ZoneStyle& s)
{
    std::ostringstream o;
    o << "# Zone settings of " << s.levelName << ", written by tools/citygen\n"
      << "citizencount=" << s.citizenCount << "\n"
      << "trainlocation=" << trainColumn(s) << "\n"
      << "contactcount=" << s.contactCount << "\n"
      << "maxmissionspawndistance=" << s.maxMissionSpawnDistance << "\n"
      << "missioncount=" << s.missionCount << "\n"
      << "value_base=" << s.valueBase << "\n"
      << "value_knowsplayer=" << s.valueKnowsPlayer << "\n"
      << "value_musthidebody=" << s.valueMustHideBody << "\n"
      << "value_armed=" << s.valueArmed << "\n"
      << "value_policeescort=" << s.valuePoliceEscort << "\n"
      << "value_paranoid=" << s.valueParanoid << "\n"
      << "value_bodyguard=" << s.valueBodyguard << "\n"
      << "value_bodyguardandknowsplayer=" << s.valueBodyguardAndKnowsPlayer << "\n"
      << "value_steal=" << s.valueSteal << "\n"
      << "value_urgent=" << s.valueUrgent << "\n";
    return o.str();
}

bool buildZone(int zone, const std::string& out)
{
    const ZoneStyle& style = zoneStyle(zone);
    Rng rng(style.seed);
    CityGrid city(style.size, style.size);
    CityLayout layout(style, city, rng);
    layout.build();
    CityDressing dressing(style, city, layout, rng);
    dressing.dress();
    CityGrid grid = CityFrame(style, city, rng).build();
    RoofParapets(grid).apply();
    grid.data.citizenCount = style.citizenCount;
    grid.data.trainLocation = trainColumn(style);
    std::string error;
    if (!MapFileFormat::write(joinPath(out, style.levelName + ".map"), grid.data, error))
    {
        std::fprintf(stderr, "citygen: %s\n", error.c_str());
        return false;
    }
    return writeTextFile(joinPath(out, style.levelName + ".txt"), settingsText(style)) &&
           writeMinimaps(grid, zone, CityDressing::kDistricts, out);
}
}

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        std::fprintf(stderr, "usage: citygen <output folder>\n");
        return 2;
    }
    std::string out = argv[1];
    if (!makeFolders(out))
        return 1;
    bool ok = true;
    for (int zone = 0; zone < 3; ++zone)
        ok = buildZone(zone, out) && ok;
    return ok ? 0 : 1;
}
