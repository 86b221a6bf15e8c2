// What the program writes: CSV and JSON text, the buffer under them, and
// output that cannot be written.
#include "CliTestSupport.h"

#include "cli/JsonWriter.h"
#include "cli/OutputBuffer.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <limits>

using cli_testing::Captured;
using cli_testing::RunInProcess;
using cli_testing::SameBits;

namespace {

QJsonObject ParseJson(const std::string& text)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << text;
    return document.object();
}

} // namespace

TEST(CsvOutput, EveryNumberReadsBackAsTheSameDouble)
{
    const Captured run = RunInProcess({"--angle", "10,-77.5", "--points", "500", "--length", "0.35"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    ASSERT_TRUE(run.out.starts_with("run,t_s,phi_deg,omega_rad_s,E_J\n"));
    const std::vector<std::vector<double>> rows = cli_testing::CsvRows(run.out);
    ASSERT_EQ(rows.size(), 1000u);
    for (int r = 0; r < 2; ++r) {
        const cli_testing::SampleCollector expected =
            cli_testing::Simulate({0.35, 0.05, r == 0 ? 10.0 : -77.5}, 500);
        for (int i = 0; i < 500; ++i) {
            const std::vector<double>& row = rows[static_cast<std::size_t>(r * 500 + i)];
            ASSERT_EQ(row[0], r + 1);
            const cli::Sample& sample = expected.samples[static_cast<std::size_t>(i)];
            ASSERT_TRUE(SameBits(sample.time, row[1]));
            ASSERT_TRUE(SameBits(sample.degrees, row[2]));
            ASSERT_TRUE(SameBits(sample.omega, row[3]));
            ASSERT_TRUE(SameBits(sample.energy, row[4]));
        }
    }
    EXPECT_NE(run.out.find("\n1,0.01,"), std::string::npos) << "shortest form, '.' separator";
}

TEST(JsonOutput, OneObjectPerRunWithInputsSamplesAndSummary)
{
    const Captured run = RunInProcess({"--format", "json", "--angle", "10,45", "--duration", "1", "--summary"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << "the summary is inside the JSON";
    const QJsonObject document = ParseJson(run.out);
    EXPECT_EQ(document["columns"].toArray(), QJsonArray({"t_s", "phi_deg", "omega_rad_s", "E_J"}));
    const QJsonArray runs = document["runs"].toArray();
    ASSERT_EQ(runs.size(), 2);
    const QJsonObject second = runs[1].toObject();
    EXPECT_EQ(second["run"].toInt(), 2);
    EXPECT_EQ(second["inputs"].toObject(), QJsonObject({{"length_m", 0.8}, {"inertia_kg_m2", 0.05}, {"angle_deg", 45}}));
    EXPECT_EQ(second["points"].toInt(), 101);
    const QJsonArray samples = second["samples"].toArray();
    ASSERT_EQ(samples.size(), 101);
    const cli_testing::SampleCollector expected = cli_testing::Simulate({0.8, 0.05, 45.0}, 101);
    for (int i = 0; i < 101; ++i) {
        const QJsonArray sample = samples[i].toArray();
        ASSERT_EQ(sample.size(), 4);
        ASSERT_TRUE(SameBits(expected.samples[static_cast<std::size_t>(i)].degrees, sample[1].toDouble())) << i;
    }
    const QJsonObject summary = second["summary"].toObject();
    EXPECT_EQ(summary["points"].toInt(), 101);
    EXPECT_NEAR(summary["exact_period_s"].toDouble(), 0.5215639, 1e-6);
    EXPECT_GT(summary["measured_period_s"].toDouble(), 0.5);
    EXPECT_FALSE(summary.contains("not_available"));
    EXPECT_FALSE(second.contains("error"));
}

TEST(JsonOutput, FiguresThatAreNotAvailableAreNullWithTheirReason)
{
    const Captured run = RunInProcess({"--format", "json", "--angle", "180", "--points", "10", "--summary"});
    ASSERT_EQ(run.status, 0);
    const QJsonObject summary = ParseJson(run.out)["runs"].toArray()[0].toObject()["summary"].toObject();
    EXPECT_TRUE(summary["exact_period_s"].isNull());
    EXPECT_TRUE(summary["measured_period_s"].isNull());
    const QJsonObject reasons = summary["not_available"].toObject();
    EXPECT_EQ(reasons["exact_period_s"].toString(),
              QStringLiteral("no swing back: the body starts upright, 180 degrees from its lowest point"));
    EXPECT_EQ(reasons["period_deviation"].toString(), QStringLiteral("no measured period"));
    EXPECT_FALSE(reasons.contains("small_angle_period_s"));
}

// a = 5.87e307, J = 1: the energies overflow at once and an overflow of the
// angle ends the run after about 3 s.
TEST(JsonOutput, StaysValidWithValuesThatAreNotFiniteAndAFault)
{
    const Captured run = RunInProcess(
        {"--format", "json", "--length", "5.87e307", "--inertia", "1", "--angle", "10,20", "--summary"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "kyvadlo-run: Floating point overflow.\n");
    const QJsonArray runs = ParseJson(run.out)["runs"].toArray();
    ASSERT_EQ(runs.size(), 1) << "later runs are not started";
    const QJsonObject first = runs[0].toObject();
    EXPECT_EQ(first["error"].toString(), QStringLiteral("Floating point overflow."));
    const QJsonArray samples = first["samples"].toArray();
    EXPECT_EQ(first["points"].toInt(), samples.size());
    EXPECT_GT(samples.size(), 301);
    EXPECT_TRUE(samples[5].toArray()[3].isNull()) << "an infinite energy";
    EXPECT_TRUE(first["summary"].toObject()["energy_deviation"].isNull());
}

TEST(JsonOutput, StringsAreEscaped)
{
    cli::StringSink sink;
    cli::OutputBuffer out(sink);
    cli::JsonWriter writer(out, nullptr);
    writer.BeginDocument();
    writer.BeginRun(0, {1, 2, 3});
    writer.AddSample({0, std::numeric_limits<double>::quiet_NaN(), -std::numeric_limits<double>::infinity(), -0.0});
    writer.EndRun({1, 0.01, std::string("a \"quoted\"\\ message\twith\ncontrols")});
    writer.EndDocument();
    out.Flush();
    const QJsonObject run = ParseJson(sink.text)["runs"].toArray()[0].toObject();
    EXPECT_EQ(run["error"].toString(), QStringLiteral("a \"quoted\"\\ message\twith\ncontrols."));
    const QJsonArray sample = run["samples"].toArray()[0].toArray();
    EXPECT_TRUE(sample[1].isNull());
    EXPECT_TRUE(sample[2].isNull());
    EXPECT_NE(sink.text.find("[0,null,null,-0]"), std::string::npos) << sink.text;
}

TEST(OutputBuffer, KeepsTheOrderAcrossBlocksAndLargeWrites)
{
    cli::StringSink sink;
    {
        cli::OutputBuffer out(sink);
        for (int i = 0; i < 20000; ++i) {
            out.AppendNumber(i * 0.1);
            out.Append(',');
            if (i % 7000 == 0)
                out.Append(std::string(cli::OutputBuffer::BlockSize + 3, static_cast<char>('a' + i % 26)));
        }
        out.AppendInteger(-42);
        out.Flush();
    }
    ASSERT_GT(sink.text.size(), 3 * cli::OutputBuffer::BlockSize);
    std::size_t at = 0;
    for (int i = 0; i < 20000; ++i) {
        const std::size_t comma = sink.text.find(',', at);
        const double value = std::stod(sink.text.substr(at, comma - at));
        ASSERT_TRUE(SameBits(i * 0.1, value)) << i;
        at = comma + 1;
        if (i % 7000 == 0) {
            ASSERT_EQ(sink.text.substr(at, cli::OutputBuffer::BlockSize + 3),
                      std::string(cli::OutputBuffer::BlockSize + 3, static_cast<char>('a' + i % 26)));
            at += cli::OutputBuffer::BlockSize + 3;
        }
    }
    EXPECT_EQ(sink.text.substr(at), "-42");
}

TEST(Output, ADeviceThatIsFullFailsWithExitStatusOne)
{
    const Captured toFile = RunInProcess({"--output", "/dev/full"});
    EXPECT_EQ(toFile.status, 1);
    EXPECT_EQ(toFile.err, "kyvadlo-run: cannot write to '/dev/full': No space left on device\n");

    std::FILE* full = std::fopen("/dev/full", "w");
    ASSERT_NE(full, nullptr);
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(cli::RunProgram({"--points", "3"}, full, err), 1) << "standard output too";
    std::fclose(full);
    EXPECT_EQ(cli_testing::ReadAll(err), "kyvadlo-run: cannot write to standard output: No space left on device\n");
}

TEST(Output, FilesThatCannotBeOpenedFailBeforeAnyOutput)
{
    const QTemporaryDir folder;
    const std::string missing = folder.filePath(QStringLiteral("no/such/folder/x")).toStdString();
    const std::string picture = folder.filePath(QStringLiteral("chart.png")).toStdString();
    const std::string data = folder.filePath(QStringLiteral("data.csv")).toStdString();

    Captured run = RunInProcess({"--output", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(run.err, "kyvadlo-run: cannot open '" + missing + "' for writing: No such file or directory\n");

    run = RunInProcess({"--png", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty()) << "not even the header";

    run = RunInProcess({"--png", picture, "--output", missing});
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(picture))) << "the picture file made for it is gone again";

    run = RunInProcess({"--png", picture, "-o", data, "--points", "5"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty()) << "the data went to the file";
    QFile written(QString::fromStdString(data));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().count('\n'), 6);
    EXPECT_FALSE(QImage(QString::fromStdString(picture)).isNull());
}

namespace {

QByteArray Contents(const std::string& path)
{
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

// A picture takes its file's place only when complete: a run refused after
// the picture's name was taken leaves the old picture and nothing else.
TEST(Output, ARefusedRunLeavesAnExistingPictureAsItWas)
{
    const QTemporaryDir folder;
    const std::string picture = folder.filePath(QStringLiteral("p.png")).toStdString();
    ASSERT_EQ(RunInProcess({"--points", "5", "--png", picture}).status, 0);
    const QByteArray before = Contents(picture);
    ASSERT_TRUE(before.startsWith("\x89PNG"));

    const Captured refused = RunInProcess({"--png", picture, "-o", "/nonexistent/x.csv"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(Contents(picture), before);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("p.png")})
        << "no new file left behind";

    const Captured unwritable = RunInProcess({"--points", "5", "--png", "/dev/full"});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_EQ(unwritable.err, "kyvadlo-run: cannot write to '/dev/full': No space left on device\n");
}

// The replaced picture keeps what the old file had: its permissions, and a
// symbolic link that pointed to it.
TEST(Output, AReplacedPictureKeepsPermissionsAndLinks)
{
    const QTemporaryDir folder;
    const std::string picture = folder.filePath(QStringLiteral("p.png")).toStdString();
    const std::string link = folder.filePath(QStringLiteral("link.png")).toStdString();
    ASSERT_EQ(RunInProcess({"--points", "5", "--png", picture}).status, 0);
    ASSERT_EQ(::chmod(picture.c_str(), 0640), 0);
    ASSERT_EQ(::symlink("p.png", link.c_str()), 0);

    ASSERT_EQ(RunInProcess({"--points", "50", "--png", link}).status, 0);
    struct stat linkStatus {};
    ASSERT_EQ(::lstat(link.c_str(), &linkStatus), 0);
    EXPECT_TRUE(S_ISLNK(linkStatus.st_mode));
    struct stat pictureStatus {};
    ASSERT_EQ(::stat(picture.c_str(), &pictureStatus), 0);
    EXPECT_EQ(pictureStatus.st_mode & 07777, 0640u);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).size(), 2);
}

// Two names for one file would give a picture followed by the data, or the
// other way round: refused before anything is written, whatever the names
// (the executable's tests give names relative to the working folder).
TEST(Output, TwoNamesForOneFileAreRefused)
{
    const QTemporaryDir folder;
    const auto path = [&folder](const char* name) { return folder.filePath(QLatin1String(name)).toStdString(); };
    const std::string existing = path("existing.csv");
    ASSERT_TRUE(QFile(QString::fromStdString(existing)).open(QIODevice::WriteOnly));
    ASSERT_EQ(::link(existing.c_str(), path("hard.csv").c_str()), 0);
    ASSERT_EQ(::symlink("existing.csv", path("soft.csv").c_str()), 0);
    ASSERT_EQ(::symlink("new.csv", path("dangling.csv").c_str()), 0);
    const std::pair<std::string, std::string> pairs[] = {
        {path("hard.csv"), existing},
        {path("soft.csv"), existing},
        {path("dangling.csv"), path("new.csv")},
    };
    for (const auto& [picture, data] : pairs) {
        const Captured run = RunInProcess({"--png", picture, "-o", data});
        EXPECT_EQ(run.status, 2) << picture;
        EXPECT_EQ(run.err, "kyvadlo-run: --output and --png name the same file\n"
                           "Try 'kyvadlo-run --help'.\n");
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 3) << "nothing made";

    // Standard output, by another name of its own.
    std::FILE* out = std::tmpfile();
    std::FILE* err = std::tmpfile();
    EXPECT_EQ(cli::RunProgram({"--png", "/dev/fd/" + std::to_string(::fileno(out))}, out, err), 2);
    EXPECT_TRUE(cli_testing::ReadAll(out).empty());
    EXPECT_TRUE(cli_testing::ReadAll(err).starts_with("kyvadlo-run: --output and --png name the same file\n"));
    EXPECT_EQ(RunInProcess({"--png", "-"}).status, 2);

    // The null device keeps nothing, so nothing is spoilt.
    EXPECT_EQ(RunInProcess({"-o", "/dev/null", "--png", "/dev/null", "--points", "3"}).status, 0);
}

TEST(Output, SummaryTableGoesToStandardErrorAfterTheData)
{
    const Captured run = RunInProcess({"--angle", "10,45,90,170", "--summary", "--points", "1001"});
    ASSERT_EQ(run.status, 0);
    EXPECT_EQ(cli_testing::CsvRows(run.out).size(), 4004u);
    EXPECT_TRUE(run.err.starts_with("run  a [m]")) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 5) << "a header and four runs, nothing n/a";
}

TEST(Output, AFaultKeepsThePointsBeforeItAndStartsNoFurtherRun)
{
    const Captured zero = RunInProcess({"--inertia", "0", "--angle", "10,20", "--summary"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.out, "run,t_s,phi_deg,omega_rad_s,E_J\n");
    EXPECT_TRUE(zero.err.ends_with("\nkyvadlo-run: Floating point division by zero.\n")) << zero.err;
    EXPECT_EQ(std::count(zero.err.begin(), zero.err.end(), '\n'), 6) << "a header, one run, three notes, the message";

    const Captured invalid = RunInProcess({"--inertia", "0", "--angle", "0"});
    EXPECT_EQ(invalid.status, 1);
    EXPECT_EQ(invalid.err, "kyvadlo-run: Invalid floating point operation.\n");

    const Captured later = RunInProcess({"--length", "5.87e307", "--inertia", "1", "--angle", "10,20"});
    EXPECT_EQ(later.status, 1);
    const std::vector<std::vector<double>> rows = cli_testing::CsvRows(later.out);
    EXPECT_GT(rows.size(), 301u);
    EXPECT_EQ(rows.back()[0], 1.0) << "the second run never started";
    EXPECT_TRUE(std::isinf(rows.back()[4])) << "an energy beyond the double range reads inf";
}
