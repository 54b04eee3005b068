// Helpers shared by the commands that read log files.
#pragma once

#include <string>

#include "domain/defs.h"

namespace qz::cli {

// File names arrive as UTF-8 while the core's texts are Windows-1252: replaces `path`
// inside `text` by its Windows-1252 form, so that the message prints right.
std::string Shown(std::string text, const std::string& path);

// A Cabrillo keyword (the first contest that uses it) or an ordinal of a contest as
// 'qz contests' lists them; false for anything else and for the two end markers.
bool ParseContest(const std::string& text, TContest& contest);

}  // namespace qz::cli
