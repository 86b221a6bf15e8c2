#include "cli/HelpText.h"
#include "cli/Options.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

using cli::Options;
using cli::ParseOptions;
using cli::PointsForDuration;
using cli::UsageError;

namespace {

// The message of the failure the arguments give, or "" when they are accepted.
std::string FailureOf(const std::vector<std::string>& arguments)
{
    try {
        ParseOptions(arguments);
    } catch (const UsageError& error) {
        return error.what();
    }
    return {};
}

} // namespace

TEST(Options, DefaultsAreTheWindowsFieldsAndATenSecondRun)
{
    const Options options = ParseOptions({});
    EXPECT_EQ(options.length, 0.8);
    EXPECT_EQ(options.inertia, 0.05);
    EXPECT_EQ(options.angles, std::vector<double>{10.0});
    EXPECT_EQ(options.points, 1001);
    EXPECT_EQ(options.format, cli::OutputFormat::Csv);
    EXPECT_TRUE(options.output.empty());
    EXPECT_TRUE(options.png.empty());
    EXPECT_FALSE(options.summary);
    EXPECT_EQ(options.width, 498);
    EXPECT_EQ(options.height, 690);
}

// The help tells the defaults and limits the program uses.
TEST(Options, TheHelpTellsTheDefaultsAndLimitsInUse)
{
    const std::string help = cli::HelpText();
    const auto told = [&help](const char* pattern) {
        std::smatch match;
        EXPECT_TRUE(std::regex_search(help, match, std::regex(pattern))) << pattern;
        return match.size() > 1 ? match[1].str() : std::string();
    };
    const Options defaults = ParseOptions({});
    EXPECT_EQ(std::stod(told(R"(--length A[^(]*\(default ([0-9.]+)\))")), defaults.length);
    EXPECT_EQ(std::stod(told(R"(--inertia J[^(]*\(default ([0-9.]+)\))")), defaults.inertia);
    EXPECT_EQ(std::stod(told(R"(--angle LIST[^(]*\(default ([0-9.]+)\))")), defaults.angles.front());
    EXPECT_EQ(PointsForDuration(std::stod(told(R"(--duration S[^(]*\(default ([0-9.]+)\))"))), defaults.points);
    EXPECT_EQ(std::stoll(told(R"(s gives ([0-9]+);)")), defaults.points);
    EXPECT_EQ(told(R"(--size WxH[^(]*\(default ([0-9x]+),)"),
              std::to_string(defaults.width) + "x" + std::to_string(defaults.height));
    EXPECT_EQ(std::stoll(told(R"(N points instead, 1 to ([0-9]+))")), cli::MaxPoints);
    EXPECT_EQ(std::stoi(told(R"(each side 1 to ([0-9]+))")), cli::MaxPictureSide);
    EXPECT_EQ(std::stoi(told(R"(at most ([0-9]+) runs)")), runchart::MaxRuns);
}

TEST(Options, ValuesFollowTheirNameOrAnEqualsSign)
{
    const Options options = ParseOptions({"--length=1.5", "--inertia", "0.2", "--angle", "-10, 45 ,90", "--points=7",
                                          "--format", "json", "-o", "out.json", "--summary", "--png=c.png",
                                          "--size", "640X480"});
    EXPECT_EQ(options.length, 1.5);
    EXPECT_EQ(options.inertia, 0.2);
    EXPECT_EQ(options.angles, (std::vector<double>{-10.0, 45.0, 90.0})) << "spaces around a number, as in a field";
    EXPECT_EQ(options.points, 7);
    EXPECT_EQ(options.format, cli::OutputFormat::Json);
    EXPECT_EQ(options.output, "out.json");
    EXPECT_TRUE(options.summary);
    EXPECT_EQ(options.png, "c.png");
    EXPECT_EQ(options.width, 640);
    EXPECT_EQ(options.height, 480);
}

TEST(Options, NumbersFailWithTheWindowsMessagesAfterTheirOption)
{
    EXPECT_EQ(FailureOf({"--length", "0,8"}), "--length: '0,8' is not a valid floating point value.")
        << "the separator is '.' whatever the locale";
    EXPECT_EQ(FailureOf({"--inertia", "\t0.05"}), "--inertia: '\t0.05' is not a valid floating point value.");
    EXPECT_EQ(FailureOf({"--angle", "10,,20"}), "--angle: '' is not a valid floating point value.");
    EXPECT_EQ(FailureOf({"--angle", "10;20"}), "--angle: '10;20' is not a valid floating point value.");
    EXPECT_EQ(FailureOf({"--inertia", "1e400"}), "--inertia: Floating point overflow.");
    EXPECT_EQ(FailureOf({"--duration", "ten"}), "--duration: 'ten' is not a valid floating point value.");
    // The window reads a, the angle, then J: the first bad one of those is told.
    EXPECT_EQ(FailureOf({"--inertia", "j", "--angle", "phi", "--length", "a"}),
              "--length: 'a' is not a valid floating point value.");
    EXPECT_EQ(FailureOf({"--inertia", "j", "--angle", "phi"}), "--angle: 'phi' is not a valid floating point value.");
}

TEST(Options, CommandLinesThatCannotBeUsed)
{
    EXPECT_EQ(FailureOf({"--lenght", "1"}), "unknown option '--lenght'");
    EXPECT_EQ(FailureOf({"-x"}), "unknown option '-x'");
    EXPECT_EQ(FailureOf({"run.csv"}), "unexpected argument 'run.csv'");
    EXPECT_EQ(FailureOf({"--summary=yes"}), "option '--summary' takes no value");
    EXPECT_EQ(FailureOf({"--angle"}), "option '--angle' needs a value");
    EXPECT_EQ(FailureOf({"--angle", "10", "--angle", "20"}),
              "option '--angle' is given twice; give several angles as one list: --angle 10,45,90");
    EXPECT_EQ(FailureOf({"--length", "1", "--length=2"}), "option '--length' is given twice");
    EXPECT_EQ(FailureOf({"--duration", "5", "--points", "10"}), "give either --duration or --points, not both");
    EXPECT_EQ(FailureOf({"--format", "xml"}), "unknown --format 'xml': choose csv or json");
    EXPECT_EQ(FailureOf({"--format", "CSV"}), "unknown --format 'CSV': choose csv or json");
    EXPECT_EQ(FailureOf({"--output="}), "--output needs a file name (or - for standard output)");
    EXPECT_EQ(FailureOf({"--png", ""}), "--png needs a file name (or - for standard output)");
    EXPECT_EQ(FailureOf({"--size", "800x600"}), "--size is the picture's size: give it with --png");
    EXPECT_EQ(FailureOf({"--", "x"}), "unexpected argument 'x'") << "-- ends the options";
    EXPECT_EQ(FailureOf({"-o", "--summary=yes"}), "") << "a value, whatever it looks like";
    for (const char* points : {"0", "-3", "+5", "1e6", "2.5", "2147483648", "", "12abc"})
        EXPECT_EQ(FailureOf({"--points", points}),
                  std::string("invalid --points '") + points + "': give a whole number from 1 to 2147483647")
            << points;
    EXPECT_EQ(FailureOf({"--points", "2147483647"}), "");
    for (const char* size : {"0x10", "10x", "x10", "10x10x", "10000x10001", "-5x5", "10*10", "10 x 10", ""})
        EXPECT_EQ(FailureOf({"--size", size}),
                  std::string("invalid --size '") + size
                      + "': give WIDTHxHEIGHT in pixels, each from 1 to 10000, for example 800x600")
            << size;
    std::string manyAngles = "0";
    for (int angle = 1; angle < 258; ++angle)
        manyAngles.append(1, ',').append(std::to_string(angle));
    EXPECT_EQ(FailureOf({"--angle", manyAngles}), "") << "data for any number of runs";
    EXPECT_EQ(FailureOf({"--angle", manyAngles, "--png", "c.png"}),
              "--png draws at most 257 runs, as many as the window's chart holds; --angle lists 258");
    EXPECT_EQ(FailureOf({"--duration", "-1"}), "invalid --duration '-1': give 0 seconds or more");
    EXPECT_EQ(FailureOf({"--duration", "1e300"}),
              "invalid --duration '1e300': that is more than 2147483647 points, the most a run records");
}

// Short options as Qt's parser reads them, and file names kept byte for
// byte, also where they are not valid text in the locale's encoding.
TEST(Options, ShortFormsAndFileNamesAsGiven)
{
    EXPECT_EQ(ParseOptions({"-orun.csv"}).output, "run.csv");
    EXPECT_EQ(ParseOptions({"-o", "\xff\xfe.csv"}).output, "\xff\xfe.csv");
    EXPECT_EQ(ParseOptions({"--png=\xe9t\xe9.png"}).png, "\xe9t\xe9.png");
    EXPECT_TRUE(ParseOptions({"--"}).angles.size() == 1) << "nothing after --";
}

TEST(Options, HelpAndVersionEndTheReading)
{
    EXPECT_TRUE(ParseOptions({"--length", "abc", "--help"}).help);
    EXPECT_TRUE(ParseOptions({"-h", "--bogus"}).help);
    EXPECT_TRUE(ParseOptions({"--version", "--points", "0"}).version);
    EXPECT_EQ(FailureOf({"--bogus", "--help"}), "unknown option '--bogus'");
    EXPECT_EQ(FailureOf({"--points", "1", "--points", "2", "--help"}), "option '--points' is given twice");
    EXPECT_TRUE(ParseOptions({"--points", "1", "--help", "--points", "2"}).help);
    EXPECT_EQ(ParseOptions({"--output", "--help"}).output, "--help") << "a value, not the option";
    EXPECT_EQ(FailureOf({"-hx"}), "unknown option '-hx'");
}

// A run records the points at the nominal times 0, 0.01, ... up to the
// duration; a duration a hair below a whole number of steps counts as that
// number, since the decimal it was typed as could not be held exactly.
TEST(Options, DurationCountsTheStepsWithinIt)
{
    EXPECT_EQ(PointsForDuration(10.0), 1001);
    EXPECT_EQ(PointsForDuration(0.0), 1) << "the window records at least one point";
    EXPECT_EQ(PointsForDuration(0.3), 31);
    EXPECT_EQ(PointsForDuration(0.29), 30) << "0.29 / 0.01 comes out just below 29";
    EXPECT_EQ(PointsForDuration(2.5), 251);
    EXPECT_EQ(PointsForDuration(0.015), 2);
    EXPECT_EQ(PointsForDuration(0.00999), 1);
    EXPECT_EQ(PointsForDuration(0.00999999999), 2) << "within 10 ns of a step";
    EXPECT_EQ(PointsForDuration(21474836.46), 2147483647);
    EXPECT_THROW(PointsForDuration(21474836.47), UsageError);
    EXPECT_THROW(PointsForDuration(-1e-300), UsageError);
    for (int steps = 0; steps <= 100000; ++steps)
        ASSERT_EQ(PointsForDuration(steps * 0.01), steps + 1) << steps;
    EXPECT_EQ(ParseOptions({"--duration", "3"}).points, 301);
}
