#pragma once

// Keyboard accelerator tables: a virtual key, the modifier keys held with
// it, and the command it sends. A letter key is its capital's code ('O').

enum TVirtualKey : int {
    VK_F1 = 0x70,
};

enum TAcceleratorModifier : int {
    FSHIFT = 0x04,
    FCONTROL = 0x08,
    FALT = 0x10,
};

struct TAcceleratorTemplate {
    int VirtualKey;
    int Command;
    int Modifiers = 0;
};

struct TAcceleratorTable {
    const TAcceleratorTemplate* Entries;
    int Count;
};

// Null when no table has that id.
const TAcceleratorTable* FindAcceleratorTable(int id);
