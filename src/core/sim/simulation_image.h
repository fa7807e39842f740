#pragma once

// The compact schedule the simulation runs on, built from the record before
// every run: the twelve season blocks as the collar keeps them, with the first
// byte packed the scheduler's way, and the general block.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/record.h"

namespace orv {

inline constexpr std::size_t kSimSeasonBytes = 48;

// Next-season codes as the scheduler stores them.
inline constexpr int kSimNextPhysical = 0;  // 1..12: go to that season
inline constexpr int kSimShutdown = 14;
inline constexpr int kSimRunForever = 15;

inline constexpr int kSimGps = 0;
inline constexpr int kSimTransmitter = 1;

struct SimulationImage {
    std::array<std::array<std::uint8_t, kSimSeasonBytes>, kSeasons> seasons{};
    std::vector<std::uint8_t> general;   // the general block, in the layout of the N1 collars
    std::size_t transmitStepOffset = 0;  // where the primary transmit interval lies in it

    // season is 0..11, cycle 0..2, channel kSimGps or kSimTransmitter.
    bool dayOfYear(int season) const { return (byte(season, 0) & 0x01) != 0; }
    int fixUnits(int season) const { return (byte(season, 0) >> 2) & 0x03; }
    int nextCode(int season) const { return byte(season, 0) >> 4; }
    int dayCount(int season) const { return word(season, 2); }
    int blockLength(int channel, int season) const { return byte(season, channel == kSimGps ? 4 : 24); }
    int cycleDay(int channel, int season, int cycle) const { return byte(season, cycleBase(channel, cycle)); }
    int cycleStart(int channel, int season, int cycle) const {
        return word(season, cycleBase(channel, cycle) + 2);
    }
    int cycleHours(int channel, int season, int cycle) const {
        return word(season, cycleBase(channel, cycle) + 4);
    }
    int fixInterval(int season, int cycle) const {
        return byte(season, 44 + static_cast<std::size_t>(cycle));
    }
    // Seconds between transmissions.
    int transmitStep() const { return transmitStepOffset < general.size() ? general[transmitStepOffset] : 0; }

private:
    static std::size_t cycleBase(int channel, int cycle) {
        return (channel == kSimGps ? 6 : 26) + 6 * static_cast<std::size_t>(cycle);
    }
    int byte(int season, std::size_t offset) const {
        return seasons[static_cast<std::size_t>(season)][offset];
    }
    int word(int season, std::size_t offset) const {
        return byte(season, offset) << 8 | byte(season, offset + 1);
    }
};

// Builds the image; 0 on success (the record always gives one).
int buildSimulationImage(const ParameterRecord& record, SimulationImage& image);

}  // namespace orv
