#include "FileProblem.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace tarvel {

QString ReadProblemDetail(const QString& path)
{
    const QByteArray name = path.toLocal8Bit();
    struct stat info {};
    int error = 0;
    if (::stat(name.constData(), &info) != 0) {
        error = errno;
    } else if (S_ISDIR(info.st_mode)) {
        error = EISDIR;
    } else {
        // O_NONBLOCK: a FIFO in the file's place must not hang the window.
        const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd < 0)
            error = errno;
        else
            ::close(fd);
    }
    if (error == 0)
        return path;
    return path + QStringLiteral(": ") + QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace tarvel
