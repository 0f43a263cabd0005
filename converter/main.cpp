#include "ConverterEntry.h"
#include "LineReader.h"
#include "OutputChannel.h"
#include "SystemFile.h"

int main(int argc, char** argv)
{
    SystemFile::prepareStandardStreams();
    LineReader input(SystemFile::kStandardInput);
    OutputChannel output(SystemFile::kStandardOutput);
    int status = runConverter(argc, argv, input, output);
    output.flush();
    return status;
}
