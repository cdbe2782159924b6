// The suite's path functions. The separator is "/"; a part that starts with "//" is a
// network path and keeps both separators.
#pragma once

#include <initializer_list>

#include "platform/text/Cp932.h"

namespace suite {

Cp932String RemoveLeadingSeparators(const Cp932String& text);
Cp932String RemoveTrailingSeparators(const Cp932String& text);
Cp932String AddTrailingSeparator(const Cp932String& text);

// Removes the n-th component counted from the left (from 1), or the last one when n is -1.
Cp932String CutPath(const Cp932String& path, int n);

// Joins the non-empty parts: each leading "../" of a part climbs one level of the result
// built so far; a part's leading and trailing separators are dropped (a network part keeps
// its "//", and the first part keeps the root of an absolute path), and one separator
// goes between parts.
Cp932String JoinPath(std::initializer_list<Cp932String> parts);

// True when the text is one plain folder name that stays inside the folder it is joined to:
// not empty, not "." or "..", no single-byte "/", "\\" or zero byte (a trail byte of the
// same value belongs to its double-byte character), and valid code page 932 with a UTF-8
// form, so that it names the same folder on the disk as in the album.
bool IsPlainFolderName(const Cp932String& name);

// The folder of the running program, taken once and cached.
const Cp932String& InstallFolder();

}  // namespace suite
