#pragma once

#include "platform/TextBackend.h"
#include "platform/qt/FontTextCache.h"

#include <QFont>
#include <QPainter>
#include <QPoint>

#include <optional>

namespace platform::qt {

// The Qt font that draws and measures a text backend font. Glyphs are drawn
// without antialiasing, like the rest of the raster.
QFont ToQFont(const TextFont& font);

// The desktop's text backend: Qt's fonts measure and shape the text (each
// font's texts kept in a FontTextCache), QPainter draws it.
class QtTextBackend final : public TextBackend {
public:
    TextExtent Measure(const TextFont& font, std::string_view utf8) override;
    void Draw(PixelBuffer& target, const PixelBox& clip, const TextFont& font, const TextPlacement& at,
              std::string_view utf8, std::uint32_t rgb) override;

    // What the backend knows of the font's texts.
    FontTextCache& Texts(const TextFont& font);
    // Draws the text with the left end of its baseline at the point, in the
    // painter's font, pen and coordinates. Upright text (painter coordinates
    // not turned) is drawn from the glyphs shaped at its first use, with the
    // pixels QPainter::drawText gives it; turned text as drawText draws it.
    void DrawRun(QPainter& painter, FontTextCache& texts, QPoint baseline, const std::string& text, bool upright);

private:
    FontTextCaches caches_;
    // The font asked for last, and its texts.
    std::optional<TextFont> lastFont_;
    FontTextCache* lastTexts_ = nullptr;
};

// A desktop text backend handed to the engine for as long as this lives
// (platform::SetTextBackend; the one before comes back after it): made
// after the application, before any canvas measures text.
class EngineTextBackend {
public:
    EngineTextBackend() : previous_(SetTextBackend(&backend_)) {}
    ~EngineTextBackend() { SetTextBackend(previous_); }
    EngineTextBackend(const EngineTextBackend&) = delete;
    EngineTextBackend& operator=(const EngineTextBackend&) = delete;

private:
    QtTextBackend backend_;
    TextBackend* previous_;
};

} // namespace platform::qt
