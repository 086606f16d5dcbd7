#pragma once

#include "TForm.h"

#include <QWidget>

// Windows created by the form factory belong to the application: whatever is
// still alive when the message loop has ended is released here.
void adoptByApplication(QWidget* form);
void releaseApplicationForms();

// Creates a window of type T into a program-wide reference. When construction
// throws, the reference is left empty and the exception travels on.
template <typename T>
void createForm(T*& reference)
{
    reference = nullptr;
    try {
        T* form = new T();
        reference = form;
        adoptByApplication(form);
    } catch (...) {
        reference = nullptr;
        throw;
    }
}

// The window in the reference, or a new one when it is empty. A window whose
// release is already queued counts as gone: it is released now, so nothing is
// ever written into a window that is about to be destroyed.
template <typename T>
T* existingOrNewForm(T*& reference)
{
    if (reference && reference->isReleasing())
        delete reference; // its destroy handler empties the reference
    if (!reference)
        createForm(reference);
    return reference;
}
