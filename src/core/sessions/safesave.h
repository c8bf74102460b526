#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <sys/types.h>

/// Writes one session file into the school's results folder so that the file there is always
/// either the last good one or the new one, whole, and says why when it is not the new one.
/// The results folder is opened once, as configured; every folder and file below it is reached
/// relative to it, and none through a link.
namespace safesave {

/// The regular file a technician makes once in the results folder: without it the folder is
/// not the school's share (an empty mount point, a share not mounted) and nothing is written.
inline constexpr char kMarker[] = ".quadena-risultati";
/// The class and child folders made here: every account writes, only the file's owner, the
/// folder's owner and root remove (sticky); the group and its setgid bit come from the results
/// folder, so the teachers' group reads.
inline constexpr mode_t kFolderMode = 01773;
/// A session file: its account writes it, the folder's group reads it, no one else.
inline constexpr mode_t kFileMode = 0640;

/// Saves `bytes` as `folder/relativePath`, where `relativePath` is `<class>/<child>/<file>`,
/// three plain names. The class and child folders are made when missing. A session is saved
/// again as a whole file each time and only grows, so a file already there is replaced only by
/// bytes that begin with its own; otherwise it is another session's, and stays. The new bytes
/// go to a hidden file of the child's folder (`.<file>.tmp-<random>`), made with O_EXCL,
/// written, synced and closed, each step checked, then renamed over the file; the first save
/// claims the name with O_EXCL before the rename. Returns nothing when saved, else the reason,
/// one line; then the last good file is as it was and nothing of this call is left behind.
/// The process's umask is 0 while it runs, so it is for a process of its own (the helper).
/// Writes `bytes` as `name` in the open folder `folder`, whole or not at all: a hidden file
/// `.<name>.tmp-<random>` made with O_EXCL and `mode`, written, synced and closed, each step
/// checked, then renamed over `name`, which is replaced even when it is a link (never what it
/// points to). With `claimFirst` the name is first made with O_EXCL, so that a file another
/// process makes meanwhile is never written over. Returns nothing when written, else the
/// reason, one line; then `name` is as it was and nothing of this call is left behind.
std::optional<QString> replaceWhole(int folder, const QByteArray& name, const QByteArray& bytes,
                                    mode_t mode, bool claimFirst);

std::optional<QString> save(const QByteArray& folder, const QString& relativePath,
                            const QByteArray& bytes);

} // namespace safesave
