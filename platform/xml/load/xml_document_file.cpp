#include "platform/xml/load/xml_document_file.h"

#include <fcntl.h>
#include <map>
#include <mutex>

namespace {

struct StandIns {
    std::mutex mutex;
    std::map<std::string, std::string> files; // by the name they stand in for
};

StandIns& TheStandIns()
{
    static StandIns standIns;
    return standIns;
}

} // namespace

void SetDocumentStandIn(const std::string& name, const std::string& file)
{
    StandIns& standIns = TheStandIns();
    const std::lock_guard lock(standIns.mutex);
    if (file.empty())
        standIns.files.erase(name);
    else
        standIns.files[name] = file;
}

std::string DocumentStandInFor(const std::string& name)
{
    StandIns& standIns = TheStandIns();
    const std::lock_guard lock(standIns.mutex);
    const auto found = standIns.files.find(name);
    return found != standIns.files.end() ? found->second : std::string();
}

std::string FileToRead(const std::string& name)
{
    std::string file = DocumentStandInFor(name);
    return file.empty() ? name : file;
}

UniqueFd OpenToRead(const std::string& name)
{
    return UniqueFd(::open(FileToRead(name).c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
}
