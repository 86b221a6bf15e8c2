#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

// Output that could not be written (a full disk, a closed pipe, a file that
// cannot be opened). The message names the file and the system's reason.
class WriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Where written bytes end up.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Throws WriteError when the bytes cannot be written.
    virtual void Write(std::string_view bytes) = 0;
    // Hands everything written so far to the system; throws WriteError.
    virtual void Flush() {}
};

// A file or a standard stream, by its C stream. The stream is not closed.
class FileSink final : public ByteSink {
public:
    // name is what messages call the file ("standard output", a path).
    FileSink(std::FILE* file, std::string name);

    void Write(std::string_view bytes) override;
    void Flush() override;

private:
    [[noreturn]] void Fail() const;

    std::FILE* file_;
    std::string name_;
};

// Keeps everything in memory (tests, benchmarks).
class StringSink final : public ByteSink {
public:
    void Write(std::string_view bytes) override { text.append(bytes); }

    std::string text;
};

// Collects small writes into one fixed block and hands the sink whole
// blocks, so that a run of any length needs no more memory than the block.
// Numbers are written straight into the block.
class OutputBuffer {
public:
    static constexpr std::size_t BlockSize = 64 * 1024;

    explicit OutputBuffer(ByteSink& sink)
        : sink_(sink)
    {
    }
    OutputBuffer(const OutputBuffer&) = delete;
    OutputBuffer& operator=(const OutputBuffer&) = delete;

    void Append(std::string_view text)
    {
        if (text.size() > BlockSize - used_) {
            Drain();
            if (text.size() > BlockSize) {
                sink_.Write(text);
                return;
            }
        }
        text.copy(block_.data() + used_, text.size());
        used_ += text.size();
    }

    void Append(char c)
    {
        if (used_ == BlockSize)
            Drain();
        block_[used_++] = c;
    }

    // The shortest decimal form that reads back as the same double, with
    // "." as the separator ("0.1", "-9.53", "1e-07"); infinities and NaN as
    // "inf", "-inf" and "nan".
    void AppendNumber(double value);
    void AppendInteger(std::int64_t value);

    // Writes out what is collected and flushes the sink. Nothing is written
    // out on destruction: a caller that wants the bytes flushes.
    void Flush();

private:
    // The longest shortest-form double ("-2.2250738585072014e-308") fits.
    static constexpr std::size_t NumberRoom = 32;

    void Drain();

    ByteSink& sink_;
    std::size_t used_ = 0;
    std::array<char, BlockSize> block_{};
};

} // namespace cli
