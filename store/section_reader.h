#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "store/data_file.h"

// The three record sections of the data file (appointments, events, notes),
// read by one walker for both programs, with the rules every reader shares.
namespace tovik {

// The appointment table starts with room for the designed 2200 days and
// grows up to what the 16-bit count can say; the events are the grid's 300.
constexpr size_t kDesignedAppointmentSlots = 2200;
constexpr size_t kMaxAppointmentSlots = 65535;
constexpr size_t kEventSlots = 300;
constexpr size_t kNotePages = 8;

// Lengths above 65535 are read as their high 16 bits.
constexpr int32_t ApplyLengthRule(int32_t length) {
  return length > 65535 ? static_cast<int32_t>(static_cast<uint32_t>(length) >> 16) : length;
}

// The text part of stored bytes: up to the first NUL.
constexpr std::string_view TextOf(std::string_view stored) {
  return stored.substr(0, stored.find('\0'));
}

// Texts that begin with a control character, a space or "!" are not taken as
// events, and the reminder does not show them.
constexpr bool StartsAboveBang(std::string_view text) {
  return !text.empty() && static_cast<unsigned char>(text[0]) > 33;
}

// Where a walk ended: at the end of the note section, or where the data
// ended or could not be read.
struct SectionWalkEnd {
  bool complete = true;
  std::string_view what = {};  // "the event count", "appointment record" ...
  unsigned record = 0;         // 1-based, for a record
  unsigned count = 0;          // the records its section announced
};

namespace section_detail {
inline uint16_t Le16(const unsigned char* p) {
  return static_cast<uint16_t>(p[0] | p[1] << 8);
}
inline int32_t Le32(const unsigned char* p) {
  return static_cast<int32_t>(uint32_t{p[0]} | uint32_t{p[1]} << 8 | uint32_t{p[2]} << 16 |
                              uint32_t{p[3]} << 24);
}
}  // namespace section_detail

// Reads the sections from `in`, which stands at the appointment count. The
// visitor gets, in file order:
//   AppointmentCount(n)              before the appointment records;
//   Appointment(day, stored)         each appointment with text;
//   Event(month, day, stored)        each event with a month, a day and a
//                                    text that starts above "!";
//   Note(k, stored)                  every note record, k from 0.
// `stored` is the record's bytes after the length rule, its NUL included, and
// valid only during the call (the reader may stream through a buffer, so a
// record's head is decoded before its text is read). Where
// the data ends inside a record's head, the reader is left after its last
// whole field.
template <class Visitor>
SectionWalkEnd WalkSections(RecordReader& in, Visitor& visitor) {
  using section_detail::Le16;
  using section_detail::Le32;
  const auto appointments = in.U16();
  if (!appointments) return {false, "the appointment count"};
  visitor.AppointmentCount(*appointments);
  for (unsigned k = 1; k <= *appointments; ++k) {
    const unsigned char* head = in.Fixed(6);
    const uint16_t day = head ? Le16(head) : 0;
    const auto stored = head ? in.Text(ApplyLengthRule(Le32(head + 2))) : std::nullopt;
    if (!stored) {
      if (!head) in.U16();
      return {false, "appointment record", k, *appointments};
    }
    if (!stored->empty()) visitor.Appointment(day, *stored);
  }

  const auto events = in.U16();
  if (!events) return {false, "the event count"};
  for (unsigned k = 1; k <= *events; ++k) {
    const unsigned char* head = in.Fixed(6);
    const uint8_t month = head ? head[0] : 0;
    const uint8_t day = head ? head[1] : 0;
    const auto stored = head ? in.Text(ApplyLengthRule(Le32(head + 2))) : std::nullopt;
    if (!stored) {
      if (!head && in.U8()) in.U8();
      return {false, "event record", k, *events};
    }
    if (month != 0 && day != 0 && StartsAboveBang(*stored)) visitor.Event(month, day, *stored);
  }

  const auto notes = in.U16();
  if (!notes) return {false, "the note count"};
  for (unsigned k = 1; k <= *notes; ++k) {
    const unsigned char* head = in.Fixed(4);
    const auto stored = head ? in.Text(ApplyLengthRule(Le32(head))) : std::nullopt;
    if (!stored) return {false, "note record", k, *notes};
    visitor.Note(k - 1, *stored);
  }
  return {};
}

}  // namespace tovik
