#pragma once

#include <QString>
#include <utility>
#include <vector>

/// What one configuration file holds: its keys and values as written, or why the whole file
/// is ignored.
struct ConfigFileContent {
    std::vector<std::pair<QString, QString>> entries; // key, value
    QString problem;                                  // empty when the file was read or is absent
};

/// Reads an INI file of settings (lines key=value) without ever writing it and without
/// waiting: only a regular file of at most kMaxConfigFileSize bytes of UTF-8 text, which
/// QSettings reads without error. A missing file, or an empty path, is no file and no problem.
ConfigFileContent readConfigFile(const QString& path);

inline constexpr qint64 kMaxConfigFileSize = 64 * 1024;
