#pragma once

#include <cstddef>

// A base for objects that an owner deletes, and that must therefore have been
// made with new. Its operator new leaves a note that the object about to be
// built is on the heap; the constructor takes the note, and whoever takes
// ownership asserts it. An object on the stack or inside another finds no
// note. The note goes to the first such object built after the allocation:
// a new-expression whose arguments build another one hands it to that one,
// and the assert fires on the outer object, which is then taken for one not
// made with new.
class CMadeWithNew
{
public:
    static void* operator new(std::size_t size);    // the usual allocation, noted for the constructor
    static void  operator delete(void* memory);     // the usual release

    bool MadeWithNew() const { return m_madeWithNew; }  // whether operator new made its storage

protected:
    CMadeWithNew();                         // takes operator new's note, if one is waiting
    ~CMadeWithNew() = default;              // deleted only as the object it is part of

private:
    bool m_madeWithNew;                     // operator new made this object's storage
};
