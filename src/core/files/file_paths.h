#pragma once
// Which file a name stands for, as a save would find it.

#include <string>

namespace dpmr {

// The file a save to `path` writes: symbolic links followed, a dangling one included (the save
// creates the file it names), folders made absolute. A loop of links comes back as a link.
std::string ResolveLinks(const std::string &path);

// Whether two names stand for one file: one inode when both exist, one resolved name when not
// ("same.dat", "./same.dat" and a link to it are one file).
bool SameFile(const std::string &a, const std::string &b);

// The folder part of a path: "." for a bare name, "/" for a file at the root.
std::string FolderOf(const std::string &path);

} // namespace dpmr
