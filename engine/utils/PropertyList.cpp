#include "utils/PropertyList.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <tinyxml2.h>

namespace cocos2d {

class PropertyListBuilder
{
public:
    explicit PropertyListBuilder(const std::string& fileName) : _fileName(fileName) {}

    bool build(const tinyxml2::XMLElement* element, PropertyList& out, int depth)
    {
        // Sprite sheets nest three or four levels; a deeper document is broken or hostile.
        if (depth > 64)
            return fail(element, "nesting too deep");
        const char* name = element->Name();
        if (std::strcmp(name, "dict") == 0)
            return buildDict(element, out, depth);
        if (std::strcmp(name, "array") == 0) {
            out._type = PropertyList::Type::ARRAY;
            for (const tinyxml2::XMLElement* child = element->FirstChildElement(); child;
                 child = child->NextSiblingElement()) {
                out._array.emplace_back();
                if (!build(child, out._array.back(), depth + 1))
                    return false;
            }
            return true;
        }
        const char* text = element->GetText();
        out._text = text ? text : "";
        if (std::strcmp(name, "integer") == 0)
            out._type = PropertyList::Type::INTEGER;
        else if (std::strcmp(name, "real") == 0)
            out._type = PropertyList::Type::REAL;
        else if (std::strcmp(name, "true") == 0 || std::strcmp(name, "false") == 0) {
            out._type = PropertyList::Type::BOOLEAN;
            out._text = name;
        } else
            out._type = PropertyList::Type::STRING;
        return true;
    }

    const std::string& error() const { return _error; }

private:
    bool buildDict(const tinyxml2::XMLElement* element, PropertyList& out, int depth)
    {
        out._type = PropertyList::Type::DICT;
        for (const tinyxml2::XMLElement* child = element->FirstChildElement(); child;
             child = child->NextSiblingElement()) {
            if (std::strcmp(child->Name(), "key") != 0)
                return fail(child, std::string("expected <key>, found <") + child->Name() + ">");
            const char* key = child->GetText();
            const tinyxml2::XMLElement* value = child->NextSiblingElement();
            if (!value)
                return fail(child, std::string("key \"") + (key ? key : "") + "\" has no value");
            if (!build(value, out._dict[key ? key : ""], depth + 1))
                return false;
            child = value;
        }
        return true;
    }

    bool fail(const tinyxml2::XMLElement* at, const std::string& why)
    {
        _error = _fileName + ":" + std::to_string(at->GetLineNum()) + ": " + why;
        return false;
    }

    std::string _fileName;
    std::string _error;
};

const PropertyList* PropertyList::find(const std::string& key) const
{
    auto it = _dict.find(key);
    return it == _dict.end() ? nullptr : &it->second;
}

std::string PropertyList::asString(const std::string& fallback) const
{
    switch (_type) {
    case Type::STRING:
    case Type::INTEGER:
    case Type::REAL:
    case Type::BOOLEAN: return _text;
    default: return fallback;
    }
}

int PropertyList::asInt(int fallback) const
{
    if (_type == Type::BOOLEAN)
        return _text == "true" ? 1 : 0;
    if (_type != Type::INTEGER && _type != Type::REAL && _type != Type::STRING)
        return fallback;
    char* end = nullptr;
    const double value = std::strtod(_text.c_str(), &end);
    if (end == _text.c_str() || std::isnan(value))
        return fallback;
    // A number past the range of int is taken as the nearest int: converting it
    // unclamped is undefined.
    return int(std::clamp(value, double(INT_MIN), double(INT_MAX)));
}

float PropertyList::asFloat(float fallback) const
{
    if (_type != Type::INTEGER && _type != Type::REAL && _type != Type::STRING)
        return fallback;
    char* end = nullptr;
    const double value = std::strtod(_text.c_str(), &end);
    return end == _text.c_str() ? fallback : float(value);
}

bool PropertyList::asBool(bool fallback) const
{
    if (_type == Type::BOOLEAN)
        return _text == "true";
    if (_type == Type::INTEGER || _type == Type::REAL)
        return asFloat() != 0.0f;
    if (_type == Type::STRING)
        return _text == "true" || _text == "YES" || _text == "1";
    return fallback;
}

bool PropertyList::parse(const std::string& xml, const std::string& fileName, PropertyList& root,
                         std::string& error)
{
    tinyxml2::XMLDocument document;
    if (document.Parse(xml.data(), xml.size()) != tinyxml2::XML_SUCCESS) {
        error = fileName + ":" + std::to_string(document.ErrorLineNum()) + ": " + document.ErrorStr();
        return false;
    }
    const tinyxml2::XMLElement* top = document.RootElement();
    if (top && std::strcmp(top->Name(), "plist") == 0)
        top = top->FirstChildElement();
    if (!top) {
        error = fileName + ":1: empty property list";
        return false;
    }
    root = PropertyList();
    PropertyListBuilder builder(fileName);
    if (!builder.build(top, root, 0)) {
        error = builder.error();
        return false;
    }
    return true;
}

bool PropertyList::parseNumbers(const std::string& text, float* out, int count)
{
    int found = 0;
    const char* p = text.c_str();
    while (*p && found < count) {
        if ((*p >= '0' && *p <= '9') || *p == '-' || *p == '+' || *p == '.') {
            char* end = nullptr;
            const float value = std::strtof(p, &end);
            if (end == p) {
                ++p;
                continue;
            }
            out[found++] = value;
            p = end;
        } else
            ++p;
    }
    return found == count;
}

}
