#include "DerivedOutputName.h"

std::string DerivedOutputName(const std::string& fullInputPath, const std::string& extension)
{
    std::string name = fullInputPath.substr(0, fullInputPath.rfind('.'));
    name += '.';
    name += extension;
    return name;
}
