#pragma once

// Index of this file:
//   KeyMode - when a bound key fires
//   Modifiers - which of Ctrl, Shift and Alt a binding asks for
//   CKeyMap - a set of key bindings, with the wrappers that queue their actions

#include <cstdint>
#include <vector>

#include "engine/Task.h"

namespace Input
{
namespace Keyboard
{

//------------------------------------------------------------------ KeyMode

// When a bound key fires, judged once per key pass.
enum KeyMode
{
    Pressed  = 0,                           // the pass that first sees the key down
    Released = 1,                           // the pass that first sees it up again
    Held     = 2                            // every pass while it is down
};

// The modifier keys a binding asks for, either of a pair counting (left or
// right Ctrl). A binding made without them fires whatever is held.
enum Modifiers
{
    NoModifiers      = 0,                   // none of the three held
    Ctrl             = 1,
    Shift            = 2,
    Alt              = 4,
    AnyModifiers     = 8,                   // whatever is held; the default
    WithoutCtrlOrAlt = 16                   // nothing held, or Shift alone: a plain key, typed either case
};

//------------------------------------------------------------------ CKeyMap

// Bindings are tested in the order they were added. Firing one queues a
// task holding a copy of its callable, so no action runs inside a key pass.
class CKeyMap
{
public:
    // A binding's action, whatever its callable's type.
    class IBaseActionWrapper
    {
    public:
        virtual ~IBaseActionWrapper() {}    // owned by its key map
        virtual void Invoke() = 0;          // queues the action as a task
    };

    // The wrapper of one callable type.
    template <typename F>
    class CActionWrapper : public IBaseActionWrapper
    {
    public:
        explicit CActionWrapper(const F& action) : m_action(action) {}    // action copied
        // A one-shot task at the front of the run queue, with a copy of the action.
        void Invoke() override
        {
            Tasks::Queue<Tasks::CTask<Tasks::Starters::Immediate, Tasks::Flushers::Once, F>>(m_action);
        }

    private:
        F m_action;                         // copied into every task it queues
    };

    // One key, when it fires, and what it does then.
    struct Binding
    {
        std::uint16_t       key;            // engine key code
        std::uint32_t       mode;           // a KeyMode; any other value never fires
        IBaseActionWrapper* action;         // owned by the key map it was added to
        std::uint32_t       modifiers = AnyModifiers;   // the Modifiers held, exactly, for it to fire;
                                                    // or AnyModifiers, or WithoutCtrlOrAlt
    };

    CKeyMap() {}                            // no binding
    ~CKeyMap();                             // deletes the bindings' actions
    // The one owner of its bindings' actions.
    CKeyMap(const CKeyMap&) = delete;
    CKeyMap& operator=(const CKeyMap&) = delete;

    void AddBinding(const Binding& binding);    // takes ownership of the action
    // Binds the key to a copy of action, fired in mode (a KeyMode) with exactly these modifiers.
    template <typename F>
    void BindKey(std::uint16_t key, const F& action, std::uint32_t mode, std::uint32_t modifiers = AnyModifiers);

    std::vector<Binding> m_bindings;        // in the order added
};

template <typename F>
void CKeyMap::BindKey(std::uint16_t key, const F& action, std::uint32_t mode, std::uint32_t modifiers)
{
    AddBinding(Binding{key, mode, new CActionWrapper<F>(action), modifiers});
}

} // namespace Keyboard
} // namespace Input
