#pragma once
// File-system operations of the program; failures throw RunError (53, 70, 75, 76).
#include <QString>
#include <cstdint>

namespace talur::files {

bool fileExists(const QString& path);
bool folderExists(const QString& path);
void createFolder(const QString& path); // creates missing parents too
void deleteFile(const QString& path);   // a missing file is no error
int64_t fileSize(const QString& path);
QString parentFolder(const QString& path);
QString join(const QString& folder, const QString& name);

// Copies a database file that may be open elsewhere: online backup into a temporary file beside the
// target, then an atomic rename. A failed copy leaves the target as it was.
void copyDatabase(const QString& source, const QString& target);
// Compacts a database into target (VACUUM INTO a temporary file, then rename).
void compactDatabase(const QString& source, const QString& target);

} // namespace talur::files
