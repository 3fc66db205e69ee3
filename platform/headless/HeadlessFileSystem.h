#pragma once
// Controls of the headless file system, for tests. Only the headless build
// has this header's functions.
//
// A write (writeFile, and the temporary file of replaceFile) takes the steps
// below in this order; replaceFile then renames the temporary file over the
// target. An injected fault makes the named step fail, as the system would
// report it, for every write until it is cleared, so a test can check that
// each failure leaves the previous file as it was.

#include <cstddef>

namespace platform::headless {

enum class FileWriteStep {
    None,       // nothing fails
    Create,     // the file cannot be created (no permission, no room in the folder)
    Write,      // the first write fails with nothing stored
    ShortWrite, // a full disk: half of the bytes are stored, then the write fails
    Flush,      // the data cannot be flushed to the medium
    Close,      // closing reports a deferred write error
    Replace,    // the finished temporary file cannot be renamed over the target
};

void injectFileWriteFault(FileWriteStep step);

} // namespace platform::headless
