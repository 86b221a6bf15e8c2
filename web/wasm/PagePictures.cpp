// The page's chart and figure, and what the script calls for them: the
// chart's size and the page's device pixel ratio, the mouse on the chart,
// and the pictures as bytes for the canvases that show them.
#include "web/wasm/PagePictures.h"

#include "web/core/PageChart.h"
#include "web/core/PageFigure.h"
#include "web/core/RgbaPicture.h"
#include "web/wasm/JsonNumber.h"
#include "web/wasm/Page.h"
#include "web/wasm/PageRatio.h"

#include <emscripten/emscripten.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>

namespace {

// The pictures the script shows, by the number it asks with.
enum Shown { FigurePicture = 0, ChartPicture = 1, ShownCount };

struct Pictures {
    web::PageFigure figure;
    web::PageChart chart;
    std::array<web::RgbaPicture, ShownCount> shown;
};

std::unique_ptr<Pictures> pictures;

// The script's pointer event: its buttons, and its keys as bits (1 Shift,
// 2 Alt, 4 Ctrl).
web::PointerKeys KeysOf(int buttons, int keys)
{
    return {static_cast<unsigned>(buttons), (keys & 1) != 0, (keys & 2) != 0, (keys & 4) != 0};
}

void ReportFailure(const std::exception& error)
{
    web::ThePage().runs.ReportFailure(error.what());
}

// The mouse reaches the chart when a click would reach the window.
template <typename Action>
void ChartInput(Action action)
{
    web::ThePage().runs.ChartInput([action] { action(pictures->chart); });
}

const char* CssCursor(TCursor cursor)
{
    switch (cursor) {
    case crNone:
        return "none";
    case crCross:
        return "crosshair";
    case crIBeam:
        return "text";
    case crSizeNESW:
        return "nesw-resize";
    case crSizeNS:
        return "ns-resize";
    case crSizeNWSE:
        return "nwse-resize";
    case crSizeWE:
        return "ew-resize";
    case crHourGlass:
        return "wait";
    case crNo:
        return "not-allowed";
    case crAppStart:
        return "progress";
    case crHelp:
        return "help";
    case crHandPoint:
        return "pointer";
    case crSizeAll:
        return "move";
    default:
        // crDefault, crArrow, crUpArrow and shapes this chart does not know.
        return "default";
    }
}

void AppendRange(std::string& json, const char* name, const TCustomChartAxis& axis)
{
    json += std::string("\"") + name + "\":{\"automatic\":" + (axis.Automatic() ? "true" : "false") + ",\"minimum\":";
    web::AppendJsonNumber(json, axis.Minimum());
    json += ",\"maximum\":";
    web::AppendJsonNumber(json, axis.Maximum());
    json += '}';
}

} // namespace

web::RunChartTarget* web::CreatePagePictures(PageHost& host)
{
    pictures = std::make_unique<Pictures>();
    host.OnDrawFrame = [](double length, double fi) { pictures->figure.DrawFrame(length, fi); };
    pictures->chart.OnPaintError = ReportFailure;
    pictures->chart.OnMouseError = ReportFailure;
    return &pictures->chart;
}

extern "C" {

// The chart's box in CSS pixels and the page's devicePixelRatio.
EMSCRIPTEN_KEEPALIVE void kyvadlo_chart_resize(int width, int height, double ratio)
{
    pictures->chart.Resize(width, height, web::PageRatio(ratio));
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_figure_ratio(double ratio)
{
    pictures->figure.SetRatio(web::PageRatio(ratio));
}

// The separators the chart writes its numbers with, in the page's language.
EMSCRIPTEN_KEEPALIVE void kyvadlo_chart_separators(const char* decimal, const char* thousands)
{
    pictures->chart.SetNumberSeparators({decimal, thousands});
}

// Brings the picture's bytes up to date: 1 when they changed since the last
// call (the chart answers what it asked for then).
EMSCRIPTEN_KEEPALIVE int kyvadlo_picture_update(int which)
{
    if (which == FigurePicture) {
        if (!pictures->figure.TakeChange())
            return 0;
        pictures->shown[FigurePicture].Assign(pictures->figure.Picture());
        return 1;
    }
    if (which == ChartPicture) {
        if (!pictures->chart.Paint())
            return 0;
        pictures->shown[ChartPicture].Assign(pictures->chart.Picture());
        return 1;
    }
    return 0;
}

// The picture's RGBA bytes and their size in device pixels, as of the last update.
EMSCRIPTEN_KEEPALIVE const std::uint8_t* kyvadlo_picture_bytes(int which)
{
    return pictures->shown.at(static_cast<std::size_t>(which)).Bytes();
}

EMSCRIPTEN_KEEPALIVE int kyvadlo_picture_width(int which)
{
    return pictures->shown.at(static_cast<std::size_t>(which)).Width();
}

EMSCRIPTEN_KEEPALIVE int kyvadlo_picture_height(int which)
{
    return pictures->shown.at(static_cast<std::size_t>(which)).Height();
}

// The mouse on the chart, in CSS pixels of its box: the event's button
// (0 left, 1 middle, 2 right), its buttons and its keys (see KeysOf).
EMSCRIPTEN_KEEPALIVE void kyvadlo_chart_mouse_down(int button, int buttons, int keys, double x, double y,
                                                   int clickCount)
{
    ChartInput([=](web::PageChart& chart) { chart.MouseDown(button, KeysOf(buttons, keys), x, y, clickCount); });
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_chart_mouse_move(int buttons, int keys, double x, double y)
{
    ChartInput([=](web::PageChart& chart) { chart.MouseMove(KeysOf(buttons, keys), x, y); });
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_chart_mouse_up(int button, int buttons, int keys, double x, double y)
{
    ChartInput([=](web::PageChart& chart) { chart.MouseUp(button, KeysOf(buttons, keys), x, y); });
}

// The wheel event's deltaY and deltaMode.
EMSCRIPTEN_KEEPALIVE void kyvadlo_chart_wheel(double deltaY, int deltaMode, int buttons, int keys, double x, double y)
{
    ChartInput([=](web::PageChart& chart) { chart.Wheel(deltaY, deltaMode, KeysOf(buttons, keys), x, y); });
}

EMSCRIPTEN_KEEPALIVE void kyvadlo_chart_mouse_leave()
{
    ChartInput([](web::PageChart& chart) { chart.MouseLeave(); });
}

// The CSS cursor the chart asks for.
EMSCRIPTEN_KEEPALIVE const char* kyvadlo_chart_cursor()
{
    return CssCursor(pictures->chart.WindowCursor());
}

// The ranges of the chart's time and angle axes and the plot's rectangle
// as the last paint laid it out, as JSON for the test hook:
// {"bottom": {"automatic": b, "minimum": x, "maximum": y}, "left": {...},
//  "area": [left, top, right, bottom]}. The string lives until the next call.
EMSCRIPTEN_KEEPALIVE const char* kyvadlo_chart_ranges_json()
{
    static std::string json;
    json = "{";
    AppendRange(json, "bottom", pictures->chart.BottomAxis());
    json += ',';
    AppendRange(json, "left", pictures->chart.LeftAxis());
    const TChartRect& area = pictures->chart.ChartArea();
    json += ",\"area\":[" + std::to_string(area.left) + ',' + std::to_string(area.top) + ','
        + std::to_string(area.right) + ',' + std::to_string(area.bottom) + "]}";
    return json.c_str();
}

} // extern "C"
