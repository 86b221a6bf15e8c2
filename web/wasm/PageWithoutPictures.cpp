// The page built without its chart and figure, while the engine's chart and
// figure libraries cannot be built for the browser: the script finds none of
// the picture functions and leaves those canvases empty.
#include "web/wasm/PagePictures.h"

namespace web {

RunChartTarget* CreatePagePictures(PageHost& /*host*/)
{
    return nullptr;
}

} // namespace web
