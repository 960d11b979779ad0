// Files that hold the mail passwords or the event log (the database, its backups and copies, the
// log written for mails) are readable by their owner alone, from the moment they exist.
#pragma once

#include <QString>

// Creates `path` empty and owner-only unless it exists; true when it exists afterwards. A QSaveFile
// on an existing file gives its temporary file the existing file's mode, so creating the target
// first keeps the content owner-only throughout.
bool createOwnerOnlyFile(const QString &path);

// Makes an existing file owner-only (read and write).
bool restrictToOwner(const QString &path);
