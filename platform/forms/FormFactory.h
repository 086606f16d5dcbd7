#pragma once

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
