#pragma once

#include "cli/OutputTarget.h"

#include <cstdio>
#include <string>
#include <string_view>

namespace cli {

// Where the picture goes. It is written once, complete, at the end: into a
// new file beside its target, which takes the target's place only when all
// of it is written. A run that is refused, fails or runs out of memory thus
// leaves an existing file as it was and no partial file behind. A target
// that cannot be replaced (a device, a pipe, a file in a folder without write
// permission) is opened and written as it is at the end; "-" is standard
// output.
class PictureFile {
public:
    // Makes the new file for a replaceable target at once, so that a folder
    // that takes no files fails before any output. Throws WriteError.
    PictureFile(OutputTarget target, std::FILE* standardOutput);
    // Removes a new file that never took its target's place.
    ~PictureFile();
    PictureFile(const PictureFile&) = delete;
    PictureFile& operator=(const PictureFile&) = delete;

    const OutputTarget& Target() const { return target_; }

    // Writes the picture and puts it in place, with the permissions of the
    // file it replaces. Throws WriteError with the system's reason.
    void Write(std::string_view bytes);

private:
    [[noreturn]] void Fail(int error) const;
    void Replace(std::string_view bytes);

    OutputTarget target_;
    std::FILE* standardOutput_;
    std::string newPath_;
    int newFile_ = -1;
};

} // namespace cli
