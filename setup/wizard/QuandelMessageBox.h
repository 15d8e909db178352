#pragma once
// Message boxes of the wizard: texts from the language library, caption
// string 102. While the wizard sheet exists it owns them, so the user
// cannot press the wizard's buttons behind an open question.
#include <windows.h>

// Shows string textId with the caption and returns the button pressed.
int QuandelMessageBox(UINT textId, UINT type);
int QuandelMessageBox(const wchar_t* text, UINT type);

// The window that owns the program's message boxes, the engine's
// installer questions included (NULL: none); the sheet registers itself
// while its window exists.
void SetQuandelMessageBoxOwner(HWND owner);
HWND GetQuandelMessageBoxOwner();
