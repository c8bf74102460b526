#pragma once

#include <QByteArray>
#include <QString>

/// Where a session keeper's files go: one call writes one whole session file, or fails. Only
/// the keeper's writing thread calls it, one call at a time; a call may last as long as the
/// share takes to answer.
class SessionStore {
  public:
    virtual ~SessionStore() = default;
    /// Writes `bytes` as the whole file `relativePath` (`<class>/<child>/<file>`) of the
    /// results folder. False when it could not.
    virtual bool save(const QString& relativePath, const QByteArray& bytes) = 0;
};

namespace sessionstore {

/// Writes `bytes` as `folder/relativePath` with `safesave::save`: the file is always either the
/// one before or the new one, whole, never reached through a link. The folder itself is never
/// made, and is written only when it holds the school's marker: a share that is not mounted
/// must not be written to the disk below it. The class and child folders are made inside it. A
/// relative path that is not three plain names (no `.`, `..`, empty or hidden part) is refused.
/// For a process of its own: it sets the umask while it runs (see safesave.h).
bool saveWhole(const QString& folder, const QString& relativePath, const QByteArray& bytes);

} // namespace sessionstore
