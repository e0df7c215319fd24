#pragma once
#include <string>
#include <string_view>

// Small files read and replaced whole (Config.ini).

// True with the file's bytes, or with none when there is no file at the path. False when a file is there
// but cannot be opened or a read fails part-way: a caller must never write back a file it read only in part.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// Gives the file new content in one step, or changes nothing. A link is written through: its final target
// is replaced, and the link stays. The new content is written and flushed to a temporary file in the
// target's own folder, which then takes the target's place with the system's replace-file operation (which
// keeps the file's security and streams); the temporary file carries the target's attributes beforehand, as
// Wine's replace keeps none. A missing file is created. False, with the old file whole, when the file is
// read-only or a folder, is held open by a program that does not share deleting, or anything fails.
bool ReplaceWholeFile(const std::wstring& path, std::string_view bytes);
