#pragma once

// The scan options of the Options page and its delete mode, as the "General" key of Config.ini stores
// them: which files the scan lists (read-only, system, hidden, zero-byte) and whether a deletion goes to
// the Recycle Bin.
struct GeneralOptions {
    bool read = false, system = false, hide = false, zero = false, recycle = false;

    bool operator==(const GeneralOptions&) const = default;
};
