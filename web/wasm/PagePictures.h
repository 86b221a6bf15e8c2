#pragma once

namespace web {

class PageHost;
class RunChartTarget;

// Makes the page's chart and figure: the figure draws the frames the host is
// asked for, and the chart is given for the runs to draw on.
RunChartTarget* CreatePagePictures(PageHost& host);

} // namespace web
