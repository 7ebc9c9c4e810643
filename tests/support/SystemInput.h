// Real input: mouse and keyboard events put into the system's input queue (SendInput), so that they reach
// whatever window the system says is under the pointer or has the focus, through the system's own modal
// loops (moving a window, a menu) as a user's would. The message-level input of UserInput.h goes straight
// to one window and never enters those loops.
#pragma once

#include <windows.h>

#include <initializer_list>

// Puts the pointer at a screen point and queues a mouse move there, without handling any message: a drag
// queued whole before the system's move loop starts reading it.
void QueueMouseMove(POINT Screen);
// The same, then lets the move arrive.
void MoveMouse(POINT Screen);
void PressLeft();
void ReleaseLeft();
// A left click (or double click) at a screen point, handled before returning.
void ClickOnScreen(POINT Screen);
void DoubleClickOnScreen(POINT Screen);
void PressKey(WORD Key);
void ReleaseKey(WORD Key);
// Keys typed together as a user types them: pressed in order, released in reverse (Alt+F: {VK_MENU, 'F'}).
void Chord(std::initializer_list<WORD> Keys);
