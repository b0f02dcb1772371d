#pragma once

// Base of the classes that exist once: the constructor publishes the object,
// the destructor withdraws it.
template <typename T>
class ISingleton
{
public:
    ISingleton() { s_instance = static_cast<T*>(this); }
    virtual ~ISingleton() { s_instance = nullptr; }

    static T* Instance() { return s_instance; }

private:
    static T* s_instance;                   // the live object, or null
};

template <typename T>
T* ISingleton<T>::s_instance = nullptr;
