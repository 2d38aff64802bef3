#include "shell/commands.h"

#include <type_traits>

#include "base/menu_marks.h"
#include "document/document_state.h"
#include "document/file_form.h"
#include "relay/relay.h"
#include "resource.h"
#include "search/find_replace.h"
#include "shell/document_commands.h"
#include "shell/options.h"
#include "shell/startup.h"
#include "shell/window_placement.h"
#include "statusbar/status_bar.h"
#include "view/edit_view.h"
#include "view/font_dialogs.h"

namespace {

// Calls F with what it takes of the main window and the row's argument; a
// result is not wanted here.
template <auto F>
void Call(HWND window, int argument) {
  if constexpr (std::is_invocable_v<decltype(F), HWND, int>) {
    F(window, argument);
  } else if constexpr (std::is_invocable_v<decltype(F), HWND>) {
    F(window);
  } else {
    F();
  }
}

void Post(HWND window, int message) {
  PostMessageA(window, message, 0, 0);
}

// The EUC item (ticked EUC-JP, unticked Shift_JIS), the LF item and the
// items of 文字コード: the form of the next save.
void ChooseForm(HWND window, int id) {
  FileForm form = Document.form;
  if (id == ID_LF_MODE) {
    form.lfMode = !form.lfMode;
  } else if (id == ID_EUC_MODE) {
    ChooseFileForm(form, form.encoding == TextEncoding::Euc ? ID_FORM_SJIS - ID_FORM_FIRST
                                                            : ID_FORM_EUC - ID_FORM_FIRST);
  } else if (FileFormChoice(form) != id - ID_FORM_FIRST) {
    ChooseFileForm(form, id - ID_FORM_FIRST);
  } else {
    return;  // the form it has: nothing changes
  }
  SetDocumentForm(window, form);
}

// Hands the document to the external editor and ends without the shutdown:
// this run's placement and recent list are not saved on this way out.
void RelayNowCommand(HWND window) {
  if (!ConfirmDiscard(window)) return;
  if (HandOverDocument(window, Document.path)) PostQuitMessage(0);
}

// Every notification of the edit view arrives here too (its child id is
// ID_REFRESH): the first change marks the title, and the caret is shown.
void RefreshCommand(HWND window) {
  if (QueryFirstModification()) MarkTitleModified(window);
  ShowCaretPosition();
}

struct Command {
  int id;
  void (*run)(HWND window, int argument);
  int argument = 0;
};

constexpr Command kCommands[] = {
    {ID_FILE_EXIT, Post, WM_CLOSE},
    {ID_HELP_ABOUT, Call<ShowAboutBox>},
    {ID_FILE_OPEN, Call<OpenCommand>},
    {ID_FILE_SAVEAS, Call<SaveAsCommand>},
    {ID_FILE_SAVE, Call<SaveCommand>},
    {ID_FILE_NEW, Call<NewDocument>},
    {ID_FONT, Call<FontCommand>},
    {ID_OPEN_DEFAULT, Call<OpenModeCommand>, ID_OPEN_DEFAULT},
    {ID_OPEN_LAST, Call<OpenModeCommand>, ID_OPEN_LAST},
    {ID_OPEN_MAXIMIZED, Call<OpenModeCommand>, ID_OPEN_MAXIMIZED},
    {ID_TEXT_COLOR, Call<TextColorCommand>},  // repaints the view itself
    {ID_BACK_COLOR, Call<BackColorCommand>},  // repaints the view itself
    {ID_RELAY_SETTINGS, Call<ShowRelaySettings>},
    {ID_EUC_MODE, ChooseForm, ID_EUC_MODE},
    {ID_LF_MODE, ChooseForm, ID_LF_MODE},
    // The dialog is forced for Ctrl+F and Ctrl+R only; the other keys ask
    // only while a string they need is still empty.
    {ID_FIND, Call<FindNext>, 1},
    {ID_FIND_NEXT, Call<FindNext>, 0},
    {ID_FIND_PREVIOUS, Call<FindPrevious>, 0},
    {ID_REPLACE, Call<ReplaceNext>, 1},
    {ID_REPLACE_NEXT, Call<ReplaceNext>, 0},
    {ID_REPLACE_PREVIOUS, Call<ReplacePrevious>, 0},
    {ID_SELECT_ALL, Call<SelectAllText>},
    {ID_RELAY_NOW, Call<RelayNowCommand>},
    {ID_REFRESH, Call<RefreshCommand>},
    {ID_OPEN_WARNING, Call<ShowOpenWarning>},
};

}  // namespace

void RunCommand(HWND mainWindow, int id) {
  if (id >= ID_RECENT_FIRST && id <= ID_RECENT_LAST) {
    OpenRecentItem(mainWindow, id);
    return;
  }
  if (id >= ID_FORM_FIRST && id <= ID_FORM_LAST) {
    ChooseForm(mainWindow, id);
    return;
  }
  // File > 開き直す: one item an encoding, in their order.
  if (id >= ID_REOPEN_FIRST && id <= ID_REOPEN_LAST) {
    ReopenDocument(mainWindow, static_cast<TextEncoding>(id - ID_REOPEN_FIRST));
    return;
  }
  for (const Command& command : kCommands) {
    if (command.id == id) {
      command.run(mainWindow, command.argument);
      return;
    }
  }
  // The options, one row each in their own table.
  RunOption(mainWindow, id);
}
