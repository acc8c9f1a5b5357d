#include "SpriteSheetIndex.h"

#include <cstring>

#include <tinyxml2.h>

namespace {

// The dictionary that follows the <key> of the given name in a dictionary.
const tinyxml2::XMLElement* valueOf(const tinyxml2::XMLElement* dict, const char* key)
{
    for (const tinyxml2::XMLElement* e = dict->FirstChildElement("key"); e; e = e->NextSiblingElement("key")) {
        if (e->GetText() && std::strcmp(e->GetText(), key) == 0)
            return e->NextSiblingElement();
    }
    return nullptr;
}

}  // namespace

bool SpriteSheetIndex::addSheet(const std::string& path, std::string& error)
{
    if (sheets_.count(path))
        return true;
    tinyxml2::XMLDocument document;
    if (document.LoadFile(path.c_str()) != tinyxml2::XML_SUCCESS) {
        error = "cannot be read as a property list";
        return false;
    }
    const tinyxml2::XMLElement* plist = document.FirstChildElement("plist");
    const tinyxml2::XMLElement* root = plist ? plist->FirstChildElement("dict") : nullptr;
    const tinyxml2::XMLElement* frames = root ? valueOf(root, "frames") : nullptr;
    if (!frames || std::strcmp(frames->Name(), "dict") != 0) {
        error = "has no frames dictionary";
        return false;
    }
    for (const tinyxml2::XMLElement* e = frames->FirstChildElement("key"); e; e = e->NextSiblingElement("key")) {
        if (e->GetText())
            frames_.insert(e->GetText());
    }
    sheets_.insert(path);
    return true;
}
