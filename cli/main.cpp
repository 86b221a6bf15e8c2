// kyvadlo-run: the runs of the Kyvadlo window from the command line, as data,
// a summary and a picture of the chart.
#include "cli/Program.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    const std::vector<std::string> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
    return cli::RunProgram(arguments, stdout, stderr);
}
