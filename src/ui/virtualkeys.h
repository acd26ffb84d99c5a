#pragma once
// The keys the program's rules act on, by their Windows virtual key codes:
// the window layer turns each key press into one of these codes, and the
// rules take the code as their input.

namespace ui::vk {

inline constexpr int Return = 13;
inline constexpr int Escape = 27;
inline constexpr int Space = 32;
inline constexpr int PageUp = 33;
inline constexpr int PageDown = 34;
inline constexpr int End = 35;
inline constexpr int Home = 36;
inline constexpr int Left = 37;
inline constexpr int Up = 38;
inline constexpr int Right = 39;
inline constexpr int Down = 40;

} // namespace ui::vk
