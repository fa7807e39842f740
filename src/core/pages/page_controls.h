#pragma once

// Controls of the parameter pages that no definition row names: status texts,
// group titles and buttons whose text or visibility the page rules set. Their
// ids lie above those of the definition tables.

namespace orv {

class MemoryPageSet;

namespace PageControl {
// GPS Parms: the group box titled "GPS Fixing Enabled" / "GPS Fixing Disabled".
inline constexpr int GpsGroup = 50001;
// Misc.: "Salt-Water Switch Enabled" / "Salt-Water Switch Disabled".
inline constexpr int SaltWaterStatus = 50101;
// Transmitter: the transmitter state text, the "Encryption" and the power groups.
inline constexpr int TransmitterState = 50201;
inline constexpr int EncryptionGroup = 50202;
inline constexpr int PowerGroup = 50203;
// Beacon: "Beacon Pulse Patterns Enabled" / "... Disabled".
inline constexpr int BeaconStatus = 50301;
// Fact. Parms: the variables group ("ARGOS Variables", "SST Network Variables")
// and the "Synthesizer Type" group.
inline constexpr int VariablesGroup = 50401;
inline constexpr int SynthesizerGroup = 50402;
}  // namespace PageControl

// Adds the controls above to in-memory pages (orvctl, tests).
void addPageOwnControls(MemoryPageSet& pages);

}  // namespace orv
