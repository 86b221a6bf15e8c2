#pragma once

// The ellipse of an integral box by the midpoint rule: the outline and fill
// an aliased painter gives an ellipse whose box has whole-pixel corners.
namespace platform::raster {

class SpanWriter;

// The box whose outline covers columns left .. left + width and rows
// top .. top + height (both ends included); width and height >= 0.
struct IntegralBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The one-pixel outline, each pixel written once.
void MidpointOutline(const IntegralBox& box, SpanWriter& writer);

// The inside: on each row that has outline pixels on both sides with a gap
// between them, from the left outline pixel up to the one before the right.
void MidpointFill(const IntegralBox& box, SpanWriter& writer);

} // namespace platform::raster
