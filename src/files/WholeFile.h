#pragma once

#include <QByteArray>
#include <QString>

// Writes AData as the file APath, all of it or nothing: it goes to a file beside APath that replaces it
// only once every byte is on the disk, so a full disk, a missing folder or a file that may not be written
// leaves any file of that name as it was. Returns why it failed, in the system's words; empty once written.
QString WriteWholeFile(const QString& APath, const QByteArray& AData);
