#include "cli/OutputFile.h"

#include "cli/OutputBuffer.h"

#include <cerrno>
#include <cstring>
#include <utility>

namespace cli {

OutputFile::OutputFile(std::string path)
    : path_(std::move(path))
{
    errno = 0;
    file_ = std::fopen(path_.c_str(), "wb");
    if (file_ == nullptr)
        throw WriteError("cannot open " + Name() + " for writing: " + std::strerror(errno));
}

OutputFile::~OutputFile()
{
    if (file_ != nullptr)
        std::fclose(file_);
}

void OutputFile::Close()
{
    std::FILE* const file = std::exchange(file_, nullptr);
    errno = 0;
    if (file != nullptr && std::fclose(file) != 0)
        throw WriteError("cannot write to " + Name() + ": " + std::strerror(errno));
}

void OutputFile::Discard()
{
    if (std::FILE* const file = std::exchange(file_, nullptr))
        std::fclose(file);
    std::remove(path_.c_str());
}

} // namespace cli
