// Reading and decoding music modules with libopenmpt: the one path a module's bytes take,
// shared by live playback, offline rendering and the fuzz target.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct openmpt_module;

// Reads the whole file, or says why not in why. Only regular files are read: a directory, a
// pipe or a device under the module's name could fail late or block forever.
bool ReadModuleFile(const char* path, std::vector<std::uint8_t>& bytes, std::string& why);

// Decodes a module of any format libopenmpt knows, set to repeat forever. Returns nullptr,
// with libopenmpt's reason in why, when the bytes hold no module it can play.
openmpt_module* DecodeModule(const std::uint8_t* bytes, std::size_t size, std::string& why);

// Reads and decodes the module file at path, as the demo's music players load their song.
// Returns nullptr, with a line for the viewer in why, when the file cannot be read or holds
// no module libopenmpt can play.
openmpt_module* LoadModuleFile(const char* path, std::string& why);

// Renders the next frames of interleaved float stereo at rate; silence where the module has
// nothing (more) to play.
void RenderStereo(openmpt_module* module, int rate, float* out, std::size_t frames);

void FreeModule(openmpt_module* module);
