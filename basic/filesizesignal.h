#pragma once

// A file-size limit (ulimit -f) makes the kernel send SIGXFSZ to a process
// whose write goes past it, which ends the process on the spot: the tape
// still in memory would be lost. Ignored, the signal leaves the write to
// fail with EFBIG, which the program reports like a full disk. The program's
// entry calls this before anything is written.
void IgnoreFileSizeSignal();
