#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <optional>

/// An open folder or file, closed when it goes. A file's own close, whose result counts, is
/// `closeChecked`.
class Fd {
  public:
    explicit Fd(int fd = -1) : fd_(fd) {}
    ~Fd();
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    Fd& operator=(Fd&& other) noexcept;

    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }
    /// Closes it now; false when the close failed (a share's write that did not land).
    bool closeChecked();

  private:
    int fd_;
};

/// Reads the open file `fd` to its end, but never more than `limit` bytes, starting with room
/// for `sizeHint` (the size the file says it has) and one byte more. Nothing when a read fails.
std::optional<QByteArray> readAtMost(int fd, qint64 sizeHint, qint64 limit);
