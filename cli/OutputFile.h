#pragma once

#include <cstdio>
#include <string>

namespace cli {

// A file opened for writing, closed when it goes. Opening creates the file
// or empties it.
class OutputFile {
public:
    // Throws WriteError when the file cannot be opened.
    explicit OutputFile(std::string path);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    std::FILE* Stream() const { return file_; }
    const std::string& Path() const { return path_; }
    // What messages call the file.
    std::string Name() const { return "'" + path_ + "'"; }
    // Closes the file; throws WriteError when what was written cannot be kept.
    void Close();
    // Closes the file and removes it (a file made for output that will not come).
    void Discard();

private:
    std::string path_;
    std::FILE* file_ = nullptr;
};

} // namespace cli
