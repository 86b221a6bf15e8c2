#include "cli/Program.h"

#include "cli/CsvWriter.h"
#include "cli/HelpText.h"
#include "cli/JsonWriter.h"
#include "cli/OffscreenGui.h"
#include "cli/Options.h"
#include "cli/OutputBuffer.h"
#include "cli/OutputFile.h"
#include "cli/RunPicture.h"
#include "cli/RunSummary.h"
#include "cli/SummaryTable.h"
#include "platform/ErrorText.h"
#include "platform/Exceptions.h"

#include <filesystem>
#include <memory>
#include <new>
#include <optional>

namespace cli {

namespace {

void Report(std::FILE* standardError, const std::string& message)
{
    std::fprintf(standardError, "kyvadlo-run: %s\n", message.c_str());
}

// A message of the window, as its error box shows it.
std::string WindowMessage(const QString& message)
{
    return platform::ErrorBoxText(message).toLocal8Bit().toStdString();
}

bool DataToStandardOutput(const Options& options)
{
    return options.output.empty() || options.output == "-";
}

bool SameFile(const std::string& first, const std::string& second)
{
    std::error_code error;
    const std::filesystem::path a = std::filesystem::weakly_canonical(first, error);
    if (error)
        return false;
    const std::filesystem::path b = std::filesystem::weakly_canonical(second, error);
    return !error && a == b;
}

// The files the command line names, opened before anything runs, so that a
// name that cannot be written fails before any output. The picture's file
// is opened first; if the data's then fails, a picture file made just now
// is removed again.
struct OutputFiles {
    explicit OutputFiles(const Options& options)
    {
        if (!options.png.empty()) {
            std::error_code error;
            const bool existed = std::filesystem::exists(options.png, error);
            picture.emplace(options.png);
            if (!DataToStandardOutput(options)) {
                try {
                    data.emplace(options.output);
                } catch (const WriteError&) {
                    if (!existed)
                        picture->Discard();
                    throw;
                }
            }
        } else if (!DataToStandardOutput(options)) {
            data.emplace(options.output);
        }
    }

    std::optional<OutputFile> data;
    std::optional<OutputFile> picture;
};

// The runs, written as they go. Returns the message of the model fault that
// ended a run, if one did.
std::optional<QString> RunAll(const Options& options, ObserverList& observers, DataWriter& writer)
{
    writer.BeginDocument();
    std::optional<QString> fault;
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
    if (!options.png.empty() && !DataToStandardOutput(options) && SameFile(options.png, options.output)) {
        Report(standardError, "--output and --png name the same file");
        return ExitUsage;
    }
    std::optional<OutputFiles> files;
    try {
        files.emplace(options);
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
        picture.emplace(options.width, options.height);
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

    // The summary first: the JSON writer reads a run's summary at its end.
    ObserverList observers;
    if (options.summary)
        observers.Add(summary);
    if (picture)
        observers.Add(*picture);
    observers.Add(*writer);

    const std::optional<QString> fault = RunAll(options, observers, *writer);
    buffer.Flush();
    if (files->data)
        files->data->Close();
    if (options.summary && options.format == OutputFormat::Csv)
        std::fputs(FormatSummaryTable(summary.Runs()).c_str(), standardError);
    if (picture) {
        const QByteArray png = EncodePng(picture->Render());
        FileSink pictureSink(files->picture->Stream(), files->picture->Name());
        pictureSink.Write(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        files->picture->Close();
    }
    if (fault) {
        Report(standardError, WindowMessage(*fault));
        return ExitRunFailed;
    }
    return ExitSuccess;
}

} // namespace

int RunProgram(const std::vector<std::string>& arguments, std::FILE* standardOutput, std::FILE* standardError)
{
    Options options;
    try {
        options = ParseOptions(arguments);
    } catch (const UsageError& error) {
        Report(standardError, error.what());
        std::fputs("Try 'kyvadlo-run --help' for more information.\n", standardError);
        return ExitUsage;
    } catch (const KyvadloError& error) {
        Report(standardError, WindowMessage(error.message()));
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
        Report(standardError, "out of memory: the picture keeps every point (16 bytes each); ask for fewer points");
        return ExitRunFailed;
    } catch (const std::exception& error) {
        // Output that cannot be written, or memory that runs out.
        Report(standardError, error.what());
        return ExitRunFailed;
    }
}

} // namespace cli
