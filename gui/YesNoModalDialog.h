#pragma once

// Index of this file:
//   CYesNoModalDialog - the class
//   Definitions       - its members, defined here as a template's are

#include <string>

#include "engine/Callables.h"
#include "gui/ActionButton.h"
#include "gui/ButtonLook.h"
#include "gui/Label.h"
#include "gui/ModalDialog.h"
#include "gui/NavigationKey.h"

namespace GUI
{

//------------------------------------------------------------------ CYesNoModalDialog

// A question with a "Yes" and a "No" button. The answer goes to the
// callback, called with true or false, after which the dialog removes and
// deletes itself. F is called with one bool. By keys: Y and N answer, Enter
// takes the focused button, which is the default answer until a key moves
// the focus, and Escape says No.
template <typename F>
class CYesNoModalDialog : public CModalDialog
{
public:
    // yesByDefault: Enter answers "Yes" (else "No") while the focus is where it started.
    CYesNoModalDialog(IBaseWidget* owner, const F& callback, const std::string& question, int x, int y,
                      int width, int height, bool yesByDefault = true);

    void OnYes();                           // "Yes" clicked: answers true
    void OnNo();                            // "No" clicked: answers false
    void OnNavigationKey(int key) override; // answers at once, not a tick later as a click does

    F m_callback;                           // receives the answer; its target must outlive the dialog

private:
    typedef CActionButton<Functor0<CYesNoModalDialog>> AnswerButton;

    static constexpr int kMargin       = 10;    // pixels from the dialog's edges to the buttons and the question
    static constexpr int kQuestionRise = 60;    // from the dialog's bottom edge to the question's, over the buttons

    void Answer(bool yes);
};

//------------------------------------------------------------------ Definitions

// Children in this order: "Yes", "No", the question.
template <typename F>
CYesNoModalDialog<F>::CYesNoModalDialog(IBaseWidget* owner, const F& callback, const std::string& question,
                                        int x, int y, int width, int height, bool yesByDefault)
    : CModalDialog(x, y, width, height, owner), m_callback(callback)
{
    AnswerButton* yes = new AnswerButton(x + kMargin, y + kMargin, kButtonWidth, kButtonHeight, kButtonOut,
                                         kButtonOver, Functor0<CYesNoModalDialog>(this, &CYesNoModalDialog::OnYes));
    yes->AddChild(new CLabel("Yes"));
    AddChild(yes);
    AnswerButton* no = new AnswerButton(m_right - kMargin - kButtonWidth, y + kMargin, kButtonWidth, kButtonHeight,
                                        kButtonOut, kButtonOver,
                                        Functor0<CYesNoModalDialog>(this, &CYesNoModalDialog::OnNo));
    no->AddChild(new CLabel("No"));
    AddChild(no);
    m_focus.m_start = yesByDefault ? yes : no;
    Layout();
    AddChild(new CLabel(x + kMargin, y + kQuestionRise, question));
}

template <typename F>
void CYesNoModalDialog<F>::OnYes()
{
    Answer(true);
}

template <typename F>
void CYesNoModalDialog<F>::OnNo()
{
    Answer(false);
}

// Two keys of one key pass both reach the question: the first answers it,
// and the second finds it gone, where a second click's task would not.
template <typename F>
void CYesNoModalDialog<F>::OnNavigationKey(int key)
{
    switch (key)
    {
    case AnswerYes:
        Answer(true);
        break;
    case AnswerNo:
    case Cancel:
        Answer(false);
        break;
    case TakeFocus:
        Answer(m_focus.Current() == m_children.front());
        break;
    default:
        CModalDialog::OnNavigationKey(key);
        break;
    }
}

// The callback runs while the dialog still exists.
template <typename F>
void CYesNoModalDialog<F>::Answer(bool yes)
{
    m_callback(yes);
    ReleaseMouse();
    m_parent->RemoveChild(this);
    delete this;
}

} // namespace GUI
