#include "cli/OutputBuffer.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <utility>

namespace cli {

FileSink::FileSink(std::FILE* file, std::string name)
    : file_(file)
    , name_(std::move(name))
{
}

void FileSink::Write(std::string_view bytes)
{
    errno = 0;
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        Fail();
}

void FileSink::Flush()
{
    errno = 0;
    if (std::fflush(file_) != 0 || std::ferror(file_) != 0)
        Fail();
}

void FileSink::Fail() const
{
    const int error = errno;
    std::string message = "cannot write to " + name_;
    if (error != 0)
        message += std::string(": ") + std::strerror(error);
    throw WriteError(message);
}

void OutputBuffer::AppendNumber(double value)
{
    if (BlockSize - used_ < NumberRoom)
        Drain();
    char* const begin = block_.data() + used_;
    const std::to_chars_result result = std::to_chars(begin, begin + NumberRoom, value);
    used_ += static_cast<std::size_t>(result.ptr - begin);
}

void OutputBuffer::AppendInteger(std::int64_t value)
{
    if (BlockSize - used_ < NumberRoom)
        Drain();
    char* const begin = block_.data() + used_;
    const std::to_chars_result result = std::to_chars(begin, begin + NumberRoom, value);
    used_ += static_cast<std::size_t>(result.ptr - begin);
}

void OutputBuffer::Drain()
{
    if (used_ == 0)
        return;
    // The block counts as written even when the sink fails: the failure ends
    // the output, and nothing may be handed over twice.
    const std::size_t used = used_;
    used_ = 0;
    sink_.Write(std::string_view(block_.data(), used));
}

void OutputBuffer::Flush()
{
    Drain();
    sink_.Flush();
}

} // namespace cli
