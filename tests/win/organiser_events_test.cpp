// The periodic events page in process: each cell checked as it is typed, the
// grid written back sorted when it is left, and the search stepping round.
#include <windows.h>

#include "base/day_number.h"
#include "tests/unit/data_file_builder.h"
#include "tests/win/organiser_test_support.h"

namespace tovik {
namespace {

using namespace testing;

class EventsPageTest : public OrganiserWindowTest {
 protected:
  void SetUp() override {
    OrganiserWindowTest::SetUp();
    beep_ = [this] { ++beeps_; };
  }
  EventsPage& Page() { return main_->Events(); }
  ui::StringGrid& Grid() { return Page().Grid(); }
  void Show() {
    main_->SelectPage(TTovikMain::kEventsPage);
    SetFocus(Grid().hwnd());
    Pump();
  }
  // Moves to the cell with the arrow keys and types the text over it.
  void TypeAt(int col, int row, const std::wstring& text) {
    while (Grid().Row() != row || Grid().Col() != col) {
      const WPARAM key = Grid().Row() < row   ? VK_DOWN
                         : Grid().Row() > row ? VK_UP
                         : Grid().Col() < col ? VK_RIGHT
                                              : VK_LEFT;
      const int caret = key == VK_LEFT ? 0 : GetWindowTextLengthW(Grid().Editor());
      SendMessageW(Grid().Editor(), EM_SETSEL, caret, caret);
      Key(key);
    }
    SendMessageW(Grid().Editor(), EM_SETSEL, 0, -1);
    for (const wchar_t c : text) SendMessageW(Grid().Editor(), WM_CHAR, c, 0);
  }
  void Key(WPARAM key) { SendMessageW(Grid().Editor(), WM_KEYDOWN, key, 0); }
  void Leave() {
    SetFocus(Page().SearchBox());
    Pump();
  }
  static std::string Events() {
    const std::string file = ReadBytes(DataFile());
    return file.substr(kSectionsOffset + 2, file.size() - kSectionsOffset - 2 - 2 - 8 * 4);
  }
  int beeps_ = 0;
};

TEST_F(EventsPageTest, ImpossibleValuesBeepAndHoldTheCellButStayAsTyped) {
  Start();
  Show();
  TypeAt(0, 2, L"14");
  TypeAt(1, 2, L"8");  // no eighth weekday
  EXPECT_EQ(beeps_, 1);
  TypeAt(1, 2, L"7");
  TypeAt(2, 2, L"Gym");
  TypeAt(0, 3, L"15");  // beeps at its second digit only
  EXPECT_EQ(beeps_, 2);
  Key(VK_ESCAPE);      // takes the month back
  TypeAt(1, 3, L"1");  // a day before its month
  EXPECT_EQ(beeps_, 3);
  Key(VK_ESCAPE);
  TypeAt(0, 1, L"02");
  TypeAt(2, 1, L"Leap");
  TypeAt(1, 1, L"29");
  EXPECT_EQ(beeps_, 4);
  Key(VK_DOWN);  // moving away checks once more, and the cell stays current
  EXPECT_EQ(beeps_, 5);
  EXPECT_EQ(Grid().Row(), 1);
  EXPECT_EQ(Grid().Col(), 1);
  EXPECT_EQ(Grid().Cell(0, 3), L"");
  Leave();
  EXPECT_EQ(Events(), DataFileBuilder()
                          .U16(2)
                          .Event(2, 29, "Leap")
                          .Event(14, 7, "Gym")
                          .bytes()
                          .substr(kSectionsOffset));
}

TEST_F(EventsPageTest, RowsCloseUpSortedAndTheThreeHundredthEventStays) {
  DataFileBuilder file(0x00A2);
  file.U16(0).U16(300);
  for (int i = 0; i < 300; ++i) {
    file.Event(static_cast<uint8_t>(1 + i % 12), static_cast<uint8_t>(1 + i / 12),
               i == 299 ? "the last" : "event");
  }
  std::ofstream(DataFile(), std::ios::binary) << file.U16(8).EmptyNotes(8).bytes();
  Start();
  Show();
  EXPECT_EQ(Grid().Cell(2, 300), L"the last");  // in the row below the ones on view
  Leave();
  EXPECT_NE(Events().find("the last"), std::string::npos);

  // Three events in rows 5, 9 and 12 of an empty grid come out in rows 1 to 3.
  for (int row = 1; row <= 300; ++row) {
    for (int col = 0; col < 3; ++col) Grid().SetCell(col, row, {});
  }
  Show();
  TypeAt(0, 5, L"12");
  TypeAt(1, 5, L"24");
  TypeAt(2, 5, L"  Christmas  ");
  TypeAt(0, 9, L"01");
  TypeAt(1, 9, L"06");
  TypeAt(2, 9, L"Epiphany");
  TypeAt(0, 12, L"13");
  TypeAt(1, 12, L"01");
  TypeAt(2, 12, L"Rent");
  Leave();
  EXPECT_EQ(Grid().Cell(2, 1), L"Epiphany");
  EXPECT_EQ(Grid().Cell(2, 2), L"Christmas");
  EXPECT_EQ(Grid().Cell(2, 3), L"Rent");
  EXPECT_EQ(Grid().Cell(2, 4), L"");
  // The file takes them in the grid's order; the sorted order is the next save's.
  EXPECT_EQ(Events(), DataFileBuilder()
                          .U16(3)
                          .Event(12, 24, "Christmas")
                          .Event(1, 6, "Epiphany")
                          .Event(13, 1, "Rent")
                          .bytes()
                          .substr(kSectionsOffset));
}

TEST_F(EventsPageTest, SearchStepsFromTheNextRowAndGoesRound) {
  std::ofstream(DataFile(), std::ios::binary) << DataFileBuilder(0x00A2)
                                                     .U16(0)
                                                     .U16(4)
                                                     .Event(1, 1, "Anna")
                                                     .Event(2, 1, "Bob")
                                                     .Event(3, 1, "ANNA's cat")
                                                     .Event(4, 1, "anna again")
                                                     .U16(8)
                                                     .EmptyNotes(8)
                                                     .bytes();
  Start();
  Show();
  SetWindowTextW(Page().SearchBox(), L"anna");
  std::vector<int> rows;
  for (int i = 0; i < 4; ++i) {
    SetFocus(Page().SearchBox());
    SendMessageW(Page().SearchBox(), WM_CHAR, VK_RETURN, 0);
    Pump();
    rows.push_back(Grid().Row());
    EXPECT_EQ(Grid().Col(), 2);
    EXPECT_EQ(Grid().TopRow(), Grid().Row());
  }
  EXPECT_EQ(rows, (std::vector<int>{3, 4, 1, 3}));
}

// A half-typed month stops the user who leaves the grid with the mask's
// message in the current language. The return from that box, as from the
// About box, commits the grid without a box and drops no row: one digit
// typed stands, and an emptied day gets its value back.
TEST_F(EventsPageTest, HalfTypedCellStopsTheUserAndNoRowIsDropped) {
  Start();
  Run(Command::LanDanish);
  Show();
  TypeAt(0, 1, L"05");
  TypeAt(1, 1, L"17");
  TypeAt(2, 1, L"Constitution Day");
  TypeAt(0, 1, L"1");
  MessageBoxAnswerer answerer;
  Leave();
  EXPECT_EQ(answerer.Stop().size(), 1u);
  EXPECT_EQ(beeps_, 1);
  const std::string log = ReadBytes(fs::current_path() / "Tovik.log");
  EXPECT_NE(log.find("Ugyldig værdi.  Tryk på Esc-tasten for at fortryde ændringerne"),
            std::string::npos);
  EXPECT_NE(log.find("Sender: sgEvents"), std::string::npos);
  EXPECT_EQ(
      Events(),
      DataFileBuilder().U16(1).Event(1, 17, "Constitution Day").bytes().substr(kSectionsOffset));

  Show();
  TypeAt(0, 2, L"06");
  TypeAt(1, 2, L"21");
  TypeAt(2, 2, L"Midsummer");
  TypeAt(1, 2, L"\b");
  PostMessageW(main_->About().hwnd(), WM_COMMAND, IDOK, 0);
  Run(Command::About);
  EXPECT_EQ(beeps_, 1);
  EXPECT_EQ(Events(), DataFileBuilder()
                          .U16(2)
                          .Event(1, 17, "Constitution Day")
                          .Event(6, 21, "Midsummer")
                          .bytes()
                          .substr(kSectionsOffset));
}

}  // namespace
}  // namespace tovik
