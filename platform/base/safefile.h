#pragma once
// Replacing a file without ever leaving it half written: the data goes into a temporary file
// beside the target, is flushed to disk, and is renamed over the target in one step.

#include <string>

// Writes `data` as the whole content of `path`. An existing file keeps its permission bits, and a
// symbolic link keeps pointing at the file it names, which is the one replaced. Refuses (False) a
// target that exists but is not a regular writable file. On any failure the old file is untouched
// and no temporary file is left behind. Temporary files that an earlier, killed writer left beside
// the same target are removed first. While it is written the temporary file is open to its owner
// alone (and never to more than the final file will be); it gets the final permission bits, those
// of the old file or for a new file 0666 less the umask, just before the rename.
bool SafeWriteFile(const std::string& Path, const std::string& Data);
