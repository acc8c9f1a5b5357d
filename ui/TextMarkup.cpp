#include "ui/TextMarkup.h"

#include <algorithm>

#include "app/StringHelpers.h"

namespace
{
// The line builder of wrap: the line being filled and the word being read,
// each with its count of visible columns.
class LineBreaker
{
public:
    explicit LineBreaker(int boxWidth) : _boxWidth(boxWidth) {}

    void onSpace()
    {
        if (_brokeAtSpace && TextMarkup::isBlank(_line) && TextMarkup::isBlank(_word))
            return; // runs of spaces vanish at a wrap point
        if (TextMarkup::pixelWidth(_lineLength + _wordLength + 1) > _boxWidth) {
            emitLine();
            _line = _word;
            _lineLength = _wordLength;
            clearWord();
            _brokeAtSpace = true;
            return;
        }
        _brokeAtSpace = false;
        if (!TextMarkup::endsWithSpace(_line) && !TextMarkup::startsWithSpace(_word)) {
            _line += ' ';
            ++_lineLength;
        }
        _line += _word;
        _line += ' ';
        _lineLength += _wordLength + 1;
        clearWord();
    }

    void onCodePair(char backquote, char code)
    {
        _word += backquote;
        _word += code;
    }

    void onNewline()
    {
        _brokeAtSpace = false;
        if (_word.empty()) {
            emitLine();
        } else if (!placeWordOnLine()) {
            emitLine();
            _line = _word;
            emitLine();
        } else {
            emitLine();
        }
        _line.clear();
        _lineLength = 0;
        clearWord();
    }

    void onGlyph(char c)
    {
        _brokeAtSpace = false;
        _word += c;
        ++_wordLength;
    }

    std::vector<std::string> finish()
    {
        if (!_word.empty() && !placeWordOnLine()) {
            emitLine();
            _line = _word;
            _lineLength = _wordLength;
        }
        if (!_line.empty())
            emitLine();
        return std::move(_lines);
    }

private:
    // A word that ends a paragraph joins the line when it fits. A line that was
    // just started by a wrapped word has no trailing space yet, so the two
    // words are kept apart by one.
    bool placeWordOnLine()
    {
        const bool needsGap = !TextMarkup::endsWithSpace(_line) && !TextMarkup::startsWithSpace(_word);
        const int gap = needsGap ? 1 : 0;
        if (TextMarkup::pixelWidth(_lineLength + gap + _wordLength) > _boxWidth)
            return false;
        if (needsGap)
            _line += ' ';
        _line += _word;
        _lineLength += gap + _wordLength;
        clearWord();
        return true;
    }

    void emitLine()
    {
        _lines.push_back(_line);
        _line.clear();
        _lineLength = 0;
    }

    void clearWord()
    {
        _word.clear();
        _wordLength = 0;
    }

    int _boxWidth;
    std::string _line;
    int _lineLength = 0;
    std::string _word;
    int _wordLength = 0;
    bool _brokeAtSpace = false;
    std::vector<std::string> _lines;
};

// Visits the units of a text from the left: a code pair is one unit, a lone
// final backquote is no unit at all.
template <typename Visit>
void forEachUnit(const std::string& text, Visit visit)
{
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '`') {
            visit(text[i], false);
        } else if (i + 1 < text.size()) {
            visit(text[i + 1], true);
            ++i;
        }
    }
}
} // namespace

int TextMarkup::paletteIndexForCode(char code)
{
    if (code >= '1' && code <= '9')
        return code - '0';
    switch (code) {
    case '0': return 10;
    case '!': return 11;
    case '@': return 12;
    case '#': return 13;
    case '$': return 14;
    case '%': return 15;
    default: return kDefaultPaletteIndex;
    }
}

int TextMarkup::visibleLength(const std::string& text)
{
    int length = 0;
    forEachUnit(text, [&length](char, bool isCode) {
        if (!isCode)
            ++length;
    });
    return length;
}

int TextMarkup::measureWidth(const std::string& text)
{
    int widest = 0;
    for (const std::string& piece : splitString(text, '\n'))
        widest = std::max(widest, visibleLength(piece));
    return pixelWidth(widest);
}

std::vector<std::string> TextMarkup::wrap(const std::string& text, int boxWidth)
{
    LineBreaker breaker(boxWidth);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '`') {
            if (i + 1 == text.size())
                break;
            breaker.onCodePair(c, text[i + 1]);
            ++i;
        } else if (c == ' ') {
            breaker.onSpace();
        } else if (c == '\n') {
            breaker.onNewline();
        } else {
            breaker.onGlyph(c);
        }
    }
    return breaker.finish();
}

std::vector<TextMarkup::PlacedGlyph> TextMarkup::placeGlyphs(const std::vector<std::string>& lines)
{
    std::vector<PlacedGlyph> glyphs;
    int colour = kDefaultPaletteIndex;
    for (size_t line = 0; line < lines.size(); ++line) {
        int column = 0;
        forEachUnit(lines[line], [&](char c, bool isCode) {
            if (isCode) {
                colour = c == 'b' ? 0 : paletteIndexForCode(c);
                return;
            }
            if (c != ' ')
                glyphs.push_back({c, static_cast<int>(line), column, colour});
            ++column;
        });
    }
    return glyphs;
}

bool TextMarkup::startsWithSpace(const std::string& text)
{
    return text.empty() || text.front() == ' ';
}

bool TextMarkup::endsWithSpace(const std::string& text)
{
    bool lastIsSpace = true; // nothing visible counts as a space
    forEachUnit(text, [&lastIsSpace](char c, bool isCode) { lastIsSpace = !isCode && c == ' '; });
    return lastIsSpace;
}

bool TextMarkup::isBlank(const std::string& text)
{
    bool blank = true;
    forEachUnit(text, [&blank](char c, bool isCode) {
        // A pair of two backquotes is drawn as nothing but still counts as
        // something written.
        if ((isCode && c == '`') || (!isCode && c != ' '))
            blank = false;
    });
    return blank;
}
