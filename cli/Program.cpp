#include "cli/Program.h"

#include "cli/CsvWriter.h"
#include "cli/HelpText.h"
#include "cli/JsonWriter.h"
#include "cli/OffscreenGui.h"
#include "cli/Options.h"
#include "cli/OutputBuffer.h"
#include "cli/OutputFile.h"
#include "cli/OutputTarget.h"
#include "cli/PictureFile.h"
#include "cli/ProgressLine.h"
#include "cli/RunPicture.h"
#include "cli/RunSummary.h"
#include "cli/SummaryTable.h"
#include "platform/ErrorText.h"

#include <unistd.h>

#include <memory>
#include <new>
#include <optional>

namespace cli {

namespace {

void Report(std::FILE* standardError, const std::string& message)
{
    std::fprintf(standardError, "kyvadlo-run: %s\n", message.c_str());
}

// A command line that cannot be used: what is wrong, and where to look.
void ReportUsage(std::FILE* standardError, const std::string& message)
{
    Report(standardError, message);
    std::fputs("Try 'kyvadlo-run --help'.\n", standardError);
}

// A message of the window, as its error box shows it.
std::string WindowMessage(const std::string& message)
{
    return QString::fromStdString(platform::ErrorBoxText(message)).toLocal8Bit().toStdString();
}

bool DataToStandardOutput(const Options& options)
{
    return options.output.empty() || options.output == "-";
}

bool IsTerminal(std::FILE* stream)
{
    return ::isatty(::fileno(stream)) == 1;
}

// The files the command line names. Every name is checked before anything
// is opened for writing; then the picture's new file is made, which replaces
// nothing until the picture is complete, and only then is the data's file
// opened (and emptied). A name that cannot be written thus fails with every
// existing file as it was.
struct OutputFiles {
    OutputFiles(const Options& options, std::FILE* standardOutput)
    {
        const OutputTarget dataTarget = DataToStandardOutput(options)
                                            ? StreamTarget(standardOutput, "standard output")
                                            : FindOutputTarget(options.output);
        if (!options.png.empty()) {
            OutputTarget target = options.png == "-" ? StreamTarget(standardOutput, "standard output")
                                                     : FindOutputTarget(options.png);
            if (SameFile(dataTarget, target))
                throw UsageError("--output and --png name the same file");
            picture.emplace(std::move(target), standardOutput);
        }
        if (!DataToStandardOutput(options))
            data.emplace(options.output);
    }

    std::optional<OutputFile> data;
    std::optional<PictureFile> picture;
};

// The runs, written as they go. Returns the message of the model fault that
// ended a run, if one did.
std::optional<std::string> RunAll(const Options& options, ObserverList& observers, DataWriter& writer)
{
    writer.BeginDocument();
    std::optional<std::string> fault;
    for (std::size_t i = 0; i < options.angles.size() && !fault; ++i) {
        const RunInputs inputs{options.length, options.inertia, options.angles[i]};
        observers.BeginRun(static_cast<int>(i), inputs);
        const RunEnd end = SimulateRun(inputs, options.points, observers);
        observers.EndRun(end);
        fault = end.fault;
    }
    writer.EndDocument();
    return fault;
}

int Run(const Options& options, std::FILE* standardOutput, std::FILE* standardError)
{
    std::optional<OutputFiles> files;
    try {
        files.emplace(options, standardOutput);
    } catch (const UsageError& error) {
        ReportUsage(standardError, error.what());
        return ExitUsage;
    } catch (const WriteError& error) {
        Report(standardError, error.what());
        return ExitUsage;
    }

    // The picture's fonts need the GUI; made before the runs, so that a
    // platform that cannot start fails before the work.
    std::optional<OffscreenGui> gui;
    std::optional<RunPicture> picture;
    if (files->picture) {
        gui.emplace();
        picture.emplace(options.width, options.height, options.points);
    }

    FileSink dataSink = files->data ? FileSink(files->data->Stream(), files->data->Name())
                                    : FileSink(standardOutput, "standard output");
    OutputBuffer buffer(dataSink);
    SummaryRecorder summary;
    std::unique_ptr<DataWriter> writer;
    if (options.format == OutputFormat::Json)
        writer = std::make_unique<JsonWriter>(buffer, options.summary ? &summary : nullptr);
    else
        writer = std::make_unique<CsvWriter>(buffer);

    // Progress on a terminal, unless the data scrolls past on one.
    std::optional<ProgressLine> progress;
    if (IsTerminal(standardError) && !(DataToStandardOutput(options) && IsTerminal(standardOutput)))
        progress.emplace(standardError, options.points * static_cast<std::int64_t>(options.angles.size()));

    // The summary first: the JSON writer reads a run's summary at its end.
    ObserverList observers;
    if (options.summary)
        observers.Add(summary);
    if (picture)
        observers.Add(*picture);
    if (progress)
        observers.Add(*progress);
    observers.Add(*writer);

    const std::optional<std::string> fault = RunAll(options, observers, *writer);
    if (progress)
        progress->Erase();
    buffer.Flush();
    if (files->data)
        files->data->Close();
    bool summaryLost = false;
    if (options.summary && options.format == OutputFormat::Csv) {
        summaryLost = std::fputs(FormatSummaryTable(summary.Runs()).c_str(), standardError) == EOF
                      || std::fflush(standardError) != 0;
    }
    if (picture) {
        const QByteArray png = EncodePng(picture->Render());
        files->picture->Write(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    }
    if (fault) {
        Report(standardError, WindowMessage(*fault));
        return ExitRunFailed;
    }
    return summaryLost ? ExitRunFailed : ExitSuccess;
}

} // namespace

int RunProgram(const std::vector<std::string>& arguments, std::FILE* standardOutput, std::FILE* standardError)
{
    Options options;
    try {
        options = ParseOptions(arguments);
    } catch (const UsageError& error) {
        ReportUsage(standardError, error.what());
        return ExitUsage;
    }
    if (options.help || options.version) {
        std::fputs((options.help ? HelpText() : VersionText()).c_str(), standardOutput);
        return std::fflush(standardOutput) == 0 ? ExitSuccess : ExitRunFailed;
    }
    try {
        return Run(options, standardOutput, standardError);
    } catch (const std::bad_alloc&) {
        // Only the picture keeps the points; everything else streams.
        Report(standardError, "out of memory: the picture keeps every point (20 bytes each); ask for fewer points");
        return ExitRunFailed;
    } catch (const std::exception& error) {
        // Output that cannot be written, or memory that runs out.
        Report(standardError, error.what());
        return ExitRunFailed;
    }
}

} // namespace cli
