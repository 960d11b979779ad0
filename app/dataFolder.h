// The folder that holds the database and the files written beside it. The program works in it,
// because the database is opened by its plain name from the working directory.
#pragma once

#include <QString>

// Creates `folder` when missing (readable by its owner only, since the database holds mail
// passwords) and makes it the working directory. Returns an error text, empty on success.
QString enterDataFolder(const QString &folder);

// The user's own application data folder, the one the menu entry uses.
QString userDataFolder();
