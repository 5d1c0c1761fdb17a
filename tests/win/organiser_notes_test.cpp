// The to-do and notes page in process: eight pages kept across tabs, windows
// and restarts, titled by their first words, and searched from the caret.
#include <windows.h>
#include <commctrl.h>

#include "tests/unit/data_file_builder.h"
#include "tests/win/organiser_test_support.h"

namespace tovik {
namespace {

using namespace testing;

class NotesPageTest : public OrganiserWindowTest {
 protected:
  NotesPage& Page() { return main_->Notes(); }
  void Show() {
    main_->SelectPage(TTovikMain::kNotesPage);
    Pump();
  }
  void Type(const std::wstring& text) {
    SetFocus(Page().NoteBox());
    for (const wchar_t c : text) SendMessageW(Page().NoteBox(), WM_CHAR, c, 0);
  }
  // A press on a tab, as the mouse gives it.
  void PickTab(int tab) {
    RECT item;
    SendMessageW(Page().TabStrip(), TCM_GETITEMRECT, tab, reinterpret_cast<LPARAM>(&item));
    const LPARAM at = MAKELPARAM(item.left + 4, item.top + 4);
    SendMessageW(Page().TabStrip(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Page().TabStrip(), WM_LBUTTONUP, 0, at);
    Pump();
  }
  std::wstring Titles() {
    std::wstring titles;
    for (int tab = 0; tab < 8; ++tab) titles += Page().TabTitle(tab) + L"|";
    return titles;
  }
  static std::string Notes() {
    const std::string file = ReadBytes(DataFile());
    return file.substr(kSectionsOffset + 4);  // after the two empty counts
  }
};

TEST_F(NotesPageTest, PagesKeepTheirTextsAcrossTabsAndAreTitledByTheirFirstWords) {
  Start();
  Show();
  EXPECT_EQ(Titles(), L"-|-|-|-|-|-|-|-|");
  Type(L"Shopping list\r$milk");
  PickTab(2);  // changing tabs while typing stores the page it was typed on
  EXPECT_EQ(WindowText(Page().NoteBox()), L"");
  Type(L"\rstarts with a line break");
  PickTab(5);
  Type(L"gone soon");
  PickTab(0);
  EXPECT_EQ(WindowText(Page().NoteBox()), L"Shopping list\r\n$milk");
  PickTab(5);
  SendMessageW(Page().NoteBox(), EM_SETSEL, 0, -1);
  Type(L"\b");
  PickTab(0);
  EXPECT_EQ(Titles(), L"Shopping|-||-|-|-|-|-|");
  // Eight note records; empty pages have Length 0.
  EXPECT_EQ(Notes(), DataFileBuilder()
                         .U16(8)
                         .Text("Shopping list\r\n$milk")
                         .I32(0)
                         .Text("\r\nstarts with a line break")
                         .EmptyNotes(5)
                         .bytes()
                         .substr(kSectionsOffset));

  // The page that begins with an empty line is there after a restart.
  main_.reset();
  Pump();
  Start();
  Show();
  PickTab(2);
  EXPECT_EQ(WindowText(Page().NoteBox()), L"\r\nstarts with a line break");
}

TEST_F(NotesPageTest, TypedTextSurvivesTheAboutBox) {
  Start();
  Show();
  Type(L"Call the plumber");
  PostMessageW(main_->About().hwnd(), WM_COMMAND, IDOK, 0);
  Run(Command::About);
  EXPECT_EQ(WindowText(Page().NoteBox()), L"Call the plumber");
  EXPECT_EQ(Page().TabTitle(0), L"Call");
  EXPECT_NE(Notes().find("Call the plumber"), std::string::npos);
}

TEST_F(NotesPageTest, SearchStepsFromTheCaretAndGoesRound) {
  Start();
  Show();
  Type(L"Milk and more MILK");
  SetWindowTextW(Page().SearchBox(), L"milk");
  const auto search = [this] {
    SetFocus(Page().SearchBox());
    SendMessageW(Page().SearchBox(), WM_CHAR, VK_RETURN, 0);
    Pump();
    DWORD caret = 0;
    SendMessageW(Page().NoteBox(), EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    return caret;
  };
  SendMessageW(Page().NoteBox(), EM_SETSEL, 0, 0);
  EXPECT_EQ(search(), 14u);
  EXPECT_EQ(GetFocus(), Page().NoteBox());
  EXPECT_EQ(search(), 0u);  // round to the start
  EXPECT_EQ(search(), 14u);
  SendMessageW(Page().NoteBox(), EM_SETSEL, 18, 18);  // the caret at the end
  EXPECT_EQ(search(), 0u);
}

}  // namespace
}  // namespace tovik
