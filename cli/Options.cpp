#include "cli/Options.h"

#include "model/PendulumState.h"
#include "platform/ErrorText.h"
#include "platform/Exceptions.h"
#include "platform/NumberConversion.h"

#include <QCommandLineParser>
#include <QString>

#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <string_view>

namespace cli {

namespace {

// The options: their names for the parser (the long one last) and whether
// they take a value.
struct OptionName {
    const char* shortName;
    const char* longName;
    bool takesValue;
};

constexpr OptionName optionNames[] = {
    {nullptr, "length", true}, {nullptr, "inertia", true}, {nullptr, "angle", true},
    {nullptr, "duration", true}, {nullptr, "points", true}, {nullptr, "format", true},
    {"o", "output", true},       {nullptr, "summary", false}, {nullptr, "png", true},
    {nullptr, "size", true},     {"h", "help", false},        {nullptr, "version", false},
};

// The option a name the parser found stands for ("o" and "output" are one).
const OptionName& OptionNamed(const QString& name)
{
    for (const OptionName& option : optionNames) {
        if (name == QLatin1String(option.longName)
            || (option.shortName != nullptr && name == QLatin1String(option.shortName)))
            return option;
    }
    throw std::logic_error("the parser found an option it was not given");
}

// How messages name an option: "--output" also for "-o".
std::string Spelled(const OptionName& option)
{
    return std::string("--") + option.longName;
}

// The arguments as the parser takes them: the program's name first, then
// every argument byte for byte, each byte one Latin-1 character. Option names
// are ASCII, so the parser reads them as ever, and a value comes back as the
// very bytes given: a file name that is not valid text in the locale's
// encoding still names its file.
QStringList ParserArguments(const std::vector<std::string>& arguments, std::size_t count)
{
    QStringList list{QStringLiteral("kyvadlo-run")};
    for (std::size_t i = 0; i < count; ++i)
        list.append(QString::fromLatin1(arguments[i]));
    return list;
}

std::string Bytes(const QString& latin1)
{
    return latin1.toLatin1().toStdString();
}

// Why the reading of the arguments ends early: the first argument that
// cannot be used, or --help and --version where they stand.
enum class Stop { None, Unknown, Positional, ValueNotTaken, Twice, HelpOrVersion };

class CommandLine {
public:
    CommandLine()
    {
        parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsCompactedShortOptions);
        for (const OptionName& option : optionNames) {
            QStringList names;
            if (option.shortName != nullptr)
                names.append(QLatin1String(option.shortName));
            names.append(QLatin1String(option.longName));
            const QString valueName = option.takesValue ? QStringLiteral("value") : QString();
            parser_.addOption(QCommandLineOption(names, QString(), valueName));
        }
    }

    // Reads the arguments up to the first that ends the reading. The parser
    // reads a whole list and keeps going past unknown options, so the first
    // of several faults is found as the shortest front part of the list that
    // has one.
    void Read(const std::vector<std::string>& arguments)
    {
        arguments_ = &arguments;
        count_ = arguments.size();
        stop_ = ReadFront(count_);
        for (std::size_t count = 1; stop_ != Stop::None && count < arguments.size(); ++count) {
            if (const Stop stop = ReadFront(count); stop != Stop::None) {
                stop_ = stop;
                count_ = count;
                return;
            }
        }
        if (stop_ != Stop::None)
            ReadFront(count_);
    }

    // Throws UsageError for the fault that ended the reading, if one did.
    // Returns true when --help or --version ended it.
    bool CheckStop() const
    {
        const std::string last = count_ > 0 ? (*arguments_)[count_ - 1] : std::string();
        switch (stop_) {
        case Stop::Unknown:
            // A long option is named without its value, a short one as given.
            throw UsageError("unknown option '" + (last.starts_with("--") ? last.substr(0, last.find('=')) : last)
                             + "'");
        case Stop::Positional:
            throw UsageError("unexpected argument '" + last + "'");
        case Stop::ValueNotTaken:
            throw UsageError("option '" + Spelled(OptionNamed(parser_.optionNames().back())) + "' takes no value");
        case Stop::Twice: {
            const std::string name = Spelled(OptionNamed(parser_.optionNames().back()));
            throw UsageError("option '" + name + "' is given twice"
                             + (name == "--angle" ? std::string("; give several angles as one list: --angle 10,45,90")
                                                  : std::string()));
        }
        case Stop::HelpOrVersion:
            return true;
        case Stop::None:
            break;
        }
        if (parsed_)
            return false;
        // The only fault the parser leaves for the end: the last option has no value.
        throw UsageError("option '" + Spelled(OptionNamed(parser_.optionNames().back())) + "' needs a value");
    }

    bool IsSet(const char* longName) const { return parser_.isSet(QLatin1String(longName)); }

    // The value of an option that takes one, when given.
    std::optional<std::string> Value(const char* longName) const
    {
        if (!IsSet(longName))
            return std::nullopt;
        return Bytes(parser_.value(QLatin1String(longName)));
    }

private:
    // Parses the first count arguments and tells why the reading ends there,
    // if it does. A value missing after the last of them ends it only when
    // they are all the arguments.
    Stop ReadFront(std::size_t count)
    {
        parsed_ = parser_.parse(ParserArguments(*arguments_, count));
        if (!parser_.unknownOptionNames().isEmpty())
            return Stop::Unknown;
        if (!parser_.positionalArguments().isEmpty())
            return Stop::Positional;
        const QStringList found = parser_.optionNames();
        if (!parsed_ && !found.isEmpty() && !OptionNamed(found.back()).takesValue)
            return Stop::ValueNotTaken;
        std::map<std::string_view, int> seen;
        for (const QString& name : found) {
            if (++seen[OptionNamed(name).longName] > 1)
                return Stop::Twice;
        }
        if (IsSet("help") || IsSet("version"))
            return Stop::HelpOrVersion;
        return Stop::None;
    }

    QCommandLineParser parser_;
    const std::vector<std::string>* arguments_ = nullptr;
    std::size_t count_ = 0;
    Stop stop_ = Stop::None;
    bool parsed_ = true;
};

// The window's conversion with "." as the separator, whatever the locale;
// a refused number names its option before the window's message.
double ReadNumber(const std::string& text, std::string_view option)
{
    try {
        return platform::TextToDouble(QString::fromLocal8Bit(text).toStdString(), ".");
    } catch (const KyvadloError& error) {
        const std::string message = platform::ErrorBoxText(error.Message());
        throw UsageError(std::string(option) + ": " + QString::fromStdString(message).toLocal8Bit().toStdString());
    }
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
        angles.push_back(
            ReadNumber(list.substr(start, comma == std::string::npos ? std::string::npos : comma - start), "--angle"));
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
    CommandLine line;
    line.Read(arguments);
    Options options;
    if (line.CheckStop()) {
        options.help = line.IsSet("help");
        options.version = !options.help;
        return options;
    }
    options.summary = line.IsSet("summary");

    const auto duration = line.Value("duration");
    const auto points = line.Value("points");
    if (duration && points)
        throw UsageError("give either --duration or --points, not both");
    if (const auto format = line.Value("format"))
        options.format = ReadFormat(*format);
    const auto size = line.Value("size");
    if (size)
        ReadSize(*size, options);
    if (points) {
        const auto count = ReadWholeNumber(*points, 1, MaxPoints);
        if (!count) {
            throw UsageError("invalid --points '" + *points + "': give a whole number from 1 to "
                             + std::to_string(MaxPoints));
        }
        options.points = *count;
    }
    if (const auto output = line.Value("output")) {
        if (output->empty())
            throw UsageError("--output needs a file name (or - for standard output)");
        options.output = *output;
    }
    if (const auto png = line.Value("png")) {
        if (png->empty())
            throw UsageError("--png needs a file name (or - for standard output)");
        options.png = *png;
    }
    if (size && options.png.empty())
        throw UsageError("--size is the picture's size: give it with --png");
    // The numbers in the order the window reads its fields: a, the angle, J.
    if (const auto length = line.Value("length"))
        options.length = ReadNumber(*length, "--length");
    if (const auto angles = line.Value("angle"))
        options.angles = ReadAngles(*angles);
    if (!options.png.empty() && options.angles.size() > static_cast<std::size_t>(runchart::MaxRuns)) {
        throw UsageError("--png draws at most " + std::to_string(runchart::MaxRuns)
                         + " runs, as many as the window's chart holds; --angle lists "
                         + std::to_string(options.angles.size()));
    }
    if (const auto inertia = line.Value("inertia"))
        options.inertia = ReadNumber(*inertia, "--inertia");
    if (duration) {
        const double seconds = ReadNumber(*duration, "--duration");
        try {
            options.points = PointsForDuration(seconds);
        } catch (const UsageError& error) {
            throw UsageError("invalid --duration '" + *duration + "': " + error.what());
        }
    }
    return options;
}

} // namespace cli
