#include "platform/qt/FontTextCache.h"

#include <QTextLayout>
#include <QTextLine>

#include <algorithm>

namespace platform::qt {

namespace {

// Bounds on what a canvas keeps: a chart whose time axis runs on writes new
// label texts all the time, and a program may use any number of fonts.
constexpr std::size_t MostTextsPerFont = 1024;
constexpr std::size_t MostFonts = 8;

// Characters that QTextLayout treats otherwise than QPainter::drawText on
// one line: tabs, line and paragraph breaks and other controls.
bool HasControlCharacters(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x20 || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
    });
}

} // namespace

FontTextCache::FontTextCache(const QFont& font)
    : font_(font)
    , metrics_(font)
    , ascent_(metrics_.ascent())
    , descent_(metrics_.descent())
    , decorated_(font.underline() || font.strikeOut() || font.overline())
{
}

FontTextCache::Entry& FontTextCache::EntryOf(std::string_view text)
{
    if (const auto found = entries_.find(text); found != entries_.end())
        return found->second;
    if (entries_.size() >= MostTextsPerFont)
        entries_.clear();
    Entry entry;
    entry.width = metrics_.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    return entries_.emplace(std::string(text), std::move(entry)).first->second;
}

int FontTextCache::Width(std::string_view text)
{
    return EntryOf(text).width;
}

const std::optional<QList<QGlyphRun>>& FontTextCache::Glyphs(const std::string& text)
{
    Entry& entry = EntryOf(text);
    if (!entry.shaped) {
        entry.glyphs = Shape(QString::fromStdString(text));
        entry.shaped = true;
    }
    return entry.glyphs;
}

std::optional<QList<QGlyphRun>> FontTextCache::Shape(const QString& text) const
{
    if (decorated_ || HasControlCharacters(text))
        return std::nullopt;
    // The one line drawText lays the text out on.
    QTextLayout layout(text, font_);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid() || line.textLength() != text.size())
        return std::nullopt;
    QList<QGlyphRun> runs = line.glyphRuns();
    // The glyphs stand on the line's baseline, its ascent below the layout's top.
    const qreal baseline = line.ascent();
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& position : positions)
            position.ry() -= baseline;
        run.setPositions(positions);
    }
    return runs;
}

FontTextCache& FontTextCaches::For(const QFont& font)
{
    const auto found = std::find_if(caches_.begin(), caches_.end(),
                                    [&font](const auto& cache) { return cache->Font() == font; });
    if (found != caches_.end())
        return **found;
    if (caches_.size() >= MostFonts)
        caches_.erase(caches_.begin());
    caches_.push_back(std::make_unique<FontTextCache>(font));
    return *caches_.back();
}

} // namespace platform::qt
