#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include "CArchive.h"
#include "CFile.h"

// A directory of its own for each test, removed afterwards, so that tests
// running side by side never share a file.
class TempDir {
public:
    TempDir()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "trelk_settings_XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("mkdtemp failed");
        m_path = pattern;
    }
    ~TempDir()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string File(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The way the start-up code runs a save and a load: open, archive,
// Serialize, Close, close the file.
template <typename Values>
void Store(const std::string& path, Values& values)
{
    CFile file;
    if (!file.Open(path, CFile::modeCreate | CFile::modeWrite))
        throw std::runtime_error("cannot create " + path);
    CArchive ar(file, CArchive::store);
    values.Serialize(ar);
    ar.Close();
}

template <typename Values>
void Load(const std::string& path, Values& values)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        throw std::runtime_error("cannot open " + path);
    CArchive ar(file, CArchive::load);
    values.Serialize(ar);
    ar.Close();
}

// One string item, as the archive writes it and reads it back.
struct TextItem {
    std::string text;
    void Serialize(CArchive& ar)
    {
        if (ar.IsStoring())
            ar << text;
        else
            ar >> text;
    }
};
