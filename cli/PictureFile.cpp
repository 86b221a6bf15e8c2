#include "cli/PictureFile.h"

#include "cli/OutputBuffer.h"
#include "cli/OutputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>
#include <utility>

namespace cli {

namespace {

// A name in the target's folder that no file has: ".<name>.<random>".
// Opened with O_EXCL, it is ours alone; the permissions follow the umask as
// for any new file.
int MakeNewFile(const std::string& target, std::string& made)
{
    static constexpr std::string_view letters = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::filesystem::path path = target;
    const std::string prefix = path.filename().string();
    std::random_device random;
    std::uniform_int_distribution<std::size_t> pick(0, letters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string name(1, '.');
        name.append(prefix).append(1, '.');
        for (int i = 0; i < 8; ++i)
            name += letters[pick(random)];
        made = (path.parent_path() / name).string();
        const int file = ::open(made.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

bool WriteAll(int file, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t written = ::write(file, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

} // namespace

PictureFile::PictureFile(OutputTarget target, std::FILE* standardOutput)
    : target_(std::move(target))
    , standardOutput_(standardOutput)
{
    if (!target_.replaceable)
        return;
    newFile_ = MakeNewFile(target_.path, newPath_);
    if (newFile_ < 0) {
        const int error = errno;
        newPath_.clear();
        throw WriteError("cannot open " + target_.name + " for writing: " + std::strerror(error));
    }
}

PictureFile::~PictureFile()
{
    if (newFile_ >= 0)
        ::close(newFile_);
    if (!newPath_.empty())
        ::unlink(newPath_.c_str());
}

void PictureFile::Write(std::string_view bytes)
{
    if (target_.replaceable) {
        Replace(bytes);
    } else if (target_.path.empty()) {
        FileSink sink(standardOutput_, target_.name);
        sink.Write(bytes);
        sink.Flush();
    } else {
        OutputFile file(target_.path);
        FileSink(file.Stream(), target_.name).Write(bytes);
        file.Close();
    }
}

void PictureFile::Replace(std::string_view bytes)
{
    errno = 0;
    if (!WriteAll(newFile_, bytes) || ::fsync(newFile_) != 0)
        Fail(errno);
    if (target_.exists) {
        if (::fchmod(newFile_, target_.mode) != 0)
            Fail(errno);
        // Only the superuser may give a file to another owner; anyone else
        // owns the new file, as with any file made anew.
        if (::fchown(newFile_, target_.owner, target_.group) != 0 && errno != EPERM)
            Fail(errno);
    }
    const int file = std::exchange(newFile_, -1);
    if (::close(file) != 0 || ::rename(newPath_.c_str(), target_.path.c_str()) != 0)
        Fail(errno);
    newPath_.clear();
}

void PictureFile::Fail(int error) const
{
    std::string message = "cannot write to " + target_.name;
    if (error != 0)
        message += std::string(": ") + std::strerror(error);
    throw WriteError(message);
}

} // namespace cli
