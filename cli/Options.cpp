#include "cli/Options.h"

#include "model/PendulumState.h"
#include "platform/NumberConversion.h"

#include <QString>

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>

namespace cli {

namespace {

// The window's conversion with "." as the separator, whatever the locale.
double ReadNumber(const std::string& text)
{
    return platform::TextToDouble(QString::fromLocal8Bit(text), QLatin1Char('.'));
}

// A whole number of decimal digits alone, within [low, high].
std::optional<std::int64_t> ReadWholeNumber(std::string_view text, std::int64_t low, std::int64_t high)
{
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        return std::nullopt;
    return value;
}

std::vector<double> ReadAngles(const std::string& list)
{
    std::vector<double> angles;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = list.find(',', start);
        angles.push_back(ReadNumber(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start)));
        if (comma == std::string::npos)
            return angles;
        start = comma + 1;
    }
}

OutputFormat ReadFormat(const std::string& text)
{
    if (text == "csv")
        return OutputFormat::Csv;
    if (text == "json")
        return OutputFormat::Json;
    throw UsageError("unknown --format '" + text + "': choose csv or json");
}

void ReadSize(const std::string& text, Options& options)
{
    const std::size_t x = text.find_first_of("xX");
    const std::string_view all(text);
    const auto width = x == std::string::npos ? std::nullopt : ReadWholeNumber(all.substr(0, x), 1, MaxPictureSide);
    const auto height = x == std::string::npos ? std::nullopt : ReadWholeNumber(all.substr(x + 1), 1, MaxPictureSide);
    if (!width || !height) {
        throw UsageError("invalid --size '" + text + "': give WIDTHxHEIGHT in pixels, each from 1 to "
                         + std::to_string(MaxPictureSide) + ", for example 800x600");
    }
    options.width = static_cast<int>(*width);
    options.height = static_cast<int>(*height);
}

// The options that take a value.
const std::string_view valueOptions[] = {"--length", "--inertia", "--angle", "--duration", "--points",
                                         "--format", "--output", "--png", "--size"};

bool TakesValue(std::string_view name)
{
    for (const std::string_view option : valueOptions) {
        if (option == name)
            return true;
    }
    return false;
}

} // namespace

std::int64_t PointsForDuration(double seconds)
{
    if (!(seconds >= 0.0))
        throw UsageError("give 0 seconds or more");
    const long double steps = std::floor(seconds / static_cast<long double>(model::standardTimeStep) + 1e-6L);
    if (steps >= static_cast<long double>(MaxPoints)) {
        throw UsageError("that is more than " + std::to_string(MaxPoints) + " points, the most a run records");
    }
    return static_cast<std::int64_t>(steps) + 1;
}

Options ParseOptions(const std::vector<std::string>& arguments)
{
    Options options;
    std::map<std::string, std::string> values;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            return options;
        }
        if (argument == "--version") {
            options.version = true;
            return options;
        }
        if (argument == "--summary") {
            options.summary = true;
            continue;
        }
        std::string name = argument;
        std::optional<std::string> value;
        if (const std::size_t equals = argument.find('='); argument.starts_with("--") && equals != std::string::npos) {
            name = argument.substr(0, equals);
            value = argument.substr(equals + 1);
        }
        if (name == "-o")
            name = "--output";
        if (!TakesValue(name)) {
            if (value && (name == "--summary" || name == "--help" || name == "--version"))
                throw UsageError("option '" + name + "' takes no value");
            if (argument.starts_with("-") && argument != "-")
                throw UsageError("unknown option '" + name + "'");
            throw UsageError("unexpected argument '" + argument + "'");
        }
        if (!value) {
            if (i + 1 == arguments.size())
                throw UsageError("option '" + name + "' needs a value");
            value = arguments[++i];
        }
        if (values.contains(name)) {
            throw UsageError("option '" + name + "' is given twice"
                             + (name == "--angle" ? std::string("; give several angles as one list: --angle 10,45,90")
                                                  : std::string()));
        }
        values[name] = *value;
    }

    if (values.contains("--duration") && values.contains("--points"))
        throw UsageError("give either --duration or --points, not both");
    if (const auto format = values.find("--format"); format != values.end())
        options.format = ReadFormat(format->second);
    if (const auto size = values.find("--size"); size != values.end())
        ReadSize(size->second, options);
    if (const auto points = values.find("--points"); points != values.end()) {
        const auto count = ReadWholeNumber(points->second, 1, MaxPoints);
        if (!count) {
            throw UsageError("invalid --points '" + points->second + "': give a whole number from 1 to "
                             + std::to_string(MaxPoints));
        }
        options.points = *count;
    }
    if (const auto output = values.find("--output"); output != values.end()) {
        if (output->second.empty())
            throw UsageError("--output needs a file name (or - for standard output)");
        options.output = output->second;
    }
    if (const auto png = values.find("--png"); png != values.end()) {
        if (png->second.empty())
            throw UsageError("--png needs a file name");
        options.png = png->second;
    }
    // The numbers in the order the window reads its fields: a, the angle, J.
    if (const auto length = values.find("--length"); length != values.end())
        options.length = ReadNumber(length->second);
    if (const auto angles = values.find("--angle"); angles != values.end())
        options.angles = ReadAngles(angles->second);
    if (!options.png.empty() && options.angles.size() > static_cast<std::size_t>(runchart::MaxRuns)) {
        throw UsageError("--png draws at most " + std::to_string(runchart::MaxRuns)
                         + " runs, as many as the window's chart holds; --angle lists "
                         + std::to_string(options.angles.size()));
    }
    if (const auto inertia = values.find("--inertia"); inertia != values.end())
        options.inertia = ReadNumber(inertia->second);
    if (const auto duration = values.find("--duration"); duration != values.end()) {
        const double seconds = ReadNumber(duration->second);
        try {
            options.points = PointsForDuration(seconds);
        } catch (const UsageError& error) {
            throw UsageError("invalid --duration '" + duration->second + "': " + error.what());
        }
    }
    return options;
}

} // namespace cli
