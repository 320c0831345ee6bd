#pragma once

#include "excel/workbook/ApplicationObject.h"

// The formatting objects under a chart part: Format with its Line and Fill,
// their ForeColor, and Font.

namespace wb {

// Format of a series (Line and Fill) or of a line-only part such as an
// axis, gridlines or the plot area's border (Line; Fill is refused).
class ChartFormat final : public BookObject<ChartFormat> {
public:
    ChartFormat(const BookHandle& handle, LineData& line, FillData* fill, const char* owner)
        : BookObject(handle), line_(line), fill_(fill), owner_(owner)
    {
    }
    static const std::vector<Member<ChartFormat>>& members();

private:
    void line(const Call& call);
    void fill(const Call& call);

    LineData& line_;
    FillData* fill_;
    const char* owner_;  // what the format belongs to, for messages
};

class LineFormat final : public BookObject<LineFormat> {
public:
    LineFormat(const BookHandle& handle, LineData& line) : BookObject(handle), line_(line) {}
    static const std::vector<Member<LineFormat>>& members();

private:
    void visible(const Call& call);
    void foreColor(const Call& call);
    void weight(const Call& call);
    void dashStyle(const Call& call);

    LineData& line_;
};

class FillFormat final : public BookObject<FillFormat> {
public:
    FillFormat(const BookHandle& handle, FillData& fill) : BookObject(handle), fill_(fill) {}
    static const std::vector<Member<FillFormat>>& members();

private:
    void visible(const Call& call);
    void foreColor(const Call& call);

    FillData& fill_;
};

// ForeColor: RGB (red + 256 green + 65536 blue) or ObjectThemeColor (1 to 16).
class ColorFormat final : public BookObject<ColorFormat> {
public:
    ColorFormat(const BookHandle& handle, ColorData& color) : BookObject(handle), color_(color) {}
    static const std::vector<Member<ColorFormat>>& members();

private:
    void rgb(const Call& call);
    void objectThemeColor(const Call& call);

    ColorData& color_;
};

class Font final : public BookObject<Font> {
public:
    Font(const BookHandle& handle, FontData& font) : BookObject(handle), font_(font) {}
    static const std::vector<Member<Font>>& members();

private:
    void size(const Call& call);

    FontData& font_;
};

// The colour of a theme colour number (1 to 16) in the office theme, as
// red + 256 green + 65536 blue.
std::uint32_t themeColorValue(std::int32_t theme);

} // namespace wb
