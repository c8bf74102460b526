#include "core/base/fd.h"

#include <algorithm>
#include <cerrno>
#include <unistd.h>
#include <utility>

Fd::~Fd()
{
    if (fd_ >= 0)
        ::close(fd_);
}

Fd& Fd::operator=(Fd&& other) noexcept
{
    std::swap(fd_, other.fd_);
    return *this;
}

bool Fd::closeChecked()
{
    return ::close(std::exchange(fd_, -1)) == 0;
}

std::optional<QByteArray> readAtMost(int fd, qint64 sizeHint, qint64 limit)
{
    QByteArray bytes(std::clamp<qint64>(sizeHint + 1, 0, limit), Qt::Uninitialized);
    qint64 got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, size_t(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return std::nullopt;
        if (n == 0)
            break;
        got += n;
        if (got == bytes.size() && bytes.size() < limit)
            bytes.resize(std::min(std::max<qint64>(bytes.size() * 2, 1), limit));
    }
    bytes.truncate(got);
    return bytes;
}
