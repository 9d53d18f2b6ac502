// Every test process gets a cache folder of its own for fetched documents,
// removed when it ends: a test must never meet a copy that an earlier test
// (or an earlier run, on a loopback port used again) left behind, and never
// write into the user's own cache. And no test reads the machine's XML
// catalogs unless it names its own, so that installing a package cannot
// change a verdict. Linked into every suite.

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

class IsolatedEnvironment {
public:
    IsolatedEnvironment()
    {
        // The worker that a test's loads start inherits its parent's folder.
        if (std::getenv("CORVANE_TEST_CACHE_OWNER") != nullptr)
            return;
        std::string folder = (std::filesystem::temp_directory_path() / "corvane-test-cache-XXXXXX").string();
        if (::mkdtemp(folder.data()) == nullptr)
            std::abort(); // a suite without its own cache would touch the user's
        m_folder = folder;
        ::setenv("XDG_CACHE_HOME", folder.c_str(), 1);
        ::setenv("XML_CATALOG_FILES", "", 0);
        ::setenv("CORVANE_TEST_CACHE_OWNER", std::to_string(::getpid()).c_str(), 1);
    }
    ~IsolatedEnvironment()
    {
        if (!m_folder.empty()) {
            std::error_code ignored;
            std::filesystem::remove_all(m_folder, ignored);
        }
    }
    IsolatedEnvironment(const IsolatedEnvironment&) = delete;
    IsolatedEnvironment& operator=(const IsolatedEnvironment&) = delete;

private:
    std::string m_folder;
};

const IsolatedEnvironment g_environment;

} // namespace
