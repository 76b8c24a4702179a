#pragma once

class FileChecksum;

// Told that a file's hash has ended, on the thread that worked it out. A subscriber may read the
// checksum (digest, matches) and unsubscribe from within the call.
class FileChecksumNotifyInterface {
public:
    virtual ~FileChecksumNotifyInterface() = default;
    virtual void onChecksumDone(FileChecksum& /*checksum*/) {}
};
