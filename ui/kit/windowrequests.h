#pragma once

#include <functional>

class QWidget;

namespace quorrel::ui
{

// The windows one window may ask for. A window never includes another's
// header: it asks, and the program's set-up, which knows every window,
// answers.
// A method's window is opened through its item in the list of methods.
enum class WindowRequest { Converter, About, CoolingCurve };

// Shows the window asked for, on behalf of the window that asks.
void requestWindow(WindowRequest window, QWidget *from);

// Set once by the program's set-up; without it a request does nothing.
void answerWindowRequests(std::function<void(WindowRequest, QWidget *)> answer);

} // namespace quorrel::ui
