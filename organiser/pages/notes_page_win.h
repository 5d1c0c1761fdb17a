#pragma once
#include <windows.h>

#include <memory>

#include "organiser/pages/page_win.h"

namespace tovik {

// The to-do and notes page (psTodos with pnlOpgaver and pnlTasksInner):
// eight note pages behind a strip of eight tabs over one text box, and a
// search box for the shown page.
class NotesPage : public OrganiserPage {
 public:
  static constexpr int kTabWidth = 79;
  static constexpr int kTabHeight = 18;

  // The ids of the page's controls, by which their commands are routed.
  enum ControlId : int {
    kSrchNot = 1200,
    kBtnTodoHyperlink,
    kBtnTodoDial,
    kLblTodoNotesHead,
    kImage2,
    kTbcTask,
    kMemTodoNotes,
  };

  explicit NotesPage(const PageArgs& args);

  void RunActivationSteps() override;
  HWND FocusControl() const override { return memTodoNotes_; }
  HWND ControlOf(Target target) const override;
  void ApplyHelpContexts(const HelpContexts& contexts) override;

  ui::Panel& InnerPanel() { return *pnlTasksInner_; }
  HWND NoteBox() const { return memTodoNotes_; }
  HWND TabStrip() const { return tbcTask_; }
  HWND SearchBox() const { return SrchNot_; }
  HWND LinkButton() const { return btnTodoHyperlink_; }
  // The title that tab `page` (0 to 7) shows.
  std::wstring TabTitle(int page) const;
  // The dial button shows while a telephone line is open.
  void ShowDialButton(bool shown);

  bool OnControlCommand(HWND control, int id, int code) override;
  bool OnControlNotify(const NMHDR& header, LRESULT* result) override;

 private:
  static std::span<const PageControl<NotesPage>> Design();
  // Also after a change of scale, when the window lays its pages out again.
  void OnSheetLaidOut() override;
  void SetTabTitle(int page, const std::wstring& title);
  void FitTabStrip();
  void ShowNotePage();    // tbcTaskChange
  void StoreNotesMemo();  // memTodoNotesExit
  void SearchNotes();     // Image2Click, SrchNotKeyPress

  HWND SrchNot_ = nullptr;
  HWND btnTodoHyperlink_ = nullptr;
  HWND btnTodoDial_ = nullptr;
  HWND lblTodoNotesHead_ = nullptr;
  HWND Image2_ = nullptr;
  std::unique_ptr<ui::Panel> pnlTasksInner_;
  HWND tbcTask_ = nullptr;
  HWND memTodoNotes_ = nullptr;
  int shownPage_ = 1;  // the note page in the box, 1 to 8
};

}  // namespace tovik
