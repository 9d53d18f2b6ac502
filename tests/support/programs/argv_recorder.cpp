// A stand-in editor: records how it was started (arguments, current folder,
// one environment variable, session, signal state, inherited descriptors)
// into a file of its own in $CORVANE_RECORD_DIR, then exits. The record is
// written under a temporary name and renamed, so a reader never sees half of
// one. tests/support/recorded_launches.h reads the records.

#include <dirent.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace {

void Add(std::string& record, std::string_view key, std::string_view value)
{
    record.append(key).append("=").append(value).push_back('\0');
}

std::string StatusLine(std::string_view name)
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.starts_with(name) && line.size() > name.size() && line[name.size()] == ':')
            return line.substr(line.find_first_not_of(" \t", name.size() + 1));
    return {};
}

std::string InheritedDescriptors()
{
    std::string list;
    DIR* folder = opendir("/proc/self/fd");
    if (folder == nullptr)
        return "?";
    while (const dirent* entry = readdir(folder)) {
        const int fd = std::atoi(entry->d_name);
        if (fd >= 3 && fd != dirfd(folder))
            list += (list.empty() ? "" : ",") + std::to_string(fd);
    }
    closedir(folder);
    return list;
}

} // namespace

int main(int argc, char** argv)
{
    const char* folder = std::getenv("CORVANE_RECORD_DIR");
    if (folder == nullptr)
        return 2;
    std::string record;
    Add(record, "pid", std::to_string(getpid()));
    Add(record, "ppid", std::to_string(getppid()));
    Add(record, "sid", std::to_string(getsid(0)));
    char cwd[PATH_MAX];
    Add(record, "cwd", getcwd(cwd, sizeof cwd) != nullptr ? cwd : "");
    if (const char* mark = std::getenv("CORVANE_RECORD_MARK"))
        Add(record, "mark", mark);
    Add(record, "sigblk", StatusLine("SigBlk"));
    Add(record, "sigign", StatusLine("SigIgn"));
    Add(record, "fds", InheritedDescriptors());
    for (int i = 0; i < argc; ++i)
        Add(record, "arg", argv[i]);

    const std::string base = std::string(folder) + "/" + std::to_string(getpid());
    {
        std::ofstream out(base + ".tmp", std::ios::binary);
        out.write(record.data(), static_cast<std::streamsize>(record.size()));
        if (!out.flush())
            return 1;
    }
    return std::rename((base + ".tmp").c_str(), (base + ".record").c_str()) == 0 ? 0 : 1;
}
