// The settings file's save: the new content replaces the old file only when
// it is complete; until then, and on failure, the old file stays.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "CFile.h"
#include "DirectoryEntries.h"
#include "ReplacingFile.h"
#include "SettingsFiles.h"

namespace fs = std::filesystem;

namespace {

mode_t Permissions(const std::string& path)
{
    struct stat info {};
    stat(path.c_str(), &info);
    return info.st_mode & 07777;
}

bool WriteAll(ReplacingFile& file, const std::string& bytes)
{
    return file.File().Write(bytes.data(), bytes.size());
}

std::string Directory(const std::string& file)
{
    return fs::path(file).parent_path().string();
}

TEST(ReplacingFile, OldFileStaysUntilTheCommit)
{
    TempDir dir;
    const std::string path = dir.File("user.dat");
    WriteBytes(path, "old");
    ReplacingFile file(path);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(WriteAll(file, "new content"));
    EXPECT_EQ(ReadBytes(path), "old");
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadBytes(path), "new content");
    EXPECT_EQ(DirectoryEntries(Directory(path)), std::set<std::string>{"user.dat"});
}

// Given up, or never committed: the old file as it was, nothing else left.
TEST(ReplacingFile, UnfinishedWriteLeavesTheOldFileAndNoTemporary)
{
    for (bool discard : {true, false}) {
        SCOPED_TRACE(discard ? "discarded" : "destroyed");
        TempDir dir;
        const std::string path = dir.File("user.dat");
        WriteBytes(path, "old");
        {
            ReplacingFile file(path);
            ASSERT_TRUE(file.Open());
            ASSERT_TRUE(WriteAll(file, "half"));
            if (discard)
                file.Discard();
        }
        EXPECT_EQ(ReadBytes(path), "old");
        EXPECT_EQ(DirectoryEntries(Directory(path)), std::set<std::string>{"user.dat"});
    }
}

TEST(ReplacingFile, MissingFileIsCreated)
{
    TempDir dir;
    const std::string path = dir.File("user.dat");
    ReplacingFile file(path);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(WriteAll(file, "first"));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadBytes(path), "first");
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(Permissions(path), 0666 & ~mask);
}

TEST(ReplacingFile, KeepsThePermissionsOfTheOldFile)
{
    for (mode_t mode : {0600, 0640, 0604}) {
        SCOPED_TRACE(mode);
        TempDir dir;
        const std::string path = dir.File("user.dat");
        WriteBytes(path, "old");
        chmod(path.c_str(), mode);
        ReplacingFile file(path);
        ASSERT_TRUE(file.Open());
        ASSERT_TRUE(file.Commit());
        EXPECT_EQ(Permissions(path), mode);
    }
}

// A settings file kept elsewhere behind a link: the link stays a link.
TEST(ReplacingFile, ReplacesTheFileAtTheEndOfALink)
{
    TempDir dir;
    fs::create_directory(dir.File("kept"));
    const std::string real = dir.File("kept/user.dat");
    const std::string link = dir.File("user.dat");
    WriteBytes(real, "old");
    fs::create_symlink(real, link);
    ReplacingFile file(link);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(WriteAll(file, "new"));
    ASSERT_TRUE(file.Commit());
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "new");
    EXPECT_EQ(DirectoryEntries(dir.File("kept")), std::set<std::string>{"user.dat"});
}

// What a save killed half-way leaves behind goes with the next save.
TEST(ReplacingFile, TemporaryLeftByAKilledSaveIsReplaced)
{
    TempDir dir;
    const std::string path = dir.File("user.dat");
    WriteBytes(path, "old");
    WriteBytes(path + ".tmp", "left over by a killed save");
    ReplacingFile file(path);
    ASSERT_TRUE(file.Open());
    ASSERT_TRUE(WriteAll(file, "new"));
    ASSERT_TRUE(file.Commit());
    EXPECT_EQ(ReadBytes(path), "new");
    EXPECT_EQ(DirectoryEntries(Directory(path)), std::set<std::string>{"user.dat"});
}

TEST(ReplacingFile, DirectoryDoesNotOpen)
{
    TempDir dir;
    const std::string path = dir.File("user.dat");
    fs::create_directory(path);
    ReplacingFile file(path);
    EXPECT_FALSE(file.Open());
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(DirectoryEntries(Directory(path)), std::set<std::string>{"user.dat"});
}

TEST(ReplacingFile, MissingDirectoryDoesNotOpen)
{
    TempDir dir;
    ReplacingFile file(dir.File("none/user.dat"));
    EXPECT_FALSE(file.Open());
}

// Nothing can stand in for a device: it is written in place.
TEST(ReplacingFile, DeviceIsWrittenInPlace)
{
    ReplacingFile null("/dev/null");
    ASSERT_TRUE(null.Open());
    EXPECT_TRUE(WriteAll(null, "gone"));
    EXPECT_TRUE(null.Commit());

    ReplacingFile full("/dev/full");
    ASSERT_TRUE(full.Open());
    EXPECT_FALSE(WriteAll(full, "no room"));
}

TEST(CFileRead, DirectoryDoesNotOpen)
{
    TempDir dir;
    fs::create_directory(dir.File("user.dat"));
    CFile file;
    EXPECT_FALSE(file.Open(dir.File("user.dat"), CFile::modeRead));
    EXPECT_FALSE(file.IsOpen());
}

TEST(CFileCreateNew, RefusesAnExistingFile)
{
    TempDir dir;
    const std::string path = dir.File("new.dat");
    CFile first;
    ASSERT_TRUE(first.Open(path, CFile::modeCreateNew | CFile::modeWrite));
    ASSERT_TRUE(first.Write("x", 1));
    ASSERT_TRUE(first.Close());
    CFile second;
    EXPECT_FALSE(second.Open(path, CFile::modeCreateNew | CFile::modeWrite));
    EXPECT_EQ(ReadBytes(path), "x");
}

}  // namespace
