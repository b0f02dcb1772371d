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

namespace GUI
{

//------------------------------------------------------------------ CYesNoModalDialog

// A question with a "Yes" and a "No" button. The answer goes to the
// callback, called with true or false, after which the dialog removes and
// deletes itself. F is called with one bool.
template <typename F>
class CYesNoModalDialog : public CModalDialog
{
public:
    CYesNoModalDialog(IBaseWidget* owner, const F& callback, const std::string& question, int x, int y,
                      int width, int height);

    void OnYes();                           // "Yes" clicked: answers true
    void OnNo();                            // "No" clicked: answers false

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
                                        int x, int y, int width, int height)
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
