#include "platform/RegularFile.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <streambuf>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// The descriptor of the file opened for reading, or -1 when it cannot be
// opened or is not a regular file.
int openRegular(const std::string& path) {
    int fd = -1;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Bytes from a place in the file; the count read, 0 at its end, -1 on error.
ssize_t readAt(int fd, char* into, std::size_t count, off_t at) {
    ssize_t n = 0;
    do {
        n = ::pread(fd, into, count, at);
    } while (n < 0 && errno == EINTR);
    return n;
}

// Reads of a few bytes at places far apart (the headers of a package) go
// through a small buffer; a long read goes straight to the file.
class DescriptorBuffer : public std::streambuf {
  public:
    explicit DescriptorBuffer(int fd) : fd_(fd) { setg(begin(), begin(), begin()); }
    ~DescriptorBuffer() override { ::close(fd_); }
    DescriptorBuffer(const DescriptorBuffer&) = delete;
    DescriptorBuffer& operator=(const DescriptorBuffer&) = delete;

  protected:
    int_type underflow() override {
        if (gptr() < egptr())
            return traits_type::to_int_type(*gptr());
        start_ += egptr() - eback();
        const ssize_t n = readAt(fd_, begin(), buffer_.size(), start_);
        setg(begin(), begin(), begin() + std::max<ssize_t>(n, 0));
        return n > 0 ? traits_type::to_int_type(*gptr()) : traits_type::eof();
    }

    std::streamsize xsgetn(char* into, std::streamsize count) override {
        std::streamsize done = std::min<std::streamsize>(count, egptr() - gptr());
        std::memcpy(into, gptr(), static_cast<std::size_t>(done));
        gbump(static_cast<int>(done));
        if (count - done < static_cast<std::streamsize>(buffer_.size()))
            return done + std::streambuf::xsgetn(into + done, count - done);
        // Past the buffer: read straight into the caller's bytes.
        off_t at = position();
        while (done < count) {
            const ssize_t n = readAt(fd_, into + done, static_cast<std::size_t>(count - done), at);
            if (n <= 0)
                break;
            done += n;
            at += n;
        }
        moveTo(at);
        return done;
    }

    pos_type seekoff(off_type offset, std::ios_base::seekdir from,
                     std::ios_base::openmode mode) override {
        off_type base = 0;
        if (from == std::ios_base::cur) {
            base = position();
        } else if (from == std::ios_base::end) {
            struct stat st {};
            if (::fstat(fd_, &st) != 0)
                return pos_type(off_type(-1));
            base = st.st_size;
        }
        return seekpos(pos_type(base + offset), mode);
    }

    pos_type seekpos(pos_type place, std::ios_base::openmode) override {
        const off_type at = place;
        if (at < 0)
            return pos_type(off_type(-1));
        moveTo(static_cast<off_t>(at));
        return place;
    }

  private:
    char* begin() { return buffer_.data(); }
    off_t position() const { return start_ + (gptr() - eback()); }
    // Keeps the buffer when the place lies in it.
    void moveTo(off_t at) {
        if (at >= start_ && at <= start_ + (egptr() - eback())) {
            setg(eback(), eback() + (at - start_), egptr());
            return;
        }
        start_ = at;
        setg(begin(), begin(), begin());
    }

    int fd_;
    off_t start_ = 0; // the file offset of the buffer's first byte
    std::array<char, 512> buffer_{};
};

class DescriptorStream : public std::istream {
  public:
    explicit DescriptorStream(int fd) : std::istream(nullptr), buffer_(fd) { rdbuf(&buffer_); }

  private:
    DescriptorBuffer buffer_;
};

} // namespace

std::unique_ptr<std::istream> openRegularFile(const std::string& path) {
    const int fd = openRegular(path);
    if (fd < 0)
        return nullptr;
    return std::make_unique<DescriptorStream>(fd);
}

std::optional<std::string> readRegularFile(const std::string& path) {
    const int fd = openRegular(path);
    if (fd < 0)
        return std::nullopt;
    std::string bytes;
    std::array<char, 65536> chunk{};
    ssize_t n = 0;
    while ((n = readAt(fd, chunk.data(), chunk.size(), static_cast<off_t>(bytes.size()))) > 0)
        bytes.append(chunk.data(), static_cast<std::size_t>(n));
    ::close(fd);
    if (n < 0)
        return std::nullopt;
    return bytes;
}

bool regularFileHolds(const std::string& path, std::string_view bytes) {
    const int fd = openRegular(path);
    if (fd < 0)
        return false;
    std::array<char, 65536> chunk{};
    std::size_t at = 0;
    ssize_t n = 0;
    while ((n = readAt(fd, chunk.data(), chunk.size(), static_cast<off_t>(at))) > 0) {
        const auto count = static_cast<std::size_t>(n);
        if (count > bytes.size() - at || std::memcmp(chunk.data(), bytes.data() + at, count) != 0)
            break;
        at += count;
    }
    ::close(fd);
    return n == 0 && at == bytes.size();
}

} // namespace platform
