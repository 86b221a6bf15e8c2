// The chart widget's accessible description, and the zooms and scrolls of
// the user that change what it says.
#include "chart/qt/Chart.h"

// Qt announces a changed description on the accessibility bus itself.
void TChart::UpdateDescription()
{
    describedEnds_ = SideAxisEndsNow();
    setAccessibleDescription(Describe ? Describe() : QString());
}

// The automatic ends that a paint takes from the series do not count: only
// the settings a zoom or scroll changes.
TChart::SideAxisEnds TChart::SideAxisEndsNow() const
{
    SideAxisEnds ends;
    const TCustomChartAxis* const axes[] = {&BottomAxis(), &TopAxis(), &LeftAxis(), &RightAxis()};
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const TCustomChartAxis& axis = *axes[i];
        const bool automaticMinimum = axis.Automatic() || axis.AutomaticMinimum();
        const bool automaticMaximum = axis.Automatic() || axis.AutomaticMaximum();
        ends[i] = {automaticMinimum, automaticMaximum, automaticMinimum ? 0.0 : axis.Minimum(),
                   automaticMaximum ? 0.0 : axis.Maximum()};
    }
    return ends;
}

void TChart::FollowUserRanges()
{
    if (SideAxisEndsNow() != describedEnds_)
        UpdateDescription();
}
