// The viewer window's title and geometry, the same on every window system; each window layer
// builds its window from these.
#pragma once

namespace windowLayout {

inline constexpr const char* title = "Logfile by .::Zandrix::.";
// The outer top-left corner on the screen; the frame around the client area is the system's.
inline constexpr int x = 387;
inline constexpr int y = 100;
inline constexpr int clientWidth = 300;
inline constexpr int clientHeight = 500;
// The list fills the client area but for a margin on each of the four sides.
inline constexpr int listMargin = 15;
inline constexpr int listWidth = clientWidth - 2 * listMargin;
inline constexpr int listHeight = clientHeight - 2 * listMargin;

} // namespace windowLayout
