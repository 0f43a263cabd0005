#include "ConversionRun.h"

#include "AppPaths.h"
#include "CommandShell.h"
#include "DerivedOutputName.h"
#include "DumpValues.h"
#include "FileAccess.h"
#include "FillerValue.h"
#include "ParameterFile.h"

namespace {

const char kInputError[] = "入力ファイルに誤りがあります！";
const char kInputKindError[] = "入力ファイルがＳレコードでもインテルHEXでもありません！";
const char kSameFileError[] = "入力ファイルと出力ファイルが同じです！";
const char kSameAsParameterFileError[] = "入力ファイルとパラメータファイルが同じです！";
const char kSameAsSortFileError[] = "入力ファイルとソート用一時ファイルが同じです！";
const char kOverwriteQuestion[] = "出力ファイルは存在します。上書きしますか？";
const char kOutputError[] = "出力ファイルに誤りがあります！";
const char kFormatMissing[] = "書式制御文字列が入力されていません！";
const char kFillerError[] = "詰草数値に誤りがあります！";
const char kParameterFileError[] = "パラメータファイルがオープンできません！";
const char kConverterNotStarted[] = "変換プログラムを起動できません！";

// Shell statuses for a command that could not be started: 126 found but not
// executable, 127 not found. The converter itself always ends with 0.
bool ConverterNotStarted(int status)
{
    return status == RunPlatform::kShellNotRun || status == 126 || status == 127;
}

// The run's own files in the start-up directory.
std::string ParameterFilePath(const AppPaths& paths)
{
    return paths.UserFile("prm");
}

// The temporary file that `sort` reads.
std::string SortFilePath(const AppPaths& paths)
{
    return paths.UserFile("txt");
}

// The busy cursor for as long as the commands run, on every way out.
class BusyScope {
public:
    explicit BusyScope(RunPlatform& platform) : m_platform(platform) { m_platform.BeginBusy(); }
    ~BusyScope() { m_platform.EndBusy(); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    RunPlatform& m_platform;
};

}  // namespace

ConversionRun::ConversionRun(DumpValues& values, const AppPaths& paths, RunPlatform& platform)
    : m_values(values), m_paths(paths), m_platform(platform)
{
}

bool ConversionRun::Execute()
{
    if (!CheckInput() || !CheckOutput() || !CheckSettings() || !RunCommands())
        return false;
    if (m_values.m_bOpenOutput != 0)
        m_platform.OpenDocument(m_values.m_strOutputFile);
    return true;
}

// Only S-record output is sorted; for Intel HEX the sort option has no effect.
bool ConversionRun::Sorting() const
{
    return m_nInputKind == 'S' && m_values.m_bSortOutput == 1;
}

bool ConversionRun::Refuse(const char* message)
{
    m_platform.ShowMessage(message, RunPlatform::BoxType::Ok);
    return false;
}

// Input opens and starts with "S" or ":"; derives the output name if asked.
bool ConversionRun::CheckInput()
{
    const FileAccess::FirstByte first = FileAccess::ReadFirstByte(m_values.m_strInputFile);
    if (!first.bOpened)
        return Refuse(kInputError);
    if (first.nByte != 'S' && first.nByte != ':')
        return Refuse(kInputKindError);
    m_nInputKind = first.nByte;

    if (m_values.m_bSameAsInput != 0)
        m_values.m_strOutputFile =
            DerivedOutputName(FileAccess::FullPath(m_values.m_strInputFile), m_values.m_strOutputExt);
    return true;
}

// Not the input under another name, overwrite agreed, and emptied.
bool ConversionRun::CheckOutput()
{
    const std::string& output = m_values.m_strOutputFile;
    // An emptied input would be lost: also catch one file under two names.
    if (m_values.m_strInputFile == output || FileAccess::IsSameFile(m_values.m_strInputFile, output))
        return Refuse(kSameFileError);
    // The run's own files are written over as well: never the input. The
    // message names the file it clashes with.
    if (FileAccess::IsSameFile(m_values.m_strInputFile, ParameterFilePath(m_paths)))
        return Refuse(kSameAsParameterFileError);
    if (Sorting() && FileAccess::IsSameFile(m_values.m_strInputFile, SortFilePath(m_paths)))
        return Refuse(kSameAsSortFileError);

    // The Save dialog has already asked about the name it returned.
    if (output != m_values.m_strBrowsedOutput && FileAccess::OpensForReading(output) &&
        m_platform.ShowMessage(kOverwriteQuestion, RunPlatform::BoxType::OkCancel) ==
            RunPlatform::BoxAnswer::Cancel)
        return false;

    if (!FileAccess::CreateEmpty(output))
        return Refuse(kOutputError);
    return true;
}

// Line format given, filler value normalised, parameter file written.
bool ConversionRun::CheckSettings()
{
    if (m_values.m_strLineFormat.empty())
        return Refuse(kFormatMissing);
    if (!NormaliseFiller(m_values.m_strFiller))
        return Refuse(kFillerError);
    if (!ParameterFile::Write(ParameterFilePath(m_paths), m_values))
        return Refuse(kParameterFileError);
    return true;
}

// The converter, then `sort` for an S-record input with sorting asked.
bool ConversionRun::RunCommands()
{
    const bool sorting = Sorting();
    const std::string target = sorting ? SortFilePath(m_paths) : m_values.m_strOutputFile;
    const std::string parameterFile = ParameterFilePath(m_paths);
    // The converter is found in the start-up directory, whatever the
    // current directory is by now.
    ShellCommand convert;
    convert.line = ShellQuote(m_paths.m_strStartDir) + kPathSeparator + "trelk_conv < " +
                   ShellQuote(m_values.m_strInputFile) + " > " + ShellQuote(target) + " -p" +
                   ShellQuote(parameterFile);
    convert.program = m_paths.InStartDir("trelk_conv");
    convert.arguments = {"-p" + parameterFile};
    convert.input = m_values.m_strInputFile;
    convert.output = target;

    int status = 0;
    {
        BusyScope busy(m_platform);
        status = m_platform.RunCommand(convert);
        if (sorting && !ConverterNotStarted(status)) {
            ShellCommand sort;
            sort.line = "sort < " + ShellQuote(target) + " > " + ShellQuote(m_values.m_strOutputFile);
            sort.program = "sort";
            sort.input = target;
            sort.output = m_values.m_strOutputFile;
            m_platform.RunCommand(sort);
        }
    }
    // Otherwise the user would find an empty output and no word why.
    if (ConverterNotStarted(status))
        return Refuse(kConverterNotStarted);
    return true;
}
