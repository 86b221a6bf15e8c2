#pragma once

#include "web/core/RunRecord.h"
#include "web/core/RunStack.h"
#include "web/wasm/PageHost.h"
#include "web/wasm/PagePictures.h"

namespace web {

// The page's one run control and what it works through: the script's side,
// the record of the series for the test hook, and the chart and figure.
struct Page {
    explicit Page(char16_t decimalSeparator)
        : record(CreatePagePictures(host))
        , runs(host, record, decimalSeparator)
    {
    }

    PageHost host;
    RunRecord record;
    RunStack runs;
};

// The page, once the script has made it.
Page& ThePage();

} // namespace web
