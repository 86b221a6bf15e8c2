#pragma once

#include "runchart/RunChart.h"

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

namespace cli {

// A command line that cannot be used: an unknown option, a missing or
// malformed value. The message says what is wrong.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class OutputFormat { Csv, Json };

// A run records at most this many points: as many as a line of the chart holds.
inline constexpr std::int64_t MaxPoints = 2147483647;
// Neither side of a picture may be larger.
inline constexpr int MaxPictureSide = 10000;

// The values of options not given: the window's fields as it starts, and a
// run of ten seconds. The help tells these very values.
inline constexpr double DefaultLength = 0.8;   // m
inline constexpr double DefaultInertia = 0.05; // kg m^2
inline constexpr double DefaultAngle = 10.0;   // degrees
inline constexpr double DefaultDuration = 10.0; // s

// The points a run of the given simulated seconds records: one per 0.01 s
// step of nominal time from 0 up to the duration, 1 + floor(seconds / 0.01),
// where a duration within a millionth of a step below a whole number of steps
// counts as that number (the recorded times themselves are the window's
// accumulated sums). Throws UsageError, saying what is wrong with the value,
// for a negative duration or one that needs more than MaxPoints points.
std::int64_t PointsForDuration(double seconds);

// What the command line asks for, every value checked.
struct Options {
    double length = DefaultLength;
    double inertia = DefaultInertia;
    // One run per angle, in this order; with a picture at most runchart::MaxRuns.
    std::vector<double> angles{DefaultAngle};
    // Points per run.
    std::int64_t points = PointsForDuration(DefaultDuration);
    OutputFormat format = OutputFormat::Csv;
    // The data's file; empty or "-" for standard output.
    std::string output;
    bool summary = false;
    // The picture's file; empty for no picture, "-" for standard output.
    std::string png;
    int width = runchart::ChartWidth;
    int height = runchart::ChartHeight;
    bool help = false;
    bool version = false;
};

// Reads the arguments that follow the program's name with Qt's command line
// parser: "--name value", "--name=value", "-o value" and "-ovalue" are all
// accepted, and "--" ends the options. --help and --version end the reading
// where they stand. Throws UsageError for a command line that cannot be used;
// a number that the window's conversion refuses gives the window's message
// after the option's name ("--angle: '' is not a valid floating point value.").
Options ParseOptions(const std::vector<std::string>& arguments);

} // namespace cli
