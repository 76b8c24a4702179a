#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

// Replaces the file at path with contents so that readers, a crash or a full
// disk only ever see the old file whole or the new one whole: the bytes go to
// a temporary file in the same folder, are flushed to disk, and the temporary
// is renamed over the old file. Returns false and logs at level 'E' on any
// failure, leaving the old file untouched. The new file gets exactly
// that mode, whatever the umask.
bool writeFileAtomically(const std::string& path, std::string_view contents, mode_t mode = 0644);
// The same, telling through error (when not null) why it failed: the errno of
// the step that failed, 0 when the new file is in place.
bool writeFileAtomically(const std::string& path, std::string_view contents, mode_t mode,
                         int* error);
