#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QList>

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::qt {

// What a canvas knows about the texts it writes in one font: each text's
// width and its shaped glyphs, worked out at its first use and kept, so
// that a text written again (the labels of a chart in every paint) costs a
// look-up instead of shaping it anew. The numbers and pixels are the ones
// QFontMetrics and QPainter::drawText give for the text.
class FontTextCache {
public:
    explicit FontTextCache(const QFont& font);

    const QFont& Font() const { return font_; }
    const QFontMetrics& Metrics() const { return metrics_; }
    // Metrics().ascent() and descent(), asked once.
    int Ascent() const { return ascent_; }
    int Descent() const { return descent_; }

    // QFontMetrics::horizontalAdvance of the UTF-8 text.
    int Width(std::string_view text);
    // The glyphs that draw the text with the left end of its baseline at
    // (0, 0), for QPainter::drawGlyphRun; none for a text that only
    // QPainter::drawText draws the same (one with control characters, a
    // font with lines through or under its text).
    const std::optional<QList<QGlyphRun>>& Glyphs(const std::string& text);

private:
    struct Entry {
        int width = 0;
        bool shaped = false;
        std::optional<QList<QGlyphRun>> glyphs;
    };
    Entry& EntryOf(std::string_view text);
    // Looks texts up without making strings of them.
    struct TextHash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
    };
    std::optional<QList<QGlyphRun>> Shape(const QString& text) const;

    QFont font_;
    QFontMetrics metrics_;
    int ascent_;
    int descent_;
    bool decorated_;
    std::unordered_map<std::string, Entry, TextHash, std::equal_to<>> entries_;
};

// The FontTextCache of each font a canvas has written with lately.
class FontTextCaches {
public:
    // The cache of the font, made when it has none yet. The reference stays
    // valid until For is asked for a font it does not hold.
    FontTextCache& For(const QFont& font);

private:
    std::vector<std::unique_ptr<FontTextCache>> caches_;
};

} // namespace platform::qt
