#pragma once

// Base of the classes that exist once: the constructor publishes the object,
// the destructor withdraws it.
template <typename T>
class ISingleton
{
public:
    ISingleton() { s_instance = this; }     // publishes this object
    virtual ~ISingleton() { s_instance = nullptr; }    // withdraws it

    // Cast on reading, not in the constructor: while the base is being
    // built the object is not a T yet.
    static T* Instance() { return static_cast<T*>(s_instance); }

    // Makes the one object, which publishes itself; it lives until whoever
    // shuts its subsystem down deletes Instance().
    static T* Create() { return new T(); }

private:
    static ISingleton* s_instance;          // the live object, or null
};

template <typename T>
ISingleton<T>* ISingleton<T>::s_instance = nullptr;
