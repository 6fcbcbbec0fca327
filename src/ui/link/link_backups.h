#pragma once
// The automatic backups of Read and Write in the program: made through the core, announced in
// the status bar, and a failure before a write told in a message box.

#include "core/app/backups.h"
#include "core/image/image.h"

class QMainWindow;

// Before a write: false, after telling the user why, when no backup could be made; the write
// must not start then.
bool BackupBeforeWrite(QMainWindow &window, const dpmr::BackupPlace &place,
                       const dpmr::Image &image);
// After a completed read; the read is kept whatever happens to its copy.
void BackupAfterRead(QMainWindow &window, const dpmr::BackupPlace &place, const dpmr::Image &image);
