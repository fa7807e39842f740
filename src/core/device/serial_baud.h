#pragma once

namespace orv {

// Sets both line speeds of an open terminal to any rate the device accepts,
// standard or not. 1 success, 0 failure. Call after the other line settings.
int setLineSpeed(int fd, int baudRate);

}  // namespace orv
