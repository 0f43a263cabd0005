#pragma once

class LineReader;
class OutputChannel;

// The start-up of trelk_conv: help switches, parameter files in order, then
// the converter chosen by the first input byte. Everything goes to `output`.
// The result is the exit status, always 0.
int runConverter(int argc, const char* const* argv, LineReader& input, OutputChannel& output);
