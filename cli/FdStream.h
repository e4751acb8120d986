// Buffered output streams on file descriptors, for the shell's stdout and
// stderr. talixcli does not use the standard streams: their set-up at load
// time costs as much as reading the whole command tree, and the runs that
// only print from the tree need no stream at all.
#pragma once

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <ostream>
#include <streambuf>

#include "FileIo.h"

namespace Parvik {
namespace AutoCli {

using Talix::FileIo::WriteAll;

class FdStreamBuf : public std::streambuf {
public:
    explicit FdStreamBuf(int fd) : fd_(fd) { setp(buffer_, buffer_ + sizeof(buffer_)); }
    ~FdStreamBuf() override { Flush(); }
    FdStreamBuf(const FdStreamBuf&) = delete;
    FdStreamBuf& operator=(const FdStreamBuf&) = delete;

protected:
    int_type overflow(int_type c) override {
        if (!Flush()) return traits_type::eof();
        if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
        *pptr() = traits_type::to_char_type(c);
        pbump(1);
        return c;
    }
    std::streamsize xsputn(const char* data, std::streamsize size) override {
        if (size <= epptr() - pptr()) {
            traits_type::copy(pptr(), data, static_cast<size_t>(size));
            pbump(static_cast<int>(size));
            return size;
        }
        // Larger than the room left: the buffer goes first, then the text directly.
        if (!Flush() || !WriteAll(fd_, data, static_cast<size_t>(size))) return 0;
        return size;
    }
    int sync() override { return Flush() ? 0 : -1; }

public:
    // The errno of the first write the descriptor refused, or 0. After a
    // refusal the rest of the output is dropped: it could not arrive whole.
    int WriteError() const { return error_; }

private:
    bool Flush() {
        const size_t size = static_cast<size_t>(pptr() - pbase());
        setp(buffer_, buffer_ + sizeof(buffer_));
        if (error_ != 0) return false;
        if (WriteAll(fd_, buffer_, size)) return true;
        error_ = errno;
        return false;
    }
    bool WriteAll(int fd, const char* data, size_t size) {
        if (error_ != 0) return false;
        if (AutoCli::WriteAll(fd, data, size)) return true;
        error_ = errno;
        return false;
    }

    int fd_;
    int error_ = 0;
    char buffer_[16384];
};

// Says on errFd that the output could not be written, as "talixcli: write
// error: <reason>"; best effort, since errFd may be failing too.
inline void ReportWriteError(int errFd, int error) {
    char line[256] = "talixcli: write error: ";
    size_t used = std::strlen(line);
    const char* reason = std::strerror(error);
    size_t room = sizeof(line) - used - 2;
    size_t length = std::min(std::strlen(reason), room);
    std::memcpy(line + used, reason, length);
    used += length;
    line[used++] = '\n';
    WriteAll(errFd, line, used);
}

// The exit status of a run whose result went to out: the run's own status,
// unless out could not be written, which is reported on errFd and makes a
// successful run fail.
inline int FinishOutput(FdStreamBuf& out, int errFd, int status) {
    out.pubsync();
    if (out.WriteError() == 0) return status;
    ReportWriteError(errFd, out.WriteError());
    return status == 0 ? 1 : status;
}

}  // namespace AutoCli
}  // namespace Parvik
