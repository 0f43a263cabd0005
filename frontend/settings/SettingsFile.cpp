#include "SettingsFile.h"

#include "CArchive.h"
#include "CArchiveException.h"
#include "CFile.h"
#include "DumpValues.h"
#include "ReplacingFile.h"

namespace SettingsFile {

LoadResult Load(const std::string& path, DumpValues& values)
{
    CFile file;
    if (!file.Open(path, CFile::modeRead))
        return LoadResult::NotOpened;
    try {
        CArchive archive(file, CArchive::load);
        values.Serialize(archive);
        archive.Close();
    } catch (const CArchiveException&) {
        return LoadResult::Damaged;
    }
    return LoadResult::Loaded;
}

SaveResult Save(const std::string& path, DumpValues& values,
                const std::function<void(SaveStep)>& onStep)
{
    ReplacingFile file(path);
    if (!file.Open())
        return SaveResult::NotOpened;
    onStep(SaveStep::Opened);
    try {
        CArchive archive(file.File(), CArchive::store);
        values.Serialize(archive);
        archive.Close();
    } catch (const CArchiveException&) {
        file.Discard();
        return SaveResult::WriteFailed;
    }
    onStep(SaveStep::Written);
    return file.Commit() ? SaveResult::Saved : SaveResult::WriteFailed;
}

}  // namespace SettingsFile
