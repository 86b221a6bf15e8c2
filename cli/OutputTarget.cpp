#include "cli/OutputTarget.h"

#include "cli/OutputBuffer.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace cli {

namespace {

// As many links as the system follows before it gives up (ELOOP).
constexpr int MaxLinks = 40;

[[noreturn]] void Refuse(const std::string& given, int error)
{
    throw WriteError("cannot open '" + given + "' for writing: " + std::strerror(error));
}

bool IsNullDevice(const struct stat& file)
{
    struct stat null {};
    return S_ISCHR(file.st_mode) && ::stat("/dev/null", &null) == 0 && file.st_rdev == null.st_rdev;
}

void TakeIdentity(OutputTarget& target, const struct stat& file)
{
    target.device = file.st_dev;
    target.inode = file.st_ino;
    target.discards = IsNullDevice(file);
}

// A name that no file answers yet: the file is made in its folder, through
// a dangling symbolic link where the name is one.
void FindNewFile(OutputTarget& target, const std::string& given)
{
    namespace fs = std::filesystem;
    fs::path path = given;
    for (int links = 0;; ++links) {
        struct stat link {};
        if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            break;
        if (links == MaxLinks)
            Refuse(given, ELOOP);
        std::error_code error;
        const fs::path to = fs::read_symlink(path, error);
        if (error)
            Refuse(given, error.value());
        path = to.is_absolute() ? to : path.parent_path() / to;
    }
    if (!path.has_filename())
        Refuse(given, EISDIR);
    const fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0)
        Refuse(given, errno);
    if (!S_ISDIR(folderStatus.st_mode))
        Refuse(given, ENOTDIR);
    if (::access(folder.c_str(), W_OK | X_OK) != 0)
        Refuse(given, errno);
    target.path = path.string();
    target.replaceable = true;
    TakeIdentity(target, folderStatus);
    target.nameInFolder = path.filename().string();
}

} // namespace

OutputTarget FindOutputTarget(const std::string& path)
{
    OutputTarget target;
    target.name = "'" + path + "'";
    struct stat file {};
    if (::stat(path.c_str(), &file) != 0) {
        if (errno != ENOENT)
            Refuse(path, errno);
        FindNewFile(target, path);
        return target;
    }
    if (S_ISDIR(file.st_mode))
        Refuse(path, EISDIR);
    if (::access(path.c_str(), W_OK) != 0)
        Refuse(path, errno);
    target.exists = true;
    target.mode = file.st_mode & 07777;
    target.owner = file.st_uid;
    target.group = file.st_gid;
    TakeIdentity(target, file);
    target.path = path;
    if (S_ISREG(file.st_mode)) {
        // Replaced in the folder of the file itself, so that a link to it
        // stays a link. A file without a name of its own (an open file that
        // was deleted, reached through /dev/fd) is written as it is.
        std::error_code error;
        const std::filesystem::path real = std::filesystem::canonical(path, error);
        if (!error) {
            target.path = real.string();
            target.replaceable = ::access(real.parent_path().c_str(), W_OK | X_OK) == 0;
        }
    }
    return target;
}

OutputTarget StreamTarget(std::FILE* stream, std::string name)
{
    OutputTarget target;
    target.name = std::move(name);
    struct stat file {};
    if (::fstat(::fileno(stream), &file) == 0) {
        target.exists = true;
        TakeIdentity(target, file);
    }
    return target;
}

bool SameFile(const OutputTarget& a, const OutputTarget& b)
{
    return a.device == b.device && a.inode == b.inode && a.nameInFolder == b.nameInFolder && a.exists == b.exists
        && !(a.discards && b.discards);
}

} // namespace cli
