#include "device/serial_port.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include "device/serial_baud.h"

namespace orv {

namespace {

using Clock = std::chrono::steady_clock;

// The echo of a single-pin interface comes back within this time or not at all
// (40 polls 5 ms apart on the original line).
constexpr int kEchoWaitMs = 200;
// readText gives up after this much silence (40 polls 50 ms apart).
constexpr int kReadTextSilenceMs = 2000;
// A byte the output queue does not take within this time is a failed write.
constexpr int kWriteGraceMs = 1000;

int msLeft(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    return left > 0 ? static_cast<int>(left) : 0;
}

bool validSlot(int slot) {
    return slot >= 0 && slot < kSerialSlots;
}

// Waits until the output queue is empty, at most as long as one byte's write
// may take; a line held up by its adapter is then closed all the same.
void drainOutput(const PortSlot& s) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteGraceMs);
    for (;;) {
        int queued = 0;
        if (ioctl(s.fd, TIOCOUTQ, &queued) != 0 || queued <= 0) return;
        if (msLeft(deadline) == 0) return;
        ::usleep(1000);
    }
}

}  // namespace

SerialPort::SerialPort() {
    for (int i = 0; i < kSerialSlots; ++i) {
        slots[static_cast<std::size_t>(i)].portNumber = i + 1;
        slots[static_cast<std::size_t>(i)].devicePath = defaultDevicePath(i);
    }
}

SerialPort::~SerialPort() {
    for (int i = 0; i < kSerialSlots; ++i) close(i);
}

std::string SerialPort::defaultDevicePath(int slot) {
    return "/dev/ttyUSB" + std::to_string(slot);
}

void SerialPort::setDevicePath(int slot, const std::string& path) {
    if (validSlot(slot)) slots[static_cast<std::size_t>(slot)].devicePath = path;
}

std::string SerialPort::devicePath(int slot) const {
    return validSlot(slot) ? slots[static_cast<std::size_t>(slot)].devicePath : std::string();
}

const PortSlot& SerialPort::slotState(int slot) const {
    return slots[static_cast<std::size_t>(slot)];
}

bool SerialPort::isOpen(int slot) const {
    return validSlot(slot) && slots[static_cast<std::size_t>(slot)].isOpen.load() != 0;
}

bool SerialPort::hasHungUp(int slot) const {
    return isOpen(slot) && slots[static_cast<std::size_t>(slot)].hungUp.load() != 0;
}

PortSlot* SerialPort::openSlot(int slot) {
    if (!isOpen(slot)) return nullptr;
    return &slots[static_cast<std::size_t>(slot)];
}

// Raw 8-bit-clean line with the slot's frame, no flow control of any kind,
// reads that return at once with what is waiting.
int SerialPort::applyLine(PortSlot& s) {
    termios t{};
    if (tcgetattr(s.fd, &t) != 0) return 0;
    cfmakeraw(&t);
    t.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP);
    t.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS);
    t.c_cflag |= CLOCAL | CREAD | (s.byteSize == 8 ? CS8 : CS7);
    if (s.parityEnabled) t.c_cflag |= PARENB | (s.parity == kParityOdd ? PARODD : 0);
    if (s.stopBits == kTwoStopBits) t.c_cflag |= CSTOPB;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    t.c_cc[VSTART] = 0x11;
    t.c_cc[VSTOP] = 0x13;
    // A speed set earlier by the arbitrary-rate call is not one the C library
    // can hand back: put a standard one here, the real one follows.
    cfsetspeed(&t, B9600);
    if (tcsetattr(s.fd, TCSANOW, &t) != 0) return 0;
    return setLineSpeed(s.fd, s.baudRate);
}

int SerialPort::open(int slot, int settingsWord, int baudRate) {
    if (!validSlot(slot) || isOpen(slot) || baudRate <= 0) return 0;
    PortSlot& s = slots[static_cast<std::size_t>(slot)];
    s.baudRate = baudRate;
    const LineSettings line = decodeSettingsWord(settingsWord);
    s.echoMode = line.echoMode;
    s.byteSize = line.byteSize;
    s.stopBits = line.stopBits;
    s.parity = line.parity;
    s.parityEnabled = line.parityEnabled;
    s.hungUp = 0;

    // No sharing: an advisory lock keeps out every other program of ours (root
    // included), TIOCEXCL every other opener of the terminal.
    const int fd = ::open(s.devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return 0;
    if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return 0;
    }
    ioctl(fd, TIOCEXCL);
    s.fd = fd;
    tcflush(fd, TCIOFLUSH);
    if (!applyLine(s)) {
        ::close(fd);
        s.fd = -1;
        return 0;
    }
    bool otherOpen = false;
    for (int i = 0; i < kSerialSlots; ++i) otherOpen = otherOpen || (i != slot && isOpen(i));
    s.isOpen = 1;
    if (!otherOpen) current = slot;
    setRts(slot);
    setDtr(slot);
    return 1;
}

int SerialPort::reconfigure(int slot, int settingsWord, int baudRate) {
    PortSlot* s = openSlot(slot);
    if (!s || baudRate <= 0) return 0;
    const LineSettings line = decodeSettingsWord(settingsWord);
    s->byteSize = line.byteSize;
    s->stopBits = line.stopBits;
    s->parity = line.parity;
    s->parityEnabled = line.parityEnabled;
    s->baudRate = baudRate;
    return applyLine(*s);
}

int SerialPort::readByte(int slot) {
    PortSlot* s = openSlot(slot);
    if (!s) return 0;
    unsigned char c = 0;
    const ssize_t n = ::read(s->fd, &c, 1);
    if (n == 1) return static_cast<signed char>(c);
    // With no minimum count an empty line reads as 0 bytes; a terminal whose
    // other end went away fails with EIO (a hang-up also shows in waitReadable).
    if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) s->hungUp = 1;
    return -1;
}

LineWait SerialPort::waitReadable(int slot, int timeoutMs) {
    PortSlot* s = openSlot(slot);
    if (!s || s->hungUp) return LineWait::Lost;
    pollfd p{s->fd, POLLIN, 0};
    int r;
    do {
        r = ::poll(&p, 1, timeoutMs > 0 ? timeoutMs : 0);
    } while (r < 0 && errno == EINTR);
    if (r <= 0) return LineWait::TimedOut;
    // A hung-up terminal also reports itself readable: only bytes still
    // queued count as data.
    if (p.revents & (POLLHUP | POLLERR | POLLNVAL)) {
        int queued = 0;
        if (ioctl(s->fd, FIONREAD, &queued) == 0 && queued > 0) return LineWait::Ready;
        s->hungUp = 1;
        return LineWait::Lost;
    }
    return (p.revents & POLLIN) ? LineWait::Ready : LineWait::TimedOut;
}

int SerialPort::writeByte(int slot, int byte) {
    PortSlot* s = openSlot(slot);
    if (!s) return 0;
    const unsigned char c = static_cast<unsigned char>(byte);
    const auto deadline = Clock::now() + std::chrono::milliseconds(kWriteGraceMs + 24000 / s->baudRate);
    for (;;) {
        const ssize_t n = ::write(s->fd, &c, 1);
        if (n == 1) break;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK && errno != EINTR) return 0;
        const int left = msLeft(deadline);
        if (left == 0) return 0;
        pollfd p{s->fd, POLLOUT, 0};
        ::poll(&p, 1, left);
    }
    if (!s->echoMode) return 1;
    // The single-pin interface returns every byte it puts on the line.
    const auto echoDeadline = Clock::now() + std::chrono::milliseconds(kEchoWaitMs);
    for (;;) {
        const int got = readByte(slot);
        if (got != -1) return (got & 0xFF) == c ? 1 : 0;
        const int left = msLeft(echoDeadline);
        if (left == 0 || waitReadable(slot, left) == LineWait::Lost) return 0;
    }
}

int SerialPort::writeText(int slot, const char* text) {
    for (const char* p = text; *p; ++p)
        if (!writeByte(slot, static_cast<unsigned char>(*p))) return 0;
    return 1;
}

int SerialPort::readText(int slot, char* buffer, int capacity) {
    if (capacity <= 0) return 0;
    int count = 0;
    auto deadline = Clock::now() + std::chrono::milliseconds(kReadTextSilenceMs);
    while (count < capacity - 1 && isOpen(slot)) {
        const int got = readByte(slot);
        if (got != -1) {
            buffer[count++] = static_cast<char>(got);
            deadline = Clock::now() + std::chrono::milliseconds(kReadTextSilenceMs);
            continue;
        }
        const int left = msLeft(deadline);
        if (left == 0 || waitReadable(slot, left) == LineWait::Lost) break;
    }
    buffer[count] = '\0';
    return count;
}

void SerialPort::purge(int slot) {
    if (PortSlot* s = openSlot(slot)) tcflush(s->fd, TCIOFLUSH);
}

int SerialPort::pendingOutput(int slot) {
    PortSlot* s = openSlot(slot);
    int queued = 0;
    if (!s || ioctl(s->fd, TIOCOUTQ, &queued) != 0) return 0;
    return queued;
}

// A pseudo-terminal has no modem lines and refuses these; that is no failure.
void SerialPort::modemLine(int slot, int bits, bool raise) {
    if (PortSlot* s = openSlot(slot)) ioctl(s->fd, raise ? TIOCMBIS : TIOCMBIC, &bits);
}

void SerialPort::setDtr(int slot) {
    modemLine(slot, TIOCM_DTR, true);
}
void SerialPort::clearDtr(int slot) {
    modemLine(slot, TIOCM_DTR, false);
}
void SerialPort::setRts(int slot) {
    modemLine(slot, TIOCM_RTS, true);
}
void SerialPort::clearRts(int slot) {
    modemLine(slot, TIOCM_RTS, false);
}

void SerialPort::close(int slot) {
    PortSlot* s = openSlot(slot);
    if (!s) return;
    clearDtr(slot);
    clearRts(slot);
    // The last frame (a shut-down's "X") may still sit in the output queue:
    // let it go out before closing, and throw away only what came in unread.
    drainOutput(*s);
    tcflush(s->fd, TCIFLUSH);
    s->isOpen = 0;
    ::close(s->fd);
    s->fd = -1;
    s->hungUp = 0;
}

}  // namespace orv
