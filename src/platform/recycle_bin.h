#pragma once
#include <cstdint>

// Bytes in the recycle bins of the fixed drives A: to Z:, as the shell reports them; a drive whose
// query fails adds nothing.
int64_t RecycleBinBytesOfFixedDrives();
