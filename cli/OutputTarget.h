#pragma once

#include <sys/types.h>

#include <cstdio>
#include <string>

namespace cli {

// What a name given for output stands for, found out before anything is
// opened, so that a name that cannot be written is refused while every file
// is still as it was, and two names for one file are known as one.
struct OutputTarget {
    // What messages call it: "'path'" or "standard output".
    std::string name;
    // The file that is written, symbolic links followed; empty for a stream
    // that is open already.
    std::string path;
    // A regular file, or no file yet, in a folder that takes new files: it
    // can be replaced whole. Anything else (a device, a pipe, a terminal, a
    // file in a folder without write permission) is written as it is.
    bool replaceable = false;
    bool exists = false;
    // Of an existing file: its permissions and owner, which a replacement keeps.
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    // The file by device and inode; for a file not made yet, its folder's,
    // with the file's name in that folder.
    dev_t device = 0;
    ino_t inode = 0;
    std::string nameInFolder;
    // The null device, which takes any output and keeps none.
    bool discards = false;
};

// The target a file name stands for. Throws WriteError ("cannot open 'x' for
// writing: <the system's reason>") for a name that cannot be written: a
// missing folder, a folder, a file or folder without write permission.
OutputTarget FindOutputTarget(const std::string& path);

// The target an open stream writes to (standard output).
OutputTarget StreamTarget(std::FILE* stream, std::string name);

// Whether output meant for both would land in one file and spoil it. The
// null device is never spoilt.
bool SameFile(const OutputTarget& a, const OutputTarget& b);

} // namespace cli
