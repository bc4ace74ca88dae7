// Colour data kept with the text: the attached parser, the style of typed
// text, and the colour bytes that inserted characters get.
#include <algorithm>

#include "text/memo_source.h"

namespace tessorin {
namespace {

// The byte the URL marking writes over a URL's characters.
constexpr unsigned char urlStyle = 12;

} // namespace

void TCustomMemoSource::SetSyntaxParser(TLineParser* parser) {
    if (parser == FSyntaxParser)
        return;
    if (FSyntaxParser) {
        FSyntaxParser->UnregisterClient(this);
        FSyntaxParser->RemoveFreeNotification(this);
    }
    FSyntaxParser = parser;
    if (parser) {
        parser->FreeNotification(this);
        parser->RegisterClient(this, [this] { InvalidateColoring(); });
    }
    InvalidateColoring();
}

void TCustomMemoSource::InvalidateColoring() {
    TMemoUpdate update(*this, ucParserChange);
    for (int i = 0; i < LineCount(); ++i) {
        TStringItem& item = *LineItem(i);
        item.SetFlag(lfParsed, false);
        item.LineData = {};
        if (!FSyntaxParser)
            item.ColorData.clear();
    }
    AddState(msParserChanged);
}

std::string TCustomMemoSource::GetDisplayColorData(int line) {
    const std::string* found = GetLineColorData(line);
    if (!found)
        return {};
    const std::u16string& text = LineText(line);
    const std::string& colors = *found;
    std::string result;
    for (size_t i = 0; i < text.size() && i < colors.size(); ++i) {
        const size_t width =
            text[i] == u'\t' ? FTabs.NextStop(static_cast<int>(result.size())) - result.size() : 1;
        result.append(width, colors[i]);
    }
    return result;
}

int TCustomMemoSource::ColorByteAt(const std::string& colors, int index) {
    if (index < 0 || index >= static_cast<int>(colors.size()))
        return -1;
    return static_cast<unsigned char>(colors[index]);
}

int TCustomMemoSource::StyleAt(const std::string& colors, int index) {
    // The byte under the caret (the last one past the line end); a URL gives
    // way to what precedes its run.
    if (colors.empty())
        return -1;
    int at = std::clamp(index, 0, static_cast<int>(colors.size()) - 1);
    while (at > 0 && ColorByteAt(colors, at) == urlStyle)
        --at;
    const int style = ColorByteAt(colors, at);
    return style == urlStyle ? 0 : style;
}

int TCustomMemoSource::StyleAtCaret() const {
    const TStringItem* item = LineItem(CaretLine());
    return item ? StyleAt(item->ColorData, FTabs.ColumnToIndex(item->Text, CaretChar())) : -1;
}

bool TCustomMemoSource::KeepColors(TStringItem& item) const {
    const bool aligned = item.ColorData.size() == item.Text.size();
    if (FSyntaxParser) {
        // Every line has colours under a parser; unparsed ones are all 0.
        if (!aligned)
            item.ColorData.assign(item.Text.size(), '\0');
        return true;
    }
    // Without one only colours that still match the text are kept.
    if (aligned && !item.ColorData.empty())
        return true;
    item.ColorData.clear();
    return false;
}

std::string TCustomMemoSource::InsertColors(const TStringItem& item, int index, int length,
                                            const std::string* colors) const {
    if (colors) {
        std::string result = colors->substr(0, length);
        result.resize(length, '\0');
        return result;
    }
    int style = FSyntaxParser ? FTypedStyle : -1;
    if (style < 0)
        style = std::max(StyleAt(item.ColorData, index), 0);
    return std::string(length, static_cast<char>(style));
}

} // namespace tessorin
