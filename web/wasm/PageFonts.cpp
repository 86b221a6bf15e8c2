// The font files the page ships, handed to the engine's text backend: the
// script fetches each file, copies its bytes into the room the engine makes
// for them and adds the face under its family name.
#include "web/wasm/PageFonts.h"

#include <emscripten/emscripten.h>

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace {

std::vector<unsigned char> room;

} // namespace

web::StbTextBackend& web::PageText()
{
    static StbTextBackend text;
    return text;
}

extern "C" {

// Room for a font file of size bytes, for the script to copy it into; null
// for a size that is not positive.
EMSCRIPTEN_KEEPALIVE unsigned char* kyvadlo_font_room(int size)
{
    if (size <= 0)
        return nullptr;
    room.assign(static_cast<std::size_t>(size), 0);
    return room.data();
}

// Adds the font file in the room as a face of the family; 1 when it is a
// TrueType font.
EMSCRIPTEN_KEEPALIVE int kyvadlo_font_add(const char* family, int bold, int italic)
{
    return web::PageText().AddFace(family, std::exchange(room, {}), bold != 0, italic != 0) ? 1 : 0;
}

// Lets a family name stand for a face's family, as the desktop's font
// configuration does ("Times New Roman" for "Liberation Serif").
EMSCRIPTEN_KEEPALIVE void kyvadlo_font_alias(const char* name, const char* family)
{
    web::PageText().AddAlias(name, family);
}

} // extern "C"
