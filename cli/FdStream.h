// Buffered output streams on file descriptors, for the shell's stdout and
// stderr. talixcli does not use the standard streams: their set-up at load
// time costs as much as reading the whole command tree, and the runs that
// only print from the tree need no stream at all.
#pragma once

#include <unistd.h>

#include <cerrno>
#include <ostream>
#include <streambuf>

namespace Parvik {
namespace AutoCli {

// Writes all of data to fd, through interruptions and short writes; false
// when the descriptor refuses (a closed pipe, a full disk).
inline bool WriteAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        ssize_t written = ::write(fd, data, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

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

private:
    bool Flush() {
        bool written = WriteAll(fd_, pbase(), static_cast<size_t>(pptr() - pbase()));
        setp(buffer_, buffer_ + sizeof(buffer_));
        return written;
    }

    int fd_;
    char buffer_[16384];
};

}  // namespace AutoCli
}  // namespace Parvik
