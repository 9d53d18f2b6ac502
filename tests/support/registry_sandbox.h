#pragma once
// Points the current user's registry at a database in a temporary folder for
// as long as the sandbox lives, through XDG_CONFIG_HOME, so that no test ever
// reads or writes the real user's settings.

#include "tests/support/scoped_environment.h"
#include "tests/support/temp_dir.h"

#include <filesystem>

class RegistrySandbox {
public:
    RegistrySandbox() = default;
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    std::filesystem::path ConfigHome() const { return m_dir.Path() / "config"; }
    std::filesystem::path Folder() const { return ConfigHome() / "corvane"; }
    std::filesystem::path Database() const { return Folder() / "registry.db"; }
    const TempDir& Dir() const { return m_dir; }

private:
    TempDir m_dir;
    ScopedEnvironment m_configHome{"XDG_CONFIG_HOME", ConfigHome().string()};
};
