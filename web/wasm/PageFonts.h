#pragma once

#include "web/text/StbTextBackend.h"

namespace web {

// The page's text backend, with the font files the script hands over
// (kyvadlo_font_room, kyvadlo_font_add).
StbTextBackend& PageText();

} // namespace web
