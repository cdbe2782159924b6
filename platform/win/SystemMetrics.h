// Sizes the window system decides, such as the width of a vertical scroll bar, which the
// album subtracts from a view's width before it lays out thumbnails or list columns.
#pragma once

constexpr int SM_CXSCREEN = 0;  // the primary screen's size
constexpr int SM_CYSCREEN = 1;
constexpr int SM_CXVSCROLL = 2;
constexpr int SM_CYHSCROLL = 3;

// The value of a metric in pixels; 0 for an index the system does not have.
int GetSystemMetrics(int index);
