#pragma once
// A temporary folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string>
#include <string_view>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes a file below the folder (creating its folders) and returns its path.
    std::filesystem::path Write(std::string_view relative, std::string_view content) const;

private:
    std::filesystem::path m_path;
};

// The drive form of a Linux path: "/tmp/x" -> "Z:\tmp\x".
std::string DriveForm(const std::filesystem::path& linuxPath);
