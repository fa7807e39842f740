#include "device/byte_line.h"

#include <chrono>
#include <thread>

namespace orv {

long long ByteLine::nowMs() const {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void ByteLine::pause(int timeMs) {
    std::this_thread::sleep_for(std::chrono::milliseconds(timeMs));
}

}  // namespace orv
