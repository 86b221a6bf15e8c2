// The built kyvadlo-run as a user starts it: its exit statuses and what it
// prints, in an environment without any display.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct Finished {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// Runs the program with the arguments; extra entries are set in its
// environment. It runs in the given working folder, and its standard error
// goes to the given file instead of being read, where they are given.
Finished StartProgram(const QStringList& arguments, const QStringList& environment = {},
                      const QString& workingFolder = {}, const QString& errorFile = {})
{
    QProcess process;
    process.setWorkingDirectory(workingFolder);
    if (!errorFile.isEmpty())
        process.setStandardErrorFile(errorFile);
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    // No display of any kind: a picture must still be drawn.
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
        variables.remove(QString::fromLatin1(name));
    for (const QString& entry : environment)
        variables.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    process.setProcessEnvironment(variables);
    process.start(QStringLiteral(KYVADLO_RUN_PATH), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

TEST(Executable, HelpNamesEveryOptionWithItsDefaultAndAnExample)
{
    const Finished help = StartProgram({QStringLiteral("--help")});
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.err.isEmpty());
    for (const char* text : {"--length A", "(default 0.8)", "--inertia J", "(default 0.05)", "--angle LIST",
                             "[degrees] (default 10)", "--duration S", "(default 10)", "--points N", "--format F",
                             "csv (default)", "--output FILE", "--summary", "--png FILE", "--size WxH",
                             "(default 498x690", "--version", "Exit status", "Examples:", "kyvadlo-run --angle"})
        EXPECT_TRUE(help.out.contains(text)) << text;
    EXPECT_EQ(StartProgram({QStringLiteral("--version")}).out, QByteArray("kyvadlo-run 1.0\n"));
}

TEST(Executable, BadInputGivesTheWindowsMessageAndStatusTwoBeforeAnyOutput)
{
    const Finished comma = StartProgram({QStringLiteral("--length"), QStringLiteral("0,8")});
    EXPECT_EQ(comma.status, 2);
    EXPECT_TRUE(comma.out.isEmpty());
    EXPECT_EQ(comma.err, QByteArray("kyvadlo-run: --length: '0,8' is not a valid floating point value.\n"
                                    "Try 'kyvadlo-run --help'.\n"));

    const Finished overflow = StartProgram({QStringLiteral("--angle=10,1e999")});
    EXPECT_EQ(overflow.status, 2);
    EXPECT_EQ(overflow.err, QByteArray("kyvadlo-run: --angle: Floating point overflow.\n"
                                       "Try 'kyvadlo-run --help'.\n"));

    const Finished unknown = StartProgram({QStringLiteral("--points"), QStringLiteral("5"), QStringLiteral("--colour")});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_TRUE(unknown.out.isEmpty());
    EXPECT_EQ(unknown.err, QByteArray("kyvadlo-run: unknown option '--colour'\n"
                                      "Try 'kyvadlo-run --help'.\n"));
}

TEST(Executable, NumbersAreReadWithAPointWhateverTheLocale)
{
    const Finished czech = StartProgram({QStringLiteral("--length"), QStringLiteral("0.8"), QStringLiteral("--points"),
                                QStringLiteral("2")},
                               {QStringLiteral("LC_ALL=cs_CZ.UTF-8")});
    EXPECT_EQ(czech.status, 0) << czech.err.toStdString();
    EXPECT_TRUE(czech.out.startsWith("run,t_s,phi_deg,omega_rad_s,E_J\n1,0,-9.53392149289173,"));
}

TEST(Executable, AModelFaultGivesTheWindowsMessageAndStatusOne)
{
    const Finished zero = StartProgram({QStringLiteral("--inertia"), QStringLiteral("0")});
    EXPECT_EQ(zero.status, 1);
    EXPECT_EQ(zero.out, QByteArray("run,t_s,phi_deg,omega_rad_s,E_J\n"));
    EXPECT_EQ(zero.err, QByteArray("kyvadlo-run: Floating point division by zero.\n"));
}

TEST(Executable, DrawsThePictureWithoutADisplay)
{
    const QTemporaryDir folder;
    const QString png = folder.filePath(QStringLiteral("chart.png"));
    const Finished run = StartProgram({QStringLiteral("--angle"), QStringLiteral("10,45"), QStringLiteral("--png"), png,
                              QStringLiteral("--size"), QStringLiteral("300x200"), QStringLiteral("--points"),
                              QStringLiteral("50")},
                             {QStringLiteral("QT_QPA_PLATFORM=xcb")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(run.err.isEmpty()) << "no notices of Qt's: " << run.err.toStdString();
    const QImage picture(png);
    EXPECT_EQ(picture.size(), QSize(300, 200));
    EXPECT_EQ(run.out.count('\n'), 101);
}

// The names are checked before anything is written, and a picture replaces
// its file only when complete: the commands of a user who mistyped.
TEST(Executable, OutputNamesThatCannotBeUsedLeaveEveryFileAsItWas)
{
    const QTemporaryDir folder;
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("sub")));
    const auto start = [&folder](const QStringList& arguments) { return StartProgram(arguments, {}, folder.path()); };
    ASSERT_EQ(start({QStringLiteral("--points"), QStringLiteral("5"), QStringLiteral("--png"), QStringLiteral("p.png")})
                  .status,
              0);
    QFile picture(folder.filePath(QStringLiteral("p.png")));
    ASSERT_TRUE(picture.open(QIODevice::ReadOnly));
    const QByteArray before = picture.readAll();

    const Finished missing = start({QStringLiteral("--png"), QStringLiteral("p.png"), QStringLiteral("-o"),
                                    QStringLiteral("/nonexistent/x.csv")});
    EXPECT_EQ(missing.status, 2);
    picture.seek(0);
    EXPECT_EQ(picture.readAll(), before);

    const QStringList sameFiles[] = {{"--png", "./same.csv", "-o", "same.csv"},
                                     {"--png", "sub/../x", "-o", "x"},
                                     {"--png", "/dev/stdout"}};
    for (const QStringList& sameFile : sameFiles) {
        const Finished refused = start(sameFile);
        EXPECT_EQ(refused.status, 2) << sameFile.join(' ').toStdString();
        EXPECT_TRUE(refused.out.isEmpty());
        EXPECT_TRUE(refused.err.startsWith("kyvadlo-run: --output and --png name the same file\n"));
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("p.png")});
    EXPECT_EQ(start({"-o", "/dev/null", "--png", "/dev/null"}).status, 0);
}

TEST(Executable, ASummaryThatCannotBeWrittenFails)
{
    EXPECT_EQ(StartProgram({QStringLiteral("--summary")}, {}, {}, QStringLiteral("/dev/full")).status, 1);
}
