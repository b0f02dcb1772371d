#pragma once

namespace GUI
{

// What a key asks of a screen worked by keyboard, or of the question open on
// it. The keys themselves are bound by BindNavigationKeys.
enum NavigationKey
{
    FocusNext     = 0,                      // Down or Tab: the focus to the next button
    FocusPrevious = 1,                      // Up or Shift+Tab: to the one before
    TakeFocus     = 2,                      // Enter or Space: the focused button, as if clicked
    AnswerYes     = 3,                      // Y on a question
    AnswerNo      = 4,                      // N on a question
    Cancel        = 5                       // Escape on a question: "No"
};

} // namespace GUI
