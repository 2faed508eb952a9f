// A fresh directory for one test, removed with everything in it afterwards,
// and guards that set an environment variable for one test.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>

class TempDir {
public:
    TempDir()
    {
        std::random_device seed;
        const auto base = std::filesystem::temp_directory_path();
        do
            m_path = base / ("yrk-test-" + std::to_string(seed() % 100000000));
        while (!std::filesystem::create_directory(m_path));
    }
    ~TempDir() { std::filesystem::remove_all(m_path); }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

class EnvGuard {
public:
    EnvGuard(const char* name, const std::optional<std::string>& value) : m_name(name)
    {
        if (const char* old = std::getenv(name))
            m_old = old;
        Set(name, value);
    }
    ~EnvGuard() { Set(m_name, m_old); }
    EnvGuard(const EnvGuard&) = delete;
    EnvGuard& operator=(const EnvGuard&) = delete;

private:
    static void Set(const char* name, const std::optional<std::string>& value)
    {
#ifdef _WIN32
        ::_putenv_s(name, value ? value->c_str() : "");   // "" removes it
#else
        if (value)
            ::setenv(name, value->c_str(), 1);
        else
            ::unsetenv(name);
#endif
    }

    const char* m_name;
    std::optional<std::string> m_old;
};

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

// The names in a directory, "." and ".." left out.
inline std::set<std::string> Entries(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error))
        names.insert(entry.path().filename().string());
    return names;
}

// How the lines of a file that the program makes from nothing end: LF on
// Linux, CRLF on Windows. `lf` is written with LF alone.
inline std::string WithNewFileBreaks(const std::string& lf)
{
#ifdef _WIN32
    std::string out;
    for (char c : lf)
        out += (c == '\n') ? std::string("\r\n") : std::string(1, c);
    return out;
#else
    return lf;
#endif
}
