#pragma once

// Small copyable values that name work to be run later: a free function, or
// an object with one of its members and up to two bound arguments. They own
// nothing; the target must outlive every copy.

class Function0
{
public:
    typedef void (*Function)();

    Function0(Function function) : m_function(function) {}
    void operator()() const { m_function(); }

private:
    Function m_function;                    // free function taking nothing
};

template <typename T>
class Functor0
{
public:
    typedef void (T::*Method)();

    Functor0(T* target, Method method) : m_target(target), m_method(method) {}
    void operator()() const { (m_target->*m_method)(); }

private:
    T*     m_target;                        // not owned
    Method m_method;
};

template <typename T, typename A>
class Functor1
{
public:
    typedef void (T::*Method)(A);

    Functor1(T* target, Method method) : m_target(target), m_method(method) {}
    void operator()(A a) const { (m_target->*m_method)(a); }

private:
    T*     m_target;                        // not owned
    Method m_method;
};

template <typename T, typename A>
class Closure1
{
public:
    typedef void (T::*Method)(A);

    Closure1(T* target, Method method, A arg1) : m_target(target), m_method(method), m_arg1(arg1) {}
    void operator()() const { (m_target->*m_method)(m_arg1); }

private:
    T*     m_target;                        // not owned
    Method m_method;
    A      m_arg1;                          // bound when the closure is made
};

template <typename T, typename A, typename B>
class Closure2
{
public:
    typedef void (T::*Method)(A, B);

    Closure2(T* target, Method method, A arg1, B arg2)
        : m_target(target), m_method(method), m_arg1(arg1), m_arg2(arg2) {}
    void operator()() const { (m_target->*m_method)(m_arg1, m_arg2); }

private:
    T*     m_target;                        // not owned
    Method m_method;
    A      m_arg1;                          // bound when the closure is made
    B      m_arg2;
};
