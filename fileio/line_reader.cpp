#include "fileio/line_reader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fileio {
namespace {

// Large enough that a read call costs little per line; a longer line makes
// the buffer grow.
constexpr std::size_t kBufferSize = std::size_t{1} << 20;

const char* findLineEnd(const char* p, const char* end) {
    while (p != end && *p != '\n' && *p != '\r') ++p;
    return p;
}

const char* skipDelimiters(const char* p, const char* end, const DelimiterSet& delimiters) {
    while (p != end && delimiters.contains(*p)) ++p;
    return p;
}

const char* skipField(const char* p, const char* end, const DelimiterSet& delimiters) {
    while (p != end && !delimiters.contains(*p)) ++p;
    return p;
}

}  // namespace

LineReader::LineReader() = default;

LineReader::~LineReader() {
    close();
}

bool LineReader::open(const std::string& path) {
    close();
    // Without blocking, so that a named pipe without a writer is refused at
    // once instead of waiting for one.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return false;
    }
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
    openDescriptor(fd);
    ownsFd_ = true;
    return true;
}

void LineReader::openDescriptor(int fd) {
    close();
    fd_ = fd;
    ownsFd_ = false;
    eof_ = false;
    failed_ = false;
    pendingCr_ = false;
    buffer_.assign(kBufferSize, '\0');
    begin_ = 0;
    end_ = 0;
    consumed_ = 0;
    size_ = 0;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        size_ = static_cast<std::uint64_t>(info.st_size);
    }
}

void LineReader::close() {
    if (fd_ >= 0 && ownsFd_) ::close(fd_);
    fd_ = -1;
    ownsFd_ = false;
}

bool LineReader::fill() {
    if (eof_ || failed_ || fd_ < 0) return false;
    if (begin_ > 0) {
        std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    if (end_ == buffer_.size()) buffer_.resize(buffer_.size() * 2);
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.data() + end_, buffer_.size() - end_);
        if (n > 0) {
            end_ += static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            eof_ = true;
            return false;
        }
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            // A descriptor handed over in non-blocking mode: wait for data.
            pollfd wait{fd_, POLLIN, 0};
            if (::poll(&wait, 1, -1) >= 0 || errno == EINTR) continue;
        }
        failed_ = true;
        return false;
    }
}

bool LineReader::skipByteOrderMark() {
    while (end_ - begin_ < kByteOrderMark.size() && fill()) {
    }
    const std::string_view start(buffer_.data() + begin_,
                                 std::min(end_ - begin_, kByteOrderMark.size()));
    if (start != kByteOrderMark) return false;
    begin_ += kByteOrderMark.size();
    consumed_ += kByteOrderMark.size();
    return true;
}

bool LineReader::readLine(std::string_view& line) {
    if (fd_ < 0 || failed_) return false;
    if (pendingCr_) {
        if (begin_ == end_) fill();
        if (failed_) return false;
        if (begin_ < end_ && buffer_[begin_] == '\n') {
            ++begin_;
            ++consumed_;
        }
        pendingCr_ = false;
    }
    std::size_t scanned = 0;  // bytes after begin_ known to hold no line end
    for (;;) {
        const char* start = buffer_.data() + begin_;
        const char* available = buffer_.data() + end_;
        const char* stop = findLineEnd(start + scanned, available);
        if (stop != available) {
            const auto length = static_cast<std::size_t>(stop - start);
            line = std::string_view(start, length);
            begin_ += length + 1;
            consumed_ += length + 1;
            if (*stop == '\r') {
                if (begin_ == end_) {
                    pendingCr_ = true;  // its LF, if any, is not read yet
                } else if (buffer_[begin_] == '\n') {
                    ++begin_;
                    ++consumed_;
                }
            }
            return true;
        }
        scanned = end_ - begin_;
        if (!fill()) {
            if (failed_ || begin_ == end_) return false;
            // The last line, without an end.
            line = std::string_view(buffer_.data() + begin_, end_ - begin_);
            consumed_ += end_ - begin_;
            begin_ = end_;
            return true;
        }
    }
}

std::string_view getField(int index, const DelimiterSet& delimiters, std::string_view line) {
    const char* p = line.data();
    const char* end = p + line.size();
    for (int i = 0;; ++i) {
        p = skipDelimiters(p, end, delimiters);
        if (p == end) return {};
        const char* fieldEnd = skipField(p, end, delimiters);
        if (i == index) return std::string_view(p, static_cast<std::size_t>(fieldEnd - p));
        p = fieldEnd;
    }
}

std::string_view getField(int index, std::string_view delimiters, std::string_view line) {
    return getField(index, DelimiterSet(delimiters), line);
}

int splitFields(std::string_view line, const DelimiterSet& delimiters, std::string_view* fields,
                int count) {
    const char* p = line.data();
    const char* end = p + line.size();
    int found = 0;
    while (found < count) {
        p = skipDelimiters(p, end, delimiters);
        if (p == end) break;
        const char* fieldEnd = skipField(p, end, delimiters);
        fields[found++] = std::string_view(p, static_cast<std::size_t>(fieldEnd - p));
        p = fieldEnd;
    }
    return found;
}

}  // namespace fileio
