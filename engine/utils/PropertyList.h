#pragma once
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace cocos2d {

// A value of an XML property list: dict, array, string, integer, real or
// boolean (data and date are kept as their text). Read with tinyxml2.
class PropertyList
{
public:
    enum class Type { NONE, DICT, ARRAY, STRING, INTEGER, REAL, BOOLEAN };

    Type type() const { return _type; }
    bool isDict() const { return _type == Type::DICT; }

    // Dict look-up; null when this is no dict or the key is absent.
    const PropertyList* find(const std::string& key) const;
    const std::map<std::string, PropertyList>& entries() const { return _dict; }
    const std::vector<PropertyList>& items() const { return _array; }

    // Conversions that never fail: a missing or mistyped value gives the fallback.
    std::string asString(const std::string& fallback = std::string()) const;
    int asInt(int fallback = 0) const;
    float asFloat(float fallback = 0.0f) const;
    bool asBool(bool fallback = false) const;

    // Parses a whole document; on failure returns false with a message naming
    // the file and, where known, the line.
    static bool parse(const std::string& xml, const std::string& fileName, PropertyList& root,
                      std::string& error);

    // The "{x,y}" and "{{x,y},{w,h}}" notation of sprite sheets: the numbers in
    // order of appearance. False when fewer than count numbers are present.
    static bool parseNumbers(const std::string& text, float* out, int count);

private:
    friend class PropertyListBuilder;

    Type _type = Type::NONE;
    std::string _text;
    std::map<std::string, PropertyList> _dict;
    std::vector<PropertyList> _array;
};

}
