// The kernel's own terminal structure carries any speed; the C library's
// termios only knows the standard rates on Linux. The two definitions of the
// structure cannot share a translation unit, so the speed is set here alone.
#include "device/serial_baud.h"

#include <sys/ioctl.h>

#if defined(__linux__)
#include <asm/termbits.h>
#else
#include <termios.h>
#endif

namespace orv {

int setLineSpeed(int fd, int baudRate) {
    if (baudRate <= 0) return 0;
#if defined(__linux__)
    struct termios2 t {};
    if (ioctl(fd, TCGETS2, &t) != 0) return 0;
    t.c_cflag &= ~static_cast<tcflag_t>(CBAUD | (CBAUD << IBSHIFT));
    t.c_cflag |= BOTHER | (BOTHER << IBSHIFT);
    t.c_ispeed = static_cast<speed_t>(baudRate);
    t.c_ospeed = static_cast<speed_t>(baudRate);
    return ioctl(fd, TCSETS2, &t) == 0 ? 1 : 0;
#else
    // Elsewhere the speed value is the rate itself.
    struct termios t {};
    if (tcgetattr(fd, &t) != 0) return 0;
    if (cfsetspeed(&t, static_cast<speed_t>(baudRate)) != 0) return 0;
    return tcsetattr(fd, TCSANOW, &t) == 0 ? 1 : 0;
#endif
}

}  // namespace orv
