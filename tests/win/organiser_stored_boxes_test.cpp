// The boxes whose text goes into Tovik.dat take only what code page 1252
// holds: a typed letter it lacks is not typed, a paste keeps its other
// characters, each with a beep and a tip that names what was left out. The
// search boxes are not stored and take anything.
#include <windows.h>

#include "tests/win/organiser_test_support.h"
#include "ui/input_filter_win.h"

namespace tovik {
namespace {

using namespace testing;

void PutOnClipboard(HWND owner, const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(owner));
  EmptyClipboard();
  const HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  std::copy_n(text.c_str(), text.size() + 1, static_cast<wchar_t*>(GlobalLock(data)));
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
}

class StoredBoxTest : public OrganiserWindowTest {
 protected:
  void SetUp() override {
    OrganiserWindowTest::SetUp();
    beep_ = [this] { ++beeps_; };
  }
  int beeps_ = 0;
};

TEST_F(StoredBoxTest, RefuseWhatTheCodePageCannotHold) {
  Start();
  const std::wstring smiley{wchar_t(0xD83D), wchar_t(0xDE00)};
  main_->SelectPage(TTovikMain::kEventsPage);
  SetFocus(main_->Events().Grid().hwnd());
  main_->Events().Grid().MoveCurrent(2, 1);  // the text column
  const struct {
    const char* name;
    int page;
    HWND box;
    bool stored;
  } boxes[] = {
      {"day note", TTovikMain::kAppointmentsPage, main_->Appointments().DayNote(), true},
      {"note page", TTovikMain::kNotesPage, main_->Notes().NoteBox(), true},
      {"event text", TTovikMain::kEventsPage, main_->Events().Grid().Editor(), true},
      {"diary search", TTovikMain::kAppointmentsPage, main_->Appointments().SearchBox(), false},
      {"notes search", TTovikMain::kNotesPage, main_->Notes().SearchBox(), false},
  };
  const std::wstring pasted = L"Grüße, Привет " + smiley;
  for (const auto& b : boxes) {
    main_->SelectPage(b.page);
    const HWND box = b.box;
    SetFocus(box);
    SetWindowTextW(box, L"");
    const int beeps = beeps_;
    PutOnClipboard(main_->hwnd(), pasted);
    SendMessageW(box, WM_PASTE, 0, 0);
    SendMessageW(box, WM_CHAR, L'Я', 0);
    SendMessageW(box, WM_CHAR, smiley[0], 0);
    SendMessageW(box, WM_CHAR, smiley[1], 0);
    if (!b.stored) {
      EXPECT_EQ(WindowText(box), pasted + L"Я" + smiley) << b.name;
      EXPECT_EQ(beeps_, beeps) << b.name;
      continue;
    }
    EXPECT_EQ(WindowText(box), L"Grüße,  ") << b.name;
    EXPECT_EQ(beeps_, beeps + 3) << b.name;
    // The paste names every letter it left out.
    SendMessageW(box, WM_PASTE, 0, 0);
    EXPECT_EQ(ui::ShownTip(box),
              L"Tovik.dat cannot hold these characters with this computer's language settings, "
              L"so they were left out of the pasted text: П р и в е т " +
                  smiley)
        << b.name;
    SendMessageW(box, WM_KEYDOWN, VK_END, 0);
    EXPECT_EQ(ui::ShownTip(box), L"") << b.name << ": the next key hides the tip";
  }
}

}  // namespace
}  // namespace tovik
