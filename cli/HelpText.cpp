#include "cli/HelpText.h"

#include "cli/NumberText.h"
#include "cli/Options.h"
#include "runchart/RunChart.h"

#include <map>
#include <string_view>

namespace cli {

std::string HelpText()
{
    // The defaults and limits are the program's own, put in where they stand.
    const std::map<std::string_view, std::string> values = {
        {"{length}", ShortestText(DefaultLength)},
        {"{inertia}", ShortestText(DefaultInertia)},
        {"{angle}", ShortestText(DefaultAngle)},
        {"{duration}", ShortestText(DefaultDuration)},
        {"{durationPoints}", std::to_string(PointsForDuration(DefaultDuration))},
        {"{maxPoints}", std::to_string(MaxPoints)},
        {"{maxRuns}", std::to_string(runchart::MaxRuns)},
        {"{size}", std::to_string(runchart::ChartWidth) + "x" + std::to_string(runchart::ChartHeight)},
        {"{maxSide}", std::to_string(MaxPictureSide)},
    };
    std::string text = R"(Usage: kyvadlo-run [OPTION]...
Runs the pendulum of the Kyvadlo window without the window: the points its
chart records, a summary of each run and a picture of the chart.

The pendulum (m = 1 kg, g = 9.81 m/s2, one step every 0.01 s):
      --length A       distance a from the pivot to the centre of mass [m]
                       (default {length})
      --inertia J      moment of inertia J about the pivot [kg.m2]
                       (default {inertia})
      --angle LIST     start angle phi0 [degrees] (default {angle}); a comma-
                       separated list gives one run per angle, in order, as
                       if Start were pressed once per angle after Clear
                       (so 12,5 is two runs; twelve and a half is 12.5)
  Numbers are read as the window reads its fields, with "." as the decimal
  separator whatever the locale.

Length of every run:
      --duration S     S seconds of simulated time (default {duration}): the points
                       at the nominal times 0, 0.01, 0.02, ... up to S, that
                       is 1 + floor(S / 0.01) points ({duration} s gives {durationPoints}; S is
                       taken to 10 ns). The recorded times are the window's:
                       sums of 0.01 s steps, so the last time of a 10 s run
                       is 9.999999999999831
      --points N       N points instead, 1 to {maxPoints}

Output:
      --format F       csv (default) or json
  -o, --output FILE    the data to FILE (default: standard output, also "-")
      --summary        per run: points, amplitude, measured period (zero
                       crossings), small-angle and exact period, deviation of
                       the measured from the exact period, largest deviation
                       of the energy; a table on standard error, or inside the
                       JSON with --format json. The swing is measured about
                       the lowest point it swings about (-360 degrees for a
                       start at 370), the exact period is that of phi0
                       reduced into (-180, 180]
      --png FILE       also the chart as the window shows it after the runs,
                       as a PNG picture (at most {maxRuns} runs, as in the window);
                       "-" is standard output, with the data in a file.
                       The picture replaces FILE only once it is complete
      --size WxH       the picture's size in pixels, each side 1 to {maxSide}
                       (default {size}, the size of the window's chart);
                       only with --png
  -h, --help           this help
      --version        the program's version

CSV columns (one header row, one row per point, "." as decimal separator,
every number in its shortest form that reads back exactly):
  run          the run, from 1 in the order of --angle
  t_s          time [s], as the window's chart records it
  phi_deg      angle [degrees], as the chart shows it (a positive start
               angle starts the body left of the pivot, so it is negative)
  omega_rad_s  angular velocity [rad/s]
  E_J          energy J*omega^2/2 + m*g*a*(1 - cos phi) [J]
JSON holds the same numbers per run, with the inputs; values that are not
finite are null there.

Exit status: 0 when every run ended as asked; 1 when a run ended with a
model fault (for example J = 0; the window's message goes to standard error,
the points before it are written, later runs are not started) or when the
output could not be written; 2 when the command line is wrong (nothing is
written).

Examples:
  kyvadlo-run --duration 20 -o run.csv
  kyvadlo-run --angle 10,45,90,170 --summary > /dev/null
  kyvadlo-run --angle 10,45 --png chart.png --size 800x600 > runs.csv
)";
    for (const auto& [name, value] : values) {
        for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name, at + value.size()))
            text.replace(at, name.size(), value);
    }
    return text;
}

std::string VersionText()
{
    return "kyvadlo-run " KYVADLO_VERSION "\n";
}

} // namespace cli
