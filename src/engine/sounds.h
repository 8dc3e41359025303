#pragma once
// The names of the game's sounds: the rendered cues NAME.wav that the front
// end plays, and the script driver prints.

namespace zv {

// The names of the game's sounds, as the front end finds them.
namespace sound {
inline constexpr const char* kMenuTheme = "menu_theme";
inline constexpr const char* kBedLow = "bed_1_5";
inline constexpr const char* kBedMiddle = "bed_6_10";
inline constexpr const char* kBedHigh = "bed_11_15";
inline constexpr const char* kSuspense = "suspense";
inline constexpr const char* kLock = "lock";
inline constexpr const char* kRight = "right";
inline constexpr const char* kWrong = "wrong";
inline constexpr const char* kMilestone = "milestone";
inline constexpr const char* kWin = "win";
inline constexpr const char* kWithdraw = "withdraw";
inline constexpr const char* kFiftyFifty = "fifty_fifty";
inline constexpr const char* kAudiencePoll = "audience_poll";
inline constexpr const char* kPhoneRing = "phone_ring";
inline constexpr const char* kPhoneClock = "phone_clock";
inline constexpr const char* kAdvice = "advice";
}  // namespace sound

}  // namespace zv
