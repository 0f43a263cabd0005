#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>

// A fresh private directory, removed with everything in it at the end. The
// optional suffix goes into its name, to give the directory awkward bytes.
class RunTempDir {
public:
    explicit RunTempDir(const std::string& suffix = "")
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "trelk-run-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("mkdtemp failed");
        m_base = pattern;
        m_path = m_base;
        if (!suffix.empty()) {
            m_path += "/" + suffix;
            std::filesystem::create_directory(m_path);
        }
    }
    ~RunTempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_base, ignored);
    }
    RunTempDir(const RunTempDir&) = delete;
    RunTempDir& operator=(const RunTempDir&) = delete;

    const std::string& Path() const { return m_path; }
    // The private directory itself, the suffix directory's parent.
    const std::string& Base() const { return m_base; }
    std::string operator/(const std::string& name) const { return m_path + "/" + name; }

private:
    std::string m_base;
    std::string m_path;
};

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

// The file's bytes, or nothing when it does not exist.
inline std::optional<std::string> ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The load file of the examples: a header, one data record, a start address.
inline const std::string kSRecordInput = "S006000041424333\r\nS107100541424344D9\r\nS9030000FC\r\n";
inline const std::string kIntelHexInput = ":0400100041424344F2\r\n:00000001FF\r\n";
