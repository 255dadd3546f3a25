// Reading a drawn picture back from GL, in the order pictures and video frames are stored.
#pragma once

#include <cstdint>
#include <vector>

// Reads the width x height picture just drawn (before its swap) into rows, as RGB rows from
// the top, 3 bytes per pixel. Needs the context current.
void ReadPictureRows(int width, int height, std::vector<std::uint8_t>& rows);
