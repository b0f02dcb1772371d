#pragma once

// Index of this file:
//   Function0 - a free function
//   Functor0  - a member function taking nothing
//   Functor1  - a member function taking one argument at the call
//   Closure1  - a member function with one bound argument
//   Closure2  - a member function with two bound arguments

// Small copyable values that name work to be run later: a free function, or
// an object with one of its members and up to two bound arguments. They own
// nothing; the target must outlive every copy.

//------------------------------------------------------------------ Function0

// A free function taking nothing.
class Function0
{
public:
    typedef void (*Function)();             // the function's type

    Function0(Function function) : m_function(function) {}    // implicit, so a function passes for one
    void operator()() const { m_function(); }    // calls the function

private:
    Function m_function;                    // free function taking nothing
};

//------------------------------------------------------------------ Functor0

// An object's member function taking nothing.
template <typename T>
class Functor0
{
public:
    typedef void (T::*Method)();            // the member's type

    Functor0(T* target, Method method) : m_target(target), m_method(method) {}    // target not owned
    void operator()() const { (m_target->*m_method)(); }    // calls the member on the target

private:
    T*     m_target;                        // not owned
    Method m_method;
};

//------------------------------------------------------------------ Functor1

// An object's member function taking one argument, given at the call.
template <typename T, typename A>
class Functor1
{
public:
    typedef void (T::*Method)(A);           // the member's type

    Functor1(T* target, Method method) : m_target(target), m_method(method) {}    // target not owned
    void operator()(A a) const { (m_target->*m_method)(a); }    // calls the member on the target with a

private:
    T*     m_target;                        // not owned
    Method m_method;
};

//------------------------------------------------------------------ Closure1

// An object's member function with its one argument bound when made.
template <typename T, typename A>
class Closure1
{
public:
    typedef void (T::*Method)(A);           // the member's type

    // target not owned; arg1 copied
    Closure1(T* target, Method method, A arg1) : m_target(target), m_method(method), m_arg1(arg1) {}
    void operator()() const { (m_target->*m_method)(m_arg1); }    // calls the member with the bound argument

private:
    T*     m_target;                        // not owned
    Method m_method;
    A      m_arg1;                          // bound when the closure is made
};

//------------------------------------------------------------------ Closure2

// An object's member function with its two arguments bound when made.
template <typename T, typename A, typename B>
class Closure2
{
public:
    typedef void (T::*Method)(A, B);        // the member's type

    Closure2(T* target, Method method, A arg1, B arg2)    // target not owned; the arguments copied
        : m_target(target), m_method(method), m_arg1(arg1), m_arg2(arg2) {}
    void operator()() const { (m_target->*m_method)(m_arg1, m_arg2); }    // calls the member with the bound arguments

private:
    T*     m_target;                        // not owned
    Method m_method;
    A      m_arg1;                          // bound when the closure is made
    B      m_arg2;
};
