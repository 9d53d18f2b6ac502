#pragma once
// Points the current user's registry at a database in a temporary folder for
// as long as the sandbox lives, through XDG_CONFIG_HOME, so that no test ever
// reads or writes the real user's settings.

#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

class RegistrySandbox {
public:
    RegistrySandbox()
    {
        if (const char* previous = std::getenv("XDG_CONFIG_HOME"))
            m_previous = previous;
        setenv("XDG_CONFIG_HOME", ConfigHome().c_str(), 1);
    }
    ~RegistrySandbox()
    {
        if (m_previous)
            setenv("XDG_CONFIG_HOME", m_previous->c_str(), 1);
        else
            unsetenv("XDG_CONFIG_HOME");
    }
    RegistrySandbox(const RegistrySandbox&) = delete;
    RegistrySandbox& operator=(const RegistrySandbox&) = delete;

    std::filesystem::path ConfigHome() const { return m_dir.Path() / "config"; }
    std::filesystem::path Folder() const { return ConfigHome() / "corvane"; }
    std::filesystem::path Database() const { return Folder() / "registry.db"; }
    const TempDir& Dir() const { return m_dir; }

private:
    TempDir m_dir;
    std::optional<std::string> m_previous;
};
