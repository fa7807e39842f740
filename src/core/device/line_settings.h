#pragma once

namespace orv {

// Bits of the settings word handed to SerialPort::open.
inline constexpr int kSettingEightDataBits = 0x01;
inline constexpr int kSettingTwoStopBits = 0x02;
inline constexpr int kSettingParityOn = 0x04;
inline constexpr int kSettingEvenParity = 0x08;
inline constexpr int kSettingSinglePin = 0x40;
inline constexpr int kSettingThreeVolt = 0x80;

// Parity values of a slot.
inline constexpr int kParityNone = 0;
inline constexpr int kParityOdd = 1;
inline constexpr int kParityEven = 2;

// Stop-bit values of a slot.
inline constexpr int kOneStopBit = 0;
inline constexpr int kTwoStopBits = 2;

// The line settings a settings word stands for.
struct LineSettings {
    int byteSize = 7;  // 7 or 8 data bits
    int parity = kParityNone;
    int parityEnabled = 0;  // 1 when parity is on
    int stopBits = kOneStopBit;
    int echoMode = 0;   // single-pin interface: every byte written comes back
    int threeVolt = 0;  // kept with the settings; the line does nothing with it
};

constexpr LineSettings decodeSettingsWord(int word) {
    LineSettings s;
    s.byteSize = (word & kSettingEightDataBits) ? 8 : 7;
    s.stopBits = (word & kSettingTwoStopBits) ? kTwoStopBits : kOneStopBit;
    if (word & kSettingParityOn) {
        s.parityEnabled = 1;
        s.parity = (word & kSettingEvenParity) ? kParityEven : kParityOdd;
    }
    s.echoMode = (word & kSettingSinglePin) ? 1 : 0;
    s.threeVolt = (word & kSettingThreeVolt) ? 1 : 0;
    return s;
}

}  // namespace orv
