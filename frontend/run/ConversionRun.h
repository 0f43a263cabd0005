#pragma once

#include <string>

#include "RunPlatform.h"

struct AppPaths;
struct DumpValues;

// One press of the Execute button, after the controls have been taken into
// the values: check the input, derive or check the output name, ask before
// overwriting, empty the output, check the line format and the filler value,
// write the parameter file, run the converter (and `sort`) through the shell
// and open the result. Every failed check shows its message and ends the run.
class ConversionRun {
public:
    ConversionRun(DumpValues& values, const AppPaths& paths, RunPlatform& platform);

    // True when the run went through to the end, so the caller shows the
    // (possibly changed) values again; false after a message or a cancel.
    bool Execute();

private:
    bool CheckInput();
    bool CheckOutput();
    bool CheckSettings();
    bool RunCommands();
    bool Sorting() const;
    bool Refuse(const char* message);

    DumpValues& m_values;
    const AppPaths& m_paths;
    RunPlatform& m_platform;
    int m_nInputKind = 0;  // first byte of the input: 'S' or ':'
};
