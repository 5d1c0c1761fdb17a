#pragma once

namespace tovik {

// A moment on the user's local clock.
struct LocalDateTime {
  int Year = 0;
  int Month = 0;
  int Day = 0;
  int Hour = 0;
  int Minute = 0;
  int Second = 0;
  int Millisecond = 0;
};

}  // namespace tovik
