#pragma once

namespace tarn {

// The keys the windows act on; every other key is Other.
enum class Key { Other, F1, F2, F3, F4, F5, F8, F9, Menu, Return, Escape, Insert, Delete, Up, Down, Left, Right };

// Shift masks of key and mouse events.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Mouse button masks of mouse events.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

}  // namespace tarn
