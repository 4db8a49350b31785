// The frame comes up as the program's main window and goes down cleanly.
#include <windows.h>

#include "app/lang.h"
#include "app/message.h"
#include "app/startup.h"
#include "app/win/file_dialog.h"
#include "app/win/main_window.h"
#include "harness.h"
#include "resource.h"

using gui::FrameTest;

TEST_F(FrameTest, FrameHasCaptionClassAndMdiClient)
{
    EXPECT_EQ(gui::WindowText(frame()), "Sevir3");
    char cls[64] = {};
    GetClassNameA(frame(), cls, sizeof cls);
    EXPECT_STREQ(cls, "DictionaryMainWindowClass");
    EXPECT_EQ(hMain, frame());

    ASSERT_NE(g_hMDIClient, nullptr);
    EXPECT_EQ(GetParent(g_hMDIClient), frame());
    EXPECT_EQ(GetDlgCtrlID(g_hMDIClient), IDC_MDICLIENT);
    GetClassNameA(g_hMDIClient, cls, sizeof cls);
    EXPECT_STREQ(cls, "MDIClient");

    RECT rc;
    GetWindowRect(frame(), &rc);
    EXPECT_EQ(rc.right - rc.left, 580);
    EXPECT_EQ(rc.bottom - rc.top, 340);
    EXPECT_TRUE(GetWindowLongA(frame(), GWL_STYLE) & WS_CLIPCHILDREN);

    // Iniciace ran while the frame was created.
    EXPECT_EQ(verze.v1, 3);
    EXPECT_EQ(verze.v4, 238);
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(FrameTest, RichEditLibraryIsLoadedAndItsClassWorks)
{
    ASSERT_NE(g_hRichEdLib, nullptr);
    EXPECT_EQ(GetModuleHandleA("RICHED32.DLL"), g_hRichEdLib);
    HWND edit = CreateWindowExA(0, "RichEdit", "", WS_CHILD | ES_MULTILINE | ES_READONLY, 0, 0, 100, 50, frame(),
                                nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(edit, nullptr);
    SetWindowTextA(edit, "In the beginning");
    EXPECT_EQ(gui::WindowText(edit), "In the beginning");
    DestroyWindow(edit);
}

TEST_F(FrameTest, MenuBarHasTheProgramMenus)
{
    HMENU menu = GetMenu(frame());
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(GetMenuItemCount(menu), 7);
    const char* expected[] = {"&Program", "&Book", "&Lexicon", "&Dictionary", "&Multimedia", "&Window", "&Help"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(gui::MenuItemText(menu, i), expected[i]) << i;

    HMENU program = GetSubMenu(menu, 0);
    ASSERT_NE(program, nullptr);
    // The language submenu sits at position 7, right after "Informations about file".
    EXPECT_EQ(GetMenuItemID(program, 6), static_cast<UINT>(IDM_FILE_INFO));
    EXPECT_NE(GetSubMenu(program, 7), nullptr);
    // Exit works; what is not built yet is greyed.
    UINT exit_state = GetMenuState(program, IDM_EXIT, MF_BYCOMMAND);
    EXPECT_FALSE(exit_state & (MF_GRAYED | MF_DISABLED));
    EXPECT_TRUE(GetMenuState(program, IDM_LIBRARY_MANAGER, MF_BYCOMMAND) & MF_GRAYED);

    // Every menu label is also a built-in string under its command id.
    char label[128];
    EXPECT_GT(LANG_LoadString(nullptr, IDM_EXIT, label, sizeof label), 0);
    EXPECT_EQ(gui::MenuItemText(program, 9), label);
}

TEST_F(FrameTest, CtrlFIsTheSearchAccelerator)
{
    ASSERT_NE(g_hAccel, nullptr);
    ACCEL table[8];
    int n = CopyAcceleratorTableA(g_hAccel, table, 8);
    bool found = false;
    for (int i = 0; i < n; ++i)
        if (table[i].key == 'F' && (table[i].fVirt & FCONTROL) && table[i].cmd == IDM_SEARCH_ACCEL) found = true;
    EXPECT_TRUE(found);
}

TEST_F(FrameTest, ExitEndsTheProgramCleanly)
{
    HWND f = frame();
    PostMessageA(f, WM_COMMAND, MAKEWPARAM(IDM_EXIT, 0), 0);
    int code = -1;
    EXPECT_TRUE(gui::PumpUntilIdle(200, 5000, &code));
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(IsWindow(f));
    EXPECT_EQ(hMain, nullptr);
    EXPECT_EQ(g_hRichEdLib, nullptr);
    EXPECT_TRUE(boxes().boxes().empty());
}

TEST_F(FrameTest, MessageBoxesAreRecordedInsteadOfShown)
{
    int answer = ShowMessageBoxId(frame(), IDS_MAX_WINDOWS, IDS_MAX_WINDOWS_CAPTION, SV_MB_OK | SV_MB_ICONWARNING, 30);
    EXPECT_EQ(answer, SV_IDOK);
    ASSERT_EQ(boxes().boxes().size(), 1u);
    EXPECT_EQ(boxes().boxes()[0].text, "Maximum number of opened windows can be 30");
    EXPECT_EQ(boxes().boxes()[0].caption, "Warning");
    EXPECT_EQ(boxes().boxes()[0].flags, static_cast<unsigned>(SV_MB_OK | SV_MB_ICONWARNING));

    ReportBug(1, "something went wrong");
    ASSERT_EQ(boxes().boxes().size(), 2u);
    EXPECT_EQ(boxes().boxes()[1].caption, "BUG REPORT: Error level 1 (Serious errors)");
    EXPECT_EQ(boxes().boxes()[1].text, "something went wrong");
}

namespace {

int g_dialog_calls = 0;
int AnswerDialog(FileDialogMode mode, HWND, char* buffer, int size, const char* filter)
{
    ++g_dialog_calls;
    if (mode == FILE_DIALOG_SAVE) return 0;  // Cancel
    EXPECT_STREQ(filter, "Verse lists (*.vl)");
    lstrcpynA(buffer, "C:\\lists\\psalms.vl", size);
    return 1;
}

} // namespace

TEST_F(FrameTest, FileDialogsAreAnsweredByTheTestHandler)
{
    FileDialogHandler previous = SetFileDialogHandler(AnswerDialog);
    char path[MAX_PATH] = "stale";
    EXPECT_EQ(Nazev_souboru_Open(frame(), path, sizeof path, "Verse lists (*.vl)\0*.vl\0"), 1);
    EXPECT_STREQ(path, "C:\\lists\\psalms.vl");
    char small[8];
    EXPECT_EQ(Nazev_souboru_Open(frame(), small, sizeof small, "Verse lists (*.vl)\0*.vl\0"), 1);
    EXPECT_STREQ(small, "C:\\list");  // cut to the buffer
    EXPECT_EQ(Nazev_souboru_Save(frame(), path, sizeof path, "Verse lists (*.vl)\0*.vl\0", "vl"), 0);
    EXPECT_STREQ(path, "");
    EXPECT_EQ(g_dialog_calls, 3);
    SetFileDialogHandler(previous);
}
