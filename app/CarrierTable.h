#pragma once

#include <QString>

// The three known carriers, by the selector's item index.
struct Carrier
{
    QString hotline;  // written to the hotline line
    QString logoFile; // in the program folder
};

// The carrier at a selector index, or null for any other index (-1: none selected).
const Carrier* carrierAt(int index);
