#include "ConverterEntry.h"
#include "LineReader.h"
#include "OutputChannel.h"
#include "SystemFile.h"

#include <string>
#include <vector>

namespace {

int run(int argc, const char* const* argv)
{
    SystemFile::prepareStandardStreams();
    LineReader input(SystemFile::kStandardInput);
    OutputChannel output(SystemFile::kStandardOutput);
    int status = runConverter(argc, argv, input, output);
    output.flush();
    return status;
}

}  // namespace

#ifdef _WIN32
// The wide command line (linked with -municode): the narrow one holds the
// system's ANSI code page, which may not spell the parameter file's folder.
int wmain(int argc, wchar_t** argv)
{
    const std::vector<std::string> arguments = SystemFile::arguments(argc, argv);
    std::vector<const char*> pointers;
    for (const std::string& argument : arguments)
        pointers.push_back(argument.c_str());
    return run(argc, pointers.data());
}
#else
int main(int argc, char** argv)
{
    return run(argc, argv);
}
#endif
