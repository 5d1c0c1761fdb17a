#include <gtest/gtest.h>

#include "base/day_number.h"
#include "calendar/day_marks.h"
#include "memory_file_system_fake.h"
#include "store/organiser_store.h"

namespace tovik {
namespace {

class DayMarksTest : public ::testing::Test {
 protected:
  void Appointment(int year, int month, int day) {
    store.AppointmentSlots.push_back(
        {static_cast<uint16_t>(DayNumberFromDate(year, month, day)), std::string("x")});
  }
  void Event(int month, int day) {
    store.EventSlots.push_back(
        {static_cast<uint8_t>(month), static_cast<uint8_t>(day), std::string("e")});
  }
  OrganiserStore store;
};

TEST_F(DayMarksTest, AppointmentsOnTheFirstAndLastDay) {
  Appointment(2024, 3, 1);
  Appointment(2024, 3, 31);
  Appointment(2024, 2, 29);              // the month before: not shown
  store.AppointmentSlots.push_back({});  // a free slot
  EXPECT_EQ(ComputeDayMarks(store, 2024, 3), (1u << 0) | (1u << 30));
}

TEST_F(DayMarksTest, DaysOfTheNextMonthFillTheBitsAfterTheMonthsEnd) {
  Appointment(2023, 3, 1);
  Appointment(2023, 3, 3);
  Appointment(2023, 3, 4);  // day 32 of February: past the mask
  EXPECT_EQ(ComputeDayMarks(store, 2023, 2), (1u << 28) | (1u << 30));
}

TEST_F(DayMarksTest, MonthsAfterTheLastStorableDay) {
  store.AppointmentSlots.push_back(
      {static_cast<uint16_t>(kLastStorableDay), std::string("x")});  // 4 June 2079
  Event(7, 4);
  EXPECT_EQ(ComputeDayMarks(store, 2079, 6), 1u << 3);
  EXPECT_EQ(ComputeDayMarks(store, 2079, 7), 1u << 3);  // only the yearly event
  EXPECT_EQ(ComputeDayMarks(store, 2079, 12), 0u);
}

TEST_F(DayMarksTest, OnlyYearlyEventsMark) {
  Event(12, 24);
  Event(13, 24);  // every month
  Event(14, 2);   // every Monday
  Event(12, 0);   // damaged
  Event(12, 40);  // damaged
  EXPECT_EQ(ComputeDayMarks(store, 2030, 12), 1u << 23);
  EXPECT_EQ(ComputeDayMarks(store, 1901, 12), 1u << 23);
  EXPECT_EQ(ComputeDayMarks(store, 2030, 11), 0u);
}

TEST_F(DayMarksTest, FindDayEventTakesTheLowestYearlySlot) {
  Event(13, 5);
  Event(6, 5);
  Event(6, 5);
  Event(14, 5);
  EXPECT_EQ(FindDayEvent(store, 6, 5), 2);
  EXPECT_EQ(FindDayEvent(store, 7, 5), 0);
  EXPECT_EQ(FindDayEvent(store, 6, 6), 0);
}

}  // namespace
}  // namespace tovik
