// The Windows side of the message-box function.
#pragma once

// Makes ShowMessageBox show real message boxes, owned by the frame when no
// owner is given.
void InstallWin32MessageBox();
