#pragma once

#include <QString>
#include <utility>
#include <vector>

class QProcessEnvironment;

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

inline constexpr qint64 kMaxConfigFileSize = qint64{64} * 1024;

/// The two configuration files; an empty path is no file.
struct ConfigFiles {
    QString user;    // the user's own, which wins over the machine's
    QString machine; // the machine's, which alone may lock
};

/// Where "quadena/quadena.conf" is looked for: the user's under $XDG_CONFIG_HOME (or
/// ~/.config), the machine's in the first folder of $XDG_CONFIG_DIRS (or /etc/xdg) that has
/// one. Relative folders are skipped, as the XDG rules ask.
ConfigFiles configFiles(const QProcessEnvironment& environment);
